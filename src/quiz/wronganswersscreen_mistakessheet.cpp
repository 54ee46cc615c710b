#include "app/module1.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "quiz/mistakessheetlayout.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"

void WrongAnswersScreen::printMistakes() {
    // The name box of the results screen, when the pupil has typed into it.
    const ResultsScreen* results = Module1.Welldone.ifLoaded();
    const QString name = results ? results->Text1->Text() : QString();
    try {
        printMistakesSheet(SystemPrinter(), Module1.QuizHeading, Label6->Caption(), name, missed);
    } catch (const PrintError&) {
        MsgBox(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    MsgBox(QStringLiteral("Your mistakes sheet is now printing."));
}
