#include "quiz/worksheetlayout.h"

#include "platform/numbertext.h"
#include "platform/printer.h"

QString worksheetHeaderLine(const QString& productName, const QString& publisher) {
    return productName.leftJustified(81, QLatin1Char(' ')) + publisher;
}

namespace {

void centred(Printer& printer, const QString& text) {
    printer.CurrentX = (printer.ScaleWidth() - printer.TextWidth(text)) / 2;
    printer.Print(text);
}

} // namespace

void printWorksheet(Printer& printer, const QString& heading, const QString& setTitle,
                    const std::vector<WorksheetQuestion>& questions, const QString& publisher) {
    const QString blank = QStringLiteral(" ");
    printer.DocName = QStringLiteral("Tellwyn worksheet");
    printer.FontName = QStringLiteral("Times New Roman");
    // Black whatever colour an earlier page (a certificate, perhaps one that failed half way)
    // left on the printer.
    printer.ForeColor = Colours::Black;
    printer.FontSize = 16;
    printer.CurrentX = printer.ScaleWidth() / 8;
    printer.Print(blank);
    printer.CurrentX = printer.ScaleWidth() / 16;
    printer.Print(worksheetHeaderLine(QStringLiteral("Tellwyn"), publisher), false);
    printer.Print(blank);
    printer.Print(blank);

    printer.FontSize = 32;
    centred(printer, heading);
    centred(printer, setTitle);
    printer.Print(blank);

    printer.FontSize = 12;
    int number = 0;
    for (const WorksheetQuestion& q : questions) {
        ++number;
        const Twips w = printer.ScaleWidth();
        printer.CurrentX = w / 16;
        printer.Print(QStringLiteral("Question") + withSign(number) + QStringLiteral("    ") + q.text);
        printer.CurrentX = w / 3;
        printer.Print(QStringLiteral("A. ") + q.a, false);
        printer.CurrentX = 2 * w / 3;
        printer.Print(QStringLiteral("B. ") + q.b);
        printer.CurrentX = w / 3;
        printer.Print(QStringLiteral("C. ") + q.c, false);
        printer.CurrentX = 2 * w / 3;
        printer.Print(QStringLiteral("D. ") + q.d);
        printer.Print(blank);
    }
    printer.EndDoc();
}
