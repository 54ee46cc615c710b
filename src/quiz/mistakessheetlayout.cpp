#include "quiz/mistakessheetlayout.h"

#include "platform/numbertext.h"
#include "platform/printer.h"
#include "quiz/quizmarking.h"
#include "quiz/worksheetlayout.h"

QString answerText(const MissedQuestion& q, int answer) {
    if (answer < 1 || answer > 4) return QStringLiteral("none");
    return QString(QChar('A' + answer - 1)) + QStringLiteral(". ") + q.answers[answer - 1];
}

void printMistakesSheet(Printer& printer, const QString& heading, const QString& setTitle,
                        const QString& name, const std::vector<MissedQuestion>& missed) {
    printer.DocName = QStringLiteral("Tellwyn mistakes sheet");
    printSheetHeader(printer, PublisherName);
    printer.FontSize = 32;
    printCentred(printer, heading);
    printCentred(printer, setTitle);
    printer.FontSize = 20;
    if (!name.trimmed().isEmpty()) printCentred(printer, name);
    printCentred(printer, QStringLiteral("Questions to look at again"));
    printer.Print(QStringLiteral(" "));

    printer.FontSize = 12;
    for (const MissedQuestion& q : missed) {
        const Twips w = printer.ScaleWidth();
        printer.CurrentX = w / 16;
        printer.Print(QStringLiteral("Question") + withSign(q.number) + QStringLiteral("    ") + q.text);
        printer.CurrentX = w / 3;
        printer.Print(QStringLiteral("Your answer: ") + answerText(q, q.pupilAnswer));
        printer.CurrentX = w / 3;
        printer.Print(QStringLiteral("Right answer: ") + answerText(q, correctOption(q.correct)));
        printer.Print(QStringLiteral(" "));
    }
    printer.EndDoc();
}
