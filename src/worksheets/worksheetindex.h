#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The worksheet index, multiple\track.txt: a count, then one title a line.
inline const QString WorksheetIndexFile = QStringLiteral("multiple/track.txt");
inline constexpr int MaxWorksheets = 1000;

struct WorksheetIndex {
    QStringList titles;
    bool complete = false; // false: the file ended or broke before its count was reached
};

// Reads an index: the count, then as many titles as it says (at most `limit`), one a line. A title
// is its whole line, commas included, without leading blanks; a quoted one is the text inside
// its quotes. Nothing when the file cannot be opened or holds no count. The store reads without the
// limit before it rewrites the file, so that titles past the 1000th of a file written elsewhere
// are kept rather than dropped.
std::optional<WorksheetIndex> readWorksheetIndex(const QString& relativePath,
                                                 long long limit = MaxWorksheets);

// Reads the index into WorksheetCount and WorksheetTitles. A missing file or one without a count
// leaves both as they were; otherwise the count becomes the number of titles actually read, so a
// short or over-long file never lists titles that are not there. Returns whether the whole file
// was read as its count said.
bool loadWorksheetIndex(const QString& relativePath);
