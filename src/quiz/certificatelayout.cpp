#include "quiz/certificatelayout.h"

#include "platform/colours.h"
#include "platform/numbertext.h"
#include "platform/printer.h"

const QString CertificateBanner =
    QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");

namespace {

void style(Printer& printer, const QColor& colour, double points) {
    printer.ForeColor = colour;
    printer.FontSize = points;
}

void centred(Printer& printer, const QString& text) {
    printer.CurrentX = (printer.ScaleWidth() - printer.TextWidth(text)) / 2;
    printer.Print(text);
}

void blankLines(Printer& printer, int count) {
    for (int i = 0; i < count; ++i)
        printer.Print(QStringLiteral(" "));
}

// Four separate lines, in the order top, left, right, bottom.
void rectangle(Printer& printer, Twips left, Twips top, Twips right, Twips bottom) {
    printer.Line(left, top, right, top, Colours::Black);
    printer.Line(left, top, left, bottom, Colours::Black);
    printer.Line(right, top, right, bottom, Colours::Black);
    printer.Line(left, bottom, right, bottom, Colours::Black);
}

} // namespace

void printCertificate(Printer& printer, const CertificateInput& in) {
    printer.DocName = QStringLiteral("Tellwyn certificate");
    printer.FontName = QStringLiteral("Times New Roman");
    const QString banners = CertificateBanner + CertificateBanner;

    style(printer, Colours::Blue, 25);
    printer.CurrentX = printer.ScaleWidth() / 8;
    blankLines(printer, 1);
    printer.Print(banners, false);
    blankLines(printer, 1);
    blankLines(printer, 2);

    style(printer, Colours::Red, 36);
    centred(printer, in.productName);
    blankLines(printer, 1);

    style(printer, Colours::Blue, in.headingWidthOnScreen > printer.ScaleWidth() / 4 ? 28 : 36);
    centred(printer, in.heading);
    centred(printer, QString());
    printer.FontSize = 36;
    blankLines(printer, 3);

    style(printer, Colours::Navy, 28);
    centred(printer, QStringLiteral("Excellent Work"));
    blankLines(printer, 1);
    centred(printer, in.name);
    printer.Print(QString());
    centred(printer, QStringLiteral("You have scored") + withSign(in.score) + QStringLiteral(" out of") +
                         withSign(in.outOf) + QStringLiteral("."));
    blankLines(printer, 1);
    printer.FontSize = 36;
    blankLines(printer, 2);

    style(printer, Colours::Blue, 25);
    blankLines(printer, 1);
    style(printer, Colours::Black, 25);
    printer.Print(banners, false);

    printer.DrawWidth = 2;
    const Twips w = printer.ScaleWidth(), h = printer.ScaleHeight();
    for (int k = 1; k <= 5; ++k) {
        const Twips a = 45.0f * k, b = 225.0f + 45.0f * k;
        rectangle(printer, a, b, w - a, h - b);
        if (k <= 3) rectangle(printer, a + 600, b + 7050, w - a - 600, h - b - 3750);
    }
    printer.EndDoc();
}
