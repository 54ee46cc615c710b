#pragma once

#include "quiz/questionsperset.h"
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class InputFile;

// One multiple-choice quiz: a title and ten questions of four answers, one of them right.
struct Question {
    QString text;
    std::array<QString, 4> answers; // A..D
    QString correct;                // "1".."4"
};

struct QuestionSet {
    QString title;
    std::array<Question, QuestionsPerSet> questions;
};

// The file is 72 lines: title, spacer, then per question its text, answers A to D, the digit of
// the right answer and a spacer. Commas in typed texts are stored as "&", because each line is read
// as one comma-delimited field.
inline constexpr int QuestionSetLines = 72;

QString escapeCommas(const QString& typed);   // "," -> "&"
QString restoreCommas(const QString& stored); // "&" -> ","

// Reads a whole set from an open file. Nothing, with the reason, when the file ends early or a
// right-answer line is not a digit from 1 to 4: a set is used whole or not at all.
std::optional<QuestionSet> readQuestionSet(InputFile& in, QString* problem = nullptr);

// The lines of a set as the store writes them (the reader's mirror image).
QStringList questionSetLines(const QuestionSet& set);

// Opens a question set file, reads it and closes it; only a good set is copied into the shared
// question tables (SetTitle, QuestionText, AnswerA..D, CorrectAnswer), so after a failure they
// still hold the previous set.
bool LoadQuestionSet(const QString& relativePath, QString* problem = nullptr);

// Copies a set into the shared question tables, entries 1..10, and back: the one place that knows
// how the tables hold a set.
void storeInModule1(const QuestionSet& set);
QuestionSet questionSetInModule1();
