#include "quiz/worksheetlayout.h"

#include "platform/numbertext.h"
#include "platform/printer.h"

QString worksheetHeaderLine(const QString& productName, const QString& publisher) {
    return productName.leftJustified(81, QLatin1Char(' ')) + publisher;
}

void printCentred(Printer& printer, const QString& text) {
    printer.CurrentX = (printer.ScaleWidth() - printer.TextWidth(text)) / 2;
    printer.Print(text);
}

void printSheetHeader(Printer& printer, const QString& publisher) {
    const QString blank = QStringLiteral(" ");
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
}

namespace {

const QColor KeyRed(255, 0, 0);

// One answer in its column. On the key the right one is red and underlined, so that it still
// stands out on a printer without colour; the print position moves as for any other answer.
void printAnswer(Printer& printer, Twips x, const QString& text, bool marked, bool lineEnd) {
    printer.CurrentX = x;
    if (!marked) {
        printer.Print(text, lineEnd);
        return;
    }
    const Twips underline = printer.CurrentY + printer.TextHeight() * 0.9f;
    const Twips width = printer.TextWidth(text);
    printer.ForeColor = KeyRed;
    printer.Print(text, lineEnd);
    const Twips afterX = printer.CurrentX, afterY = printer.CurrentY;
    printer.Line(x, underline, x + width, underline, KeyRed);
    printer.CurrentX = afterX;
    printer.CurrentY = afterY;
    printer.ForeColor = QColor(0, 0, 0);
}

void printPage(Printer& printer, const QString& heading, const QString& setTitle,
               const std::vector<WorksheetQuestion>& questions, const QString& publisher, bool key) {
    printer.DocName = key ? QStringLiteral("Tellwyn answer key") : QStringLiteral("Tellwyn worksheet");
    printSheetHeader(printer, publisher);

    printer.FontSize = 32;
    printCentred(printer, heading);
    printCentred(printer, setTitle);
    if (key)
        printCentred(printer, QStringLiteral("Answer Key"));
    else
        printer.Print(QStringLiteral(" "));

    printer.FontSize = 12;
    int number = 0;
    for (const WorksheetQuestion& q : questions) {
        ++number;
        const Twips w = printer.ScaleWidth();
        auto marked = [&](int answer) { return key && q.right == answer; };
        printer.CurrentX = w / 16;
        printer.Print(QStringLiteral("Question") + withSign(number) + QStringLiteral("    ") + q.text);
        printAnswer(printer, w / 3, QStringLiteral("A. ") + q.a, marked(1), false);
        printAnswer(printer, 2 * w / 3, QStringLiteral("B. ") + q.b, marked(2), true);
        printAnswer(printer, w / 3, QStringLiteral("C. ") + q.c, marked(3), false);
        printAnswer(printer, 2 * w / 3, QStringLiteral("D. ") + q.d, marked(4), true);
        printer.Print(QStringLiteral(" "));
    }
    printer.EndDoc();
}

} // namespace

void printWorksheet(Printer& printer, const QString& heading, const QString& setTitle,
                    const std::vector<WorksheetQuestion>& questions, const QString& publisher) {
    printPage(printer, heading, setTitle, questions, publisher, false);
}

void printAnswerKey(Printer& printer, const QString& heading, const QString& setTitle,
                    const std::vector<WorksheetQuestion>& questions, const QString& publisher) {
    printPage(printer, heading, setTitle, questions, publisher, true);
}
