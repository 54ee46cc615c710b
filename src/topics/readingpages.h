#pragma once

#include "platform/picture.h"

#include <QString>
#include <optional>

class Printer;

// What the two reading viewers share: page picture names, counters, the printed page and the
// publisher logo's animation frames. No widgets here.

constexpr int GuidePageCount = 4;

// "wmf\guide2.wmf" for the screen, "wmf2\guide2.wmf" for paper.
QString guidePagePicture(int page, bool forPaper);
// Page 1 of a document is <base>a.wmf, page 2 <base>b.wmf, page 3 <base>c.wmf; nothing outside.
QString notesPagePicture(const QString& base, int page, bool forPaper);

QString guideCounter(int page);            // "Page 2 of 4"
QString notesCounter(int page, int count); // "Page 2 of 3"

// The logo animation runs 1, 2, ..., 19, 0, 1, ...; an empty frame (never run) gives 1.
int nextLogoFrame(std::optional<int> frame);
QString logoFramePicture(int frame); // "logo\lume0007.gif"

// Prints one page picture: an empty line opens the job, the picture goes 1000 twips in from the
// left and the top at its own size, and the page is sent. A page with no picture is not sent as a
// blank sheet: it is a failure like any other (PrintError).
void printPagePicture(Printer& printer, const Picture& page);

// Prints the page on show on the system printer and gives what the reader must be told: nothing
// when it printed, that the page could not be read when its picture is missing or damaged (the
// printer is not at fault then, and is not asked), else the printer's problem.
QString printPageOnShow(const Picture& page);

inline const QString PrintProblemMessage = QStringLiteral("There was a problem printing to your printer.");
inline const QString UnreadablePageMessage =
    QStringLiteral("This page could not be read from its file, so it was not printed.");
