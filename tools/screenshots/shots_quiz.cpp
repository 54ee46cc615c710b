// The topic hubs, the quiz, the results screen for the quiz and for an activity, and the
// wrong-answers list.
#include "app/module1.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "shots.h"
#include "topics/topichub.h"

namespace {

int rightButton(int q) {
    return Module1.CorrectAnswer[q].toInt();
}
int wrongButton(int q) {
    return rightButton(q) % 4 + 1;
}

// Runs the Moon quiz from its hub with the first `right` questions answered right.
void runMoonQuiz(ShotContext& ctx, int right) {
    Module1.moon->Show();
    Module1.moon->Label3(TopicHub::MultipleChoice).Click();
    QuizScreen& quiz = *Module1.multiple;
    for (int q = 1; q <= 10; ++q) {
        quiz.Option1(q <= right ? rightButton(q) : wrongButton(q)).click();
        quiz.Label3(QuizScreen::NextQuestion).Click();
    }
    ctx.settle(60);
}

// Ticks the button showing the practice question's right answer (or, with `wrong`, another one).
void answerPractice(QuizScreen& quiz, bool wrong) {
    const int right = quiz.practice->rightButton();
    quiz.Option1(wrong ? (right == 1 ? 2 : 1) : right).click();
    quiz.Label3(QuizScreen::NextQuestion).Click();
}

void closeResults(ShotContext& ctx) {
    Module1.Wrong.Unload();
    Module1.Welldone.Unload();
    ctx.settle();
}

} // namespace

static RegisterShots quiz("quiz", [](ShotContext& ctx) {
    Module1.moon->Show();
    ctx.save(*Module1.moon, "hub-moon");
    Module1.caesar->Show();
    ctx.save(*Module1.caesar, "hub-caesar");
    Module1.caesar.Unload();

    Module1.moon->Label3(TopicHub::MultipleChoice).Click();
    QuizScreen& quiz = *Module1.multiple;
    ctx.save(quiz, "quiz-question-1");
    for (int q = 1; q <= 9; ++q)
        quiz.Label3(QuizScreen::NextQuestion).Click();
    quiz.Option1(2).click();
    ctx.save(quiz, "quiz-question-10");
    quiz.Label3(QuizScreen::PrintWorksheet).Click();
    ctx.save(quiz, "quiz-print-choice");
    quiz.Unload();
    ctx.settle();

    for (int right : {10, 9, 7, 3}) {
        runMoonQuiz(ctx, right);
        ctx.save(*Module1.Welldone, QStringLiteral("results-quiz-%1-of-10").arg(right));
        closeResults(ctx);
    }

    runMoonQuiz(ctx, 0);
    Module1.Welldone->Label3(ResultsScreen::WrongAnswersOrCertificate).Click();
    ctx.settle();
    ctx.save(*Module1.Wrong, "wrong-answers-ten");
    closeResults(ctx);

    // Three wrong, practised: one still wrong after the first round, all right after the second.
    runMoonQuiz(ctx, 7);
    Module1.Welldone->Label3(ResultsScreen::WrongAnswersOrCertificate).Click();
    ctx.settle();
    ctx.save(*Module1.Wrong, "wrong-answers-three");
    Module1.Wrong->Label3(WrongAnswersScreen::PractiseAgain).Click();
    ctx.settle();
    QuizScreen& practice = *Module1.multiple;
    ctx.save(practice, "practice-question");
    answerPractice(practice, true);
    answerPractice(practice, false);
    answerPractice(practice, false);
    ctx.save(practice, "practice-one-still-wrong");
    practice.Label3(QuizScreen::NextQuestion).Click();
    answerPractice(practice, false);
    ctx.save(practice, "practice-all-right");
    practice.Label3(QuizScreen::ExitButton).Click();
    ctx.settle();
    ctx.save(*Module1.Welldone, "practice-back-at-results");
    closeResults(ctx);

    // An activity hands over the score alone.
    Module1.Score = 3;
    Module1.ScoreOutOf = 5;
    Module1.Welldone->Show();
    ctx.settle(60);
    ctx.save(*Module1.Welldone, "results-activity-3-of-5");
});
