#pragma once

#include "quiz/questionset.h"
#include "quiz/questionsperset.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdio>
#include <optional>

// Worksheet files that travel between schools: read one from a file a teacher may have typed by
// hand, with every check the wizard and the store make, and messages that name the line to fix.

// A set as read from a file, with the line each text came from (1-based), so that the checks can
// say where a problem lies.
struct SourcedSet {
    QuestionSet set;
    int titleLine = 0; // 0: the title is the file's name
    std::array<int, QuestionsPerSet> questionLine{};
    std::array<std::array<int, 4>, QuestionsPerSet> answerLine{};
    std::array<int, QuestionsPerSet> rightLine{};
};

struct ImportedWorksheet {
    std::optional<QuestionSet> set; // only when there is no problem
    QStringList problems;           // "Line 9: ...", in line order
};

// Reads a worksheet from a file's bytes: the program's own 72-line layout, or the plain layout
// that teachers type (a question, its answers "A. " to "D. ", then "ANSWER: B"), whose title is
// a first line "TITLE: ..." or else the file's name. Text is UTF-8 when it is valid UTF-8, else
// the program's Windows-1252.
ImportedWorksheet readWorksheetFile(const QByteArray& bytes, const QString& fileBaseName);

// The same for a file on disk; a file that is not a regular file, or too large, is a problem.
ImportedWorksheet readWorksheetFileAt(const QString& path);

// Copies a stored worksheet's file, byte for byte, to a path outside the program's folders,
// through the same checked writer as the store: a failed export leaves the old file whole. Nothing
// on success; otherwise what went wrong, in a sentence for the teacher. A target inside the
// worksheet or the data folder (the index, a lock, a worksheet) is refused before anything is written.
std::optional<QString> exportWorksheet(const QString& title, const QString& targetPath);

// Imports files without a window: prints each imported title on `out` (" (replaced)" after it when
// it replaced a listed one) and each broken file's messages on `err`. A title already listed is left
// as it is unless `replace`. 0 when every file was imported.
int importWorksheetFiles(const QStringList& paths, FILE* out, FILE* err, bool replace = false);
