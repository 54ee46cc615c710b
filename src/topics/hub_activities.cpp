#include "activities/labellingscreens.h"
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "topics/topichub.h"

// The drag-and-drop activities of each topic, titled with the hub's title. The first touch loads
// the activity, so its title is set after its load has run.
void MoonHub::openLabelling() {
    Module1.moonlab->Label6->setCaption(Label1->Caption());
    Module1.moonlab->Show();
}

void MoonHub::openOrdering() {
    Module1.moonord->Label6->setCaption(Label1->Caption());
    Module1.moonord->Show();
}

void CaesarHub::openLabelling() {
    Module1.caesar2lab->Label6->setCaption(Label1->Caption());
    Module1.caesar2lab->Show();
}

void CaesarHub::openOrdering() {
    Module1.caesarord->Label6->setCaption(Label1->Caption());
    Module1.caesarord->Show();
}
