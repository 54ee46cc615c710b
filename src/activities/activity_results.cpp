#include "activities/activityscreen.h"
#include "app/module1.h"
#include "quiz/resultsscreen.h"
#include "records/recordhooks.h"

// Hand-off to the results screen: it reads the score and the card count from Module1 when it
// loads, and the activity touches none of its controls.
void ActivityScreen::showResults() {
    // A results screen still open from an earlier press would keep its old score and wording.
    Module1.Welldone.Unload();
    Module1.Welldone->Show();
    recordActivityResult(*this);
}
