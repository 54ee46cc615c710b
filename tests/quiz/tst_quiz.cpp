// The quiz as a pupil meets it: its question set read whole or not at all, opened from a hub,
// answered with the mouse, marked when moving on, and handed to the results and wrong-answers list.
// (The store suite reads a typed "&" back as a comma; the reader's fuzz target reads hand-edited sets.)
#include "app/module1.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// The sample set's right answers run A, B, C, D, A, B, ...
int rightButton(int q) {
    return (q - 1) % 4 + 1;
}
int wrongButton(int q) {
    return rightButton(q) % 4 + 1;
}

// Answers the question on screen (0 leaves it unanswered) and presses the right-hand button.
void answerAndGoOn(QuizScreen& quiz, int button) {
    if (button) clickControl(&quiz.Option1(button));
    clickControl(&quiz.Label3(1));
}

// The list's captions, which must fill its labels from the top with no gap.
QStringList shownWrongLines() {
    QStringList lines;
    for (int k = 0; k < 10; ++k)
        if (Module1.Wrong->Label2(k).Visible()) lines << Module1.Wrong->Label2(k).Caption();
    for (int k = 0; k < 10; ++k)
        if (Module1.Wrong->Label2(k).Visible() != (k < lines.size()))
            return {"gap at label " + QString::number(k)};
    return lines;
}

} // namespace

class QuizTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void markingGoingBackAndTheHandOver() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env, "Apollo");
        quiz.Label5->setCaption("Class 4 quiz"); // the heading travels to the certificate
        // 4 and 6 wrong, 1 and 10 unanswered; 4 is gone back to twice, to be marked right, then left
        // unticked, which is wrong again.
        for (int q = 1; q <= 10; ++q) {
            answerAndGoOn(quiz, q == 1 || q == 10 ? 0 : q == 4 || q == 6 ? wrongButton(q) : rightButton(q));
            if (q == 4)
                for (int button : {rightButton(4), 0}) {
                    clickControl(&quiz.Label3(0));    // back to 4
                    QVERIFY(quiz.Option1(5).Value()); // the hidden no-answer button: nothing ticked
                    answerAndGoOn(quiz, button);
                    QCOMPARE(Module1.QuestionMarks[4], button ? 1 : 0);
                }
        }
        QCOMPARE(shownWrongLines(), (QStringList{" 1. Question text 1?", " 4. Question text 4?",
                                                 " 6. Question text 6?", " 10. Question text 10?"}));
        // Handed over: the quiz gone, the results shown, the list filled but not shown.
        settle();
        QCOMPARE(Module1.QuizHeading, QString("Class 4 quiz"));
        ResultsScreen& results = *Module1.Welldone;
        QCOMPARE(results.Label1->Caption(), QString("You have scored 6 out of 10."));
        QCOMPARE(Module1.Wrong->Label6->Caption(), QString("Apollo"));
    }

    // Every way a set can be broken, and that a refused one leaves the tables as they were, is the
    // question-set fuzz target's; here, what the pupil sees when the set cannot be read.
    void missingSetKeepsTheHub() {
        TestEnv env;
        Module1.moon->Show();
        clickControl(&Module1.moon->Label3(0));
        QCOMPARE(env.messages->texts(), QStringList{"The questions for this topic could not be read."});
        QVERIFY(!Module1.multiple.isLoaded() && Module1.moon->isVisible());
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
