#include "app/module1.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "quiz/certificatelayout.h"
#include "quiz/resultsscreen.h"

#include <QFontMetricsF>

void ResultsScreen::Printpage() {
    CertificateInput input;
    input.heading = certificateHeading.isEmpty() ? Module1.QuizHeading : certificateHeading;
    // Measured in this screen's own font: a long heading prints smaller.
    input.headingWidthOnScreen =
        static_cast<Twips>(QFontMetricsF(font()).horizontalAdvance(input.heading) * TwipsPerPixel);
    input.name = Text1->Text();
    input.score = Module1.Score;
    input.outOf = Module1.ScoreOutOf;
    try {
        printCertificate(SystemPrinter(), input);
    } catch (const PrintError&) {
        MsgBox(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    MsgBox(QStringLiteral("Your certificate is now printing."));
}
