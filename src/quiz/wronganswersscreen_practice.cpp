#include "app/module1.h"
#include "quiz/quizscreen.h"
#include "quiz/wronganswersscreen.h"
#include "sound/playsound.h"

void WrongAnswersScreen::practise() {
    if (missed.empty()) return;
    // The quiz's load starts a new score; the results screen and its certificate keep the old one.
    const int score = Module1.Score, outOf = Module1.ScoreOutOf, number = Module1.QuestionNumber;
    const auto marks = Module1.QuestionMarks;
    Module1.multiple.Unload();
    QuizScreen& quiz = *Module1.multiple;
    Module1.Score = score;
    Module1.ScoreOutOf = outOf;
    Module1.QuestionNumber = number;
    Module1.QuestionMarks = marks;

    quiz.Picture1->setPicture(quizPicture);
    quiz.Label5->setCaption(Module1.QuizHeading);
    quiz.Label6->setCaption(Label6->Caption());
    quiz.startPractice(missed);
    // Out of the way rather than closed: "Check Wrong Answers" shows it again as it was.
    hide();
    quiz.Show();
    PlayClick();
}
