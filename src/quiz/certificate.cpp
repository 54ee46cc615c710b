#include "app/module1.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "quiz/certificatelayout.h"
#include "quiz/resultsscreen.h"

#include <QFontMetricsF>

void ResultsScreen::Printpage() {
    CertificateInput input;
    input.heading = Module1.QuizHeading;
    // Measured in this screen's own font, as the heading size rule asks.
    input.headingWidthOnScreen =
        static_cast<Twips>(QFontMetricsF(font()).horizontalAdvance(Module1.QuizHeading) * TwipsPerPixel);
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
