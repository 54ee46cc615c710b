// Learning from mistakes: a practice round of the missed questions on the quiz screen, the
// mistakes sheet and the teacher's answer key, driven by mouse clicks as a pupil or teacher does.
#include "app/module1.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

const QColor Red(255, 0, 0), Black(0, 0, 0);

// Ticks the button that shows the given answer, wherever the round has put it.
void tickAnswer(QuizScreen& quiz, const QString& answer) {
    for (int i = 1; i <= 4; ++i)
        if (quiz.Option1(i).Caption() == answer) {
            clickControl(&quiz.Option1(i));
            return;
        }
    QFAIL(qPrintable("no button shows " + answer));
}

QStringList printedTexts(const RecordedPage& page) {
    QStringList texts;
    for (const PrintOp& op : page.ops)
        if (op.kind == PrintOp::Text && op.text != " ") texts << op.text;
    return texts;
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void practiseUntilAllRightKeepsTheScoreAndTheMistakesSheet() {
        TestEnv env;
        // The moon quiz's right answers are all A ("Answer nA"). Questions 2, 5 and 9 answered B, C
        // and nothing: 7 out of 10, on the list.
        QuizScreen& run = openMoonQuiz(env, "Moon quiz", 1);
        for (int q = 1; q <= 10; ++q) {
            if (q != 9) clickControl(&run.Option1(q == 2 ? 2 : q == 5 ? 3 : 1));
            clickControl(&run.Label3(1));
        }
        settle(50);
        clickControl(&Module1.Welldone->Label3(0)); // "Check Wrong Answers"
        WrongAnswersScreen& wrong = *Module1.Wrong;
        clickControl(&wrong.Label3(2)); // "Practise Again"
        QuizScreen& quiz = *Module1.multiple;
        QVERIFY(!quiz.Label3(3).isVisible() && !quiz.Label3(0).isVisible()); // no printing, no going back
        // The walk through a round with one still wrong is the practice check's, on the real program.
        for (int number : {2, 5, 9}) {
            QCOMPARE(quiz.Label4->Caption(), QString("Question %1").arg(number));
            tickAnswer(quiz, QString("Answer %1A").arg(number));
            clickControl(&quiz.Label3(1));
        }
        QCOMPARE(quiz.Label2->Caption(), QString("You now have 3 of 3 right."));
        clickControl(&quiz.Label3(2)); // "Exit": back to the results, the score as it was
        settle();
        ResultsScreen& results = *Module1.Welldone;
        QCOMPARE(results.Label1->Caption(), QString("You have scored 7 out of 10."));
        clickControl(&results.Label3(0)); // the list comes back as it was
        QVERIFY(wrong.isVisible() && wrong.Label2(2).Caption().startsWith(" 9. "));

        // The mistakes sheet lists the quiz's mistakes, not the practice's.
        results.Text1->setText("Amy");
        clickControl(&wrong.Label3(3)); // "Print Mistakes"
        QCOMPARE(env.messages->texts(), QStringList{"Your mistakes sheet is now printing."});
        QCOMPARE(env.printer->pages.size(), size_t(1));
        const RecordedPage& page = env.printer->pages[0];
        QStringList expected{"Tellwyn", "Moon quiz", "Amy", "Questions to look at again"};
        for (const auto& [q, yours] : {std::pair{2, "B. Answer 2B"}, {5, "C. Answer 5C"}, {9, "none"}})
            expected << QString("Question %1    Question text %1?").arg(q) << QString("Your answer: ") + yours
                     << QString("Right answer: A. Answer %1A").arg(q);
        QCOMPARE(printedTexts(page).mid(1), expected);
        clickControl(&wrong.Label3(1)); // the list's Exit closes the results too
        settle();
        QVERIFY(!Module1.Wrong.isLoaded() && !Module1.Welldone.isLoaded());
    }

    // Asked for mid-quiz; the quiz carries on where it was.
    void answerKeyIsAskedForAndMarksTheRightAnswers() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env, "Moon quiz", 1);
        clickControl(&quiz.Label3(1));
        clickControl(&quiz.Option1(3));
        const auto marks = Module1.QuestionMarks;
        clickControl(&quiz.Label3(3)); // "Print Worksheet" asks first: "With Answer Key"
        clickControl(&quiz.Label3(5));
        QCOMPARE(env.messages->texts(), QStringList{"Your worksheet is now printing."});
        QCOMPARE(env.printer->pages.size(), size_t(2));
        QVERIFY(quiz.Option1(3).Value() && Module1.QuestionNumber == 2 && Module1.QuestionMarks == marks);
        const RecordedPage& key = env.printer->pages[1];
        QStringList keyTexts = printedTexts(key);
        QCOMPARE(keyTexts.takeAt(3), QString("Answer Key"));
        QCOMPARE(keyTexts, printedTexts(env.printer->pages[0])); // the same page otherwise
        // Each right answer (A) in red and underlined, under the A column; the others black.
        int underlines = 0;
        for (const PrintOp& op : key.ops) {
            if (op.kind == PrintOp::Text && op.text.contains(". Answer "))
                QCOMPARE(op.colour, op.text.startsWith("A. ") ? Red : Black);
            if (op.kind == PrintOp::Line) underlines += op.x1 == 11520 / 3.0f;
        }
        QCOMPARE(underlines, 10);
    }
};

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
