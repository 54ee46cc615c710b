#pragma once

#include "quiz/questionset.h"

#include <QString>
#include <QStringList>
#include <optional>

// The teachers' worksheets: one question set file each in multiple/, all listed in
// multiple/track.txt. Every file is replaced atomically, and the index's read-modify-write runs
// under a lock file beside it, so two copies of the program saving at once lose no title.

inline const QString WorksheetIndexFile = QStringLiteral("multiple/track.txt");

// The file a worksheet lives in, as the catalogue opens it.
QString worksheetFile(const QString& title);

// Why a worksheet cannot be stored as typed, in words for its author (the field and the
// character); nothing when it can. A title must come back from the index and from the file name
// exactly as typed and must not reach outside multiple/ or onto the program's own files.
std::optional<QString> worksheetRefusal(const QuestionSet& set);

// The same for the title alone, and for one typed text (a question or an answer) named `field`.
std::optional<QString> titleRefusal(const QString& title);
std::optional<QString> typedTextRefusal(const QString& field, const QString& text);

// The index file's lines: the count with a blank either side, then one title a line, each as it
// reads back.
QStringList worksheetIndexLines(const QStringList& titles);

enum class TrackResult { AlreadyListed, Added, Full };
// Appends a title unless it is listed already (compared exactly); a 1001st is refused.
TrackResult trackworksheets(QStringList& titles, const QString& title);

// Writes the worksheet's file and then lists its title. The caller has had worksheetRefusal pass.
// False, with nothing written, when the index cannot be read or would need a 1001st title;
// false after a write fails (the file it was writing keeps its old content). Leaves the index as
// read in WorksheetCount and WorksheetTitles, with a new title in the entry after the last.
bool saveWorksheet(const QuestionSet& set);

// Removes the last listing of a title from the index. A title no longer listed leaves the file
// untouched. False when the index cannot be read or written. Leaves WorksheetCount and
// WorksheetTitles matching the file.
bool delworksheet(const QString& title);

// Creates the worksheet folder with an empty index (count 0) where there is none yet. False when
// neither can be had.
bool ensureWorksheetIndex();
