#pragma once

#include <QString>
#include <vector>

class Printer;

// The loaded question set as a paper worksheet: a header line, the heading and the set's title in
// large type, then each question with its four answers in two columns. The right answers are not
// printed.
struct WorksheetQuestion {
    QString text, a, b, c, d;
    int right = 0; // 1 = A .. 4 = D; marked on the answer key only
};

inline const QString PublisherName = QStringLiteral("Lumenda Learning");

// "Tellwyn", blanks up to 81 characters, then the publisher.
QString worksheetHeaderLine(const QString& productName, const QString& publisher);

// The top of every printed sheet: a blank line, then the header line and two blank lines.
void printSheetHeader(Printer& printer, const QString& publisher);
// Centres a text on the page in the current font and ends the line.
void printCentred(Printer& printer, const QString& text);

// Prints the page and ends the job. Throws PrintError when any step fails; the printer then holds
// no half-made page.
void printWorksheet(Printer& printer, const QString& heading, const QString& setTitle,
                    const std::vector<WorksheetQuestion>& questions,
                    const QString& publisher = PublisherName);

// The teacher's answer key: the worksheet's page again, headed "Answer Key" in the blank line
// under the title, with each right answer in red and underlined. Throws PrintError as above.
void printAnswerKey(Printer& printer, const QString& heading, const QString& setTitle,
                    const std::vector<WorksheetQuestion>& questions,
                    const QString& publisher = PublisherName);
