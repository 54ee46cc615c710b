#pragma once

#include <QString>
#include <vector>

class Printer;

// The loaded question set as a paper worksheet: a header line, the heading and the set's title in
// large type, then each question with its four answers in two columns. The right answers are not
// printed.
struct WorksheetQuestion {
    QString text, a, b, c, d;
};

inline const QString PublisherName = QStringLiteral("Lumenda Learning");

// "Tellwyn", blanks up to 81 characters, then the publisher.
QString worksheetHeaderLine(const QString& productName, const QString& publisher);

// Prints the page and ends the job. Throws PrintError when any step fails; the printer then holds
// no half-made page.
void printWorksheet(Printer& printer, const QString& heading, const QString& setTitle,
                    const std::vector<WorksheetQuestion>& questions,
                    const QString& publisher = PublisherName);
