#include "activities/labellingscreens.h"
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "topics/topichub.h"

namespace {
// The drag-and-drop activities are titled with the hub's title. The first touch loads the
// activity, so its title is set after its load has run.
template <class Screen> void openTitled(ScreenRef<Screen>& screen, const QString& title) {
    screen->Label6->setCaption(title);
    screen->Show();
}
} // namespace

void MoonHub::openActivity(Activity which) {
    const QString title = Label1->Caption();
    which == Activity::Ordering ? openTitled(Module1.moonord, title) : openTitled(Module1.moonlab, title);
}

void CaesarHub::openActivity(Activity which) {
    const QString title = Label1->Caption();
    which == Activity::Ordering ? openTitled(Module1.caesarord, title)
                                : openTitled(Module1.caesar2lab, title);
}
