// The quiz as a pupil meets it, driven by mouse clicks: its question set read whole or not at all,
// opened from a hub, marked when moving on, handed to the results and the wrong-answers list, then
// learnt from: a practice round of the missed questions, the mistakes sheet and the teacher's
// answer key. (The store suite reads a typed "&" back as a comma; the reader's fuzz target reads
// hand-edited sets; the results screen's timed steps are the keyboard check's, on the real program.)
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
    clickControl(&quiz.Label3(QuizScreen::NextQuestion));
}

// The list's rows top to bottom, "-" for a hidden one: it must fill from the top with no gap.
QStringList wrongLines() {
    QStringList lines;
    for (int k = 0; k < 10; ++k)
        lines << (Module1.Wrong->Label2(k).Visible() ? Module1.Wrong->Label2(k).Caption() : "-");
    return lines;
}

// The results screen's texts, top to bottom, as a pupil reads them.
QStringList visibleTexts(ResultsScreen& r) {
    QStringList texts;
    for (Label* l :
         {&r.Label3(ResultsScreen::WrongAnswersOrCertificate), r.Label1, r.Label5, r.Label6, r.Label2})
        if (l->Visible()) texts << l->Caption();
    return texts;
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
                    clickControl(&quiz.Label3(QuizScreen::PreviousQuestion));
                    QVERIFY(quiz.Option1(QuizScreen::NoAnswer).Value()); // nothing ticked
                    answerAndGoOn(quiz, button);
                    QCOMPARE(Module1.QuestionMarks[4], button ? 1 : 0);
                }
        }
        QCOMPARE(wrongLines(), QStringList({" 1. Question text 1?", " 4. Question text 4?",
                                            " 6. Question text 6?", " 10. Question text 10?"}) +
                                   QStringList(6, "-"));
        // Handed over: the quiz gone, the results shown, the list filled but not shown.
        settle();
        QCOMPARE(Module1.QuizHeading, QString("Class 4 quiz"));
        QCOMPARE(visibleTexts(*Module1.Welldone),
                 (QStringList{"Check Wrong Answers", "You have scored 6 out of 10.",
                              "Click the button above to check which questions you answered incorrectly."}));
        QCOMPARE(Module1.Wrong->Label6->Caption(), QString("Apollo"));
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

    void practiseUntilAllRightKeepsTheScoreAndTheMistakesSheet() {
        TestEnv env;
        // The right answers all A ("Answer nA"); questions 2, 5 and 9 answered B, C and nothing:
        // 7 out of 10, on the list.
        QuizScreen& run = openMoonQuiz(env, "Moon quiz", 1);
        for (int q = 1; q <= 10; ++q)
            answerAndGoOn(run, q == 2 ? 2 : q == 5 ? 3 : q == 9 ? 0 : 1);
        ResultsScreen& results = *Module1.Welldone;
        // Its timed steps (the picture, the focus, the sound) over before the pupil clicks on.
        QTRY_VERIFY(!results.Timer1->Enabled() && !results.Timer2->Enabled() && !results.Timer3->Enabled());
        clickControl(&results.Label3(ResultsScreen::WrongAnswersOrCertificate));
        WrongAnswersScreen& wrong = *Module1.Wrong;
        clickControl(&wrong.Label3(WrongAnswersScreen::PractiseAgain));
        QuizScreen& quiz = *Module1.multiple;
        // No printing, no going back.
        QVERIFY(!quiz.Label3(QuizScreen::PrintWorksheet).isVisible() &&
                !quiz.Label3(QuizScreen::PreviousQuestion).isVisible());
        // The walk through a round with one still wrong is the practice check's, on the real program.
        for (int number : {2, 5, 9}) {
            QCOMPARE(quiz.Label4->Caption(), QString("Question %1").arg(number));
            // The answers stand in a new order: the pupil reads which button shows the right one.
            for (int i = 1; i <= 4; ++i)
                if (quiz.Option1(i).Caption() == QString("Answer %1A").arg(number))
                    clickControl(&quiz.Option1(i));
            clickControl(&quiz.Label3(QuizScreen::NextQuestion));
        }
        QCOMPARE(quiz.Label2->Caption(), QString("You now have 3 of 3 right."));
        clickControl(&quiz.Label3(QuizScreen::ExitButton)); // back to the results, the score as it was
        settle();
        QCOMPARE(results.Label1->Caption(), QString("You have scored 7 out of 10."));
        clickControl(&results.Label3(ResultsScreen::WrongAnswersOrCertificate)); // the list as it was
        QVERIFY(wrong.isVisible() && wrong.Label2(2).Caption().startsWith(" 9. "));

        // The mistakes sheet lists the quiz's mistakes, not the practice's.
        results.Text1->setText("Amy");
        clickControl(&wrong.Label3(WrongAnswersScreen::PrintMistakes));
        QCOMPARE(env.messages->texts(), QStringList{"Your mistakes sheet is now printing."});
        QCOMPARE(env.printer->pages.size(), size_t(1));
        QStringList expected{"Tellwyn", "Moon quiz", "Amy", "Questions to look at again"};
        for (const auto& [q, yours] : {std::pair{2, "B. Answer 2B"}, {5, "C. Answer 5C"}, {9, "none"}})
            expected << QString("Question %1    Question text %1?").arg(q) << QString("Your answer: ") + yours
                     << QString("Right answer: A. Answer %1A").arg(q);
        QCOMPARE(printedTexts(env.printer->pages[0]).mid(1), expected);
        clickControl(&wrong.Label3(WrongAnswersScreen::ExitButton)); // it closes the results too
        settle();
        QVERIFY(!Module1.Wrong.isLoaded() && !Module1.Welldone.isLoaded());
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
        // Each right answer (A) in red and underlined, under the A column; the others black.
        int underlines = 0;
        for (const PrintOp& op : key.ops) {
            if (op.kind == PrintOp::Text && op.text.contains(". Answer "))
                QCOMPARE(op.colour, op.text.startsWith("A. ") ? QColor(255, 0, 0) : QColor(0, 0, 0));
            if (op.kind == PrintOp::Line) underlines += op.x1 == 11520 / 3.0f;
        }
        QCOMPARE(underlines, 10);
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
