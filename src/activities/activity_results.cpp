#include "activities/activityscreen.h"
#include "app/module1.h"
#include "quiz/resultsscreen.h"
#include "records/recordhooks.h"

#include <QHash>

// Hand-off to the results screen: it reads the score and the card count from Module1 when it
// loads, and the activity touches none of its controls.
void ActivityScreen::showResults() {
    // A results screen still open from an earlier press would keep its old score and wording.
    Module1.Welldone.Unload();
    // The certificate says which topic and which of its activities it is for.
    static const QHash<QString, QString> activities{
        {QStringLiteral("moonord"), QStringLiteral("Timeline")},
        {QStringLiteral("caesarord"), QStringLiteral("Timeline")},
        {QStringLiteral("moonlab"), QStringLiteral("Labelling")},
        {QStringLiteral("caesar2lab"), QStringLiteral("Caesar Code")}};
    Module1.Welldone->certificateHeading =
        Label6->Caption() + QStringLiteral(": ") + activities.value(objectName(), QStringLiteral("Activity"));
    Module1.Welldone->Show();
    recordActivityResult(*this);
}
