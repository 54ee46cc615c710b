// The quiz as a pupil or teacher meets it, driven by mouse clicks: marked, handed to the results
// and the wrong-answers list, practised, printed as a mistakes sheet and an answer key. (A typed "&"
// is the store suite's; hand-edited sets are the reader's fuzz target's.)
#include "app/module1.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// Answers the question on screen (0 leaves it unanswered) and presses the right-hand button.
void answerAndGoOn(QuizScreen& quiz, int button) {
    if (button) clickControl(&quiz.Option1(button));
    clickControl(&quiz.Label3(QuizScreen::NextQuestion));
}

// The list's rows top to bottom, "-" for a hidden one: it must fill from the top with no gap.
QStringList wrongLines() {
    QStringList lines;
    for (int k = 0; k < 10; ++k)
        lines << (Module1.Wrong->Label2(k).Visible() ? Module1.Wrong->Label2(k).Caption() : "-");
    return lines;
}

QStringList printedTexts(const RecordedPage& page) {
    QStringList texts;
    for (const PrintOp& op : page.ops)
        if (op.kind == PrintOp::Text && op.text != " ") texts << op.text;
    return texts;
}

} // namespace

class QuizTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Marked on moving on, handed to the results and the list, practised until all right: the
    // results keep the quiz's score and the mistakes sheet its mistakes.
    void markingTheHandOverAndPractice() {
        TestEnv env;
        QuizScreen& run = openMoonQuiz(env, "Apollo");
        run.Label5->setCaption("Class 4 quiz"); // the heading travels to the printouts
        // 4 and 6 wrong, 1 and 10 unanswered; 4 is gone back to twice, to be marked right, then left
        // unticked, which is wrong again.
        for (int q = 1; q <= 10; ++q) {
            const int right = (q - 1) % 4 + 1; // the sample set's run A, B, C, D, A, ...
            answerAndGoOn(run, q == 1 || q == 10 ? 0 : q == 4 || q == 6 ? right % 4 + 1 : right);
            if (q == 4)
                for (int button : {right, 0}) {
                    clickControl(&run.Label3(QuizScreen::PreviousQuestion));
                    QVERIFY(run.Option1(QuizScreen::NoAnswer).Value()); // nothing ticked
                    answerAndGoOn(run, button);
                    QCOMPARE(Module1.QuestionMarks[4], button ? 1 : 0);
                }
        }
        // The questions missed, with the pupil's last answer and the right one.
        const std::tuple<int, QString, QString> missed[] = {{1, "none", "A. Answer 1A"},
                                                            {4, "none", "D. Answer 4D"},
                                                            {6, "C. Answer 6C", "B. Answer 6B"},
                                                            {10, "none", "B. Answer 10B"}};
        const QStringList lines = QStringList{" 1. Question text 1?", " 4. Question text 4?",
                                              " 6. Question text 6?", " 10. Question text 10?"} +
                                  QStringList(6, "-");
        QCOMPARE(wrongLines(), lines);
        ResultsScreen& results = *Module1.Welldone;
        // Its timed steps (the picture, the focus, the sound) over before the pupil clicks on.
        QTRY_VERIFY(!results.Timer1->Enabled() && !results.Timer2->Enabled() && !results.Timer3->Enabled());
        QVERIFY(!Module1.multiple.isLoaded() && !Module1.Wrong->isVisible());
        const QString score = "You have scored 6 out of 10.";
        QCOMPARE(results.Label1->Caption(), score);
        // (That it offers the wrong answers, not a certificate, is the practice check's.)
        clickControl(&results.Label3(ResultsScreen::WrongAnswersOrCertificate));
        WrongAnswersScreen& wrong = *Module1.Wrong;
        QCOMPARE(wrong.Label6->Caption(), QString("Apollo"));

        clickControl(&wrong.Label3(WrongAnswersScreen::PractiseAgain));
        QuizScreen& quiz = *Module1.multiple;
        QVERIFY(!quiz.Label3(QuizScreen::PrintWorksheet).isVisible() &&  // no printing,
                !quiz.Label3(QuizScreen::PreviousQuestion).isVisible()); // no going back
        // The walk through a round with one still wrong is the practice check's, on the real program.
        for (const auto& [q, yours, right] : missed) {
            QCOMPARE(quiz.Label4->Caption(), QString("Question %1").arg(q));
            // The answers stand in a new order, the right one still among them.
            const int button = quiz.practice->rightButton();
            QCOMPARE(quiz.Option1(button).Caption(), right.mid(3));
            clickControl(&quiz.Option1(button));
            clickControl(&quiz.Label3(QuizScreen::NextQuestion));
        }
        QCOMPARE(quiz.Label2->Caption(), QString("You now have 4 of 4 right."));
        clickControl(&quiz.Label3(QuizScreen::ExitButton)); // back to the results, the score as it was
        settle();
        QCOMPARE(results.Label1->Caption(), score);
        clickControl(&results.Label3(ResultsScreen::WrongAnswersOrCertificate)); // the list as it was
        QVERIFY(wrong.isVisible() && wrongLines() == lines);

        // The mistakes sheet lists the quiz's mistakes, not the practice's.
        results.Text1->setText("Amy");
        clickControl(&wrong.Label3(WrongAnswersScreen::PrintMistakes));
        QCOMPARE(env.messages->texts(), QStringList{"Your mistakes sheet is now printing."});
        QCOMPARE(env.printer->pages.size(), size_t(1));
        QStringList expected{"Class 4 quiz", "Apollo", "Amy", "Questions to look at again"};
        for (const auto& [q, yours, right] : missed)
            expected << QString("Question %1    Question text %1?").arg(q) << "Your answer: " + yours
                     << "Right answer: " + right;
        QCOMPARE(printedTexts(env.printer->pages[0]).mid(1), expected);
        clickControl(&wrong.Label3(WrongAnswersScreen::ExitButton)); // it closes the results too
        settle();
        QVERIFY(!Module1.Wrong.isLoaded() && !Module1.Welldone.isLoaded());
    }

    // Every way a set can be broken, and that a refused one leaves the tables as they were, is the
    // question-set fuzz target's; here, what the pupil sees when the set cannot be read.
    void missingSetKeepsTheHub() {
        TestEnv env;
        Module1.moon->Show();
        clickControl(&Module1.moon->Label3(TopicHub::MultipleChoice));
        QCOMPARE(env.messages->texts(), QStringList{"The questions for this topic could not be read."});
        QVERIFY(!Module1.multiple.isLoaded() && Module1.moon->isVisible());
    }

    // Asked for mid-quiz; the quiz carries on where it was.
    void answerKeyIsAskedForAndMarksTheRightAnswers() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env, "Moon quiz", 1);
        answerAndGoOn(quiz, 0);
        clickControl(&quiz.Option1(3));
        const auto marks = Module1.QuestionMarks;
        clickControl(&quiz.Label3(QuizScreen::PrintWorksheet)); // asks first
        clickControl(&quiz.Label3(QuizScreen::WithAnswerKey));
        QCOMPARE(env.messages->texts(), QStringList{"Your worksheet is now printing."});
        QCOMPARE(env.printer->pages.size(), size_t(2));
        QVERIFY(quiz.Option1(3).Value() && Module1.QuestionNumber == 2 && Module1.QuestionMarks == marks);
        const RecordedPage& key = env.printer->pages[1];
        QStringList keyTexts = printedTexts(key);
        QCOMPARE(keyTexts.takeAt(3), QString("Answer Key"));
        QCOMPARE(keyTexts, printedTexts(env.printer->pages[0])); // the same page otherwise
        QStringList red;                                         // the set's right answers, all A
        for (const PrintOp& op : key.ops)
            if (op.kind == PrintOp::Text && op.colour == Colours::Red) red << op.text.left(3);
        QCOMPARE(red, QStringList(10, "A. "));
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
