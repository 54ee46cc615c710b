#pragma once

#include "quiz/practiceround.h"

#include <QString>
#include <vector>

class Printer;

// A page for the pupil to take home: under the quiz's heading, the set's title and the pupil's
// name (when typed), each missed question with the answer given and the right one.

// "C. The Trent", or "none" when nothing was ticked or the digit names no answer.
QString answerText(const MissedQuestion& q, int answer);

// Prints the page and ends the job; throws PrintError when a step fails.
void printMistakesSheet(Printer& printer, const QString& heading, const QString& setTitle,
                        const QString& name, const std::vector<MissedQuestion>& missed);
