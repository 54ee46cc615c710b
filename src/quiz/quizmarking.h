#pragma once

#include "quiz/questionsperset.h"

#include <QString>
#include <QVector>
#include <array>

// Marking of a quiz, apart from the screen that shows it.

// The answer button (1 = A .. 4 = D) that a stored right-answer digit names, or 0 when it names
// none: a question with such a digit can never be answered right.
int correctOption(const QString& digit);

// 1 when the ticked answer (1..4; 0 or 5 for none) is the right one, else 0.
int markAnswer(const QString& correctDigit, int tickedOption);

struct QuizTally {
    int score = 0;
    QVector<int> wrongQuestions; // ascending question numbers
};

// Adds up the marks of questions 1..QuestionsPerSet (index 0 is not a question).
QuizTally tallyMarks(const std::array<int, QuestionsPerSet + 1>& marks);

// One line of the wrong-answers list: " 3. " and the question.
QString wrongAnswerLine(int question, const QString& questionText);
