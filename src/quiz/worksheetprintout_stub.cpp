#include "quiz/quizscreen.h"

// The worksheet printout arrives with the printing work.
void QuizScreen::printWorksheet() {}
