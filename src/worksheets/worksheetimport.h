#pragma once

#include "quiz/questionset.h"
#include "quiz/questionsperset.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
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

// One thing that keeps a file from being imported, where it lies and what it concerns; the words
// "Line 9: ..." are made only where it is shown (message()).
struct ImportProblem {
    static constexpr int WholeFile = -1;
    int line = 0;  // 1-based; 0: the file's name, taken as the title; WholeFile: not one line's
    QString field; // "Question 3", "Answer B of Question 7", "The Worksheet Title"; empty: the layout
    QString text;  // what is wrong, as a sentence's end, for the person who typed the file
    QString message() const;
};

struct ImportedWorksheet {
    std::optional<QuestionSet> set; // only when there is no problem
    QList<ImportProblem> problems;  // in line order
    QStringList messages() const;   // each problem's message()
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
