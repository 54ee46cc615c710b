// The quiz as a pupil meets it: opened from a hub, answered with the mouse, marked when moving on,
// and handed to the results screen and the wrong-answers list.
#include "app/module1.h"
#include "platform/files.h"
#include "quiz/questionset.h"
#include "quiz/quizmarking.h"
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
    for (const auto& [k, label] : Module1.Wrong->Label2.items())
        if (label->Visible()) lines << label->Caption();
    for (int k = 0; k < 10; ++k)
        if (Module1.Wrong->Label2(k).Visible() != (k < lines.size()))
            return {"gap at label " + QString::number(k)};
    return lines;
}

} // namespace

class QuizTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hubOpensTheQuizOnQuestionOne() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env, "Men on the Moon, 1969");
        QVERIFY(quiz.isVisible() && Module1.moon->isVisible()); // the hub stays beneath
        QCOMPARE(quiz.Label6->Caption(), QString("Men on the Moon, 1969"));
        QCOMPARE(quiz.Label4->Caption(), QString("Question 1"));
        QCOMPARE(quiz.Label2->Caption(), QString("Question text 1?"));
        QCOMPARE(quiz.Option1(4).Caption(), QString("Answer 1D"));
        QVERIFY(!quiz.Label3(0).Visible());
        QCOMPARE(quiz.focusWidget(), &quiz.Option1(5));
        QVERIFY(quiz.Option1(5).Value());
        // The last question offers "Check Score >>"; going back turns it into "Next Question >>" again.
        for (int q = 1; q <= 9; ++q)
            answerAndGoOn(quiz, rightButton(q));
        QCOMPARE(quiz.Label3(1).Caption(), QString("Check Score >>"));
        clickControl(&quiz.Label3(0));
        QCOMPARE(quiz.Label4->Caption(), QString("Question 9"));
        QCOMPARE(quiz.Label3(1).Caption(), QString("Next Question >>"));
    }

    void noAnswerButtonLiesUnderThePicture() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env);
        const QPoint button = quiz.Option1(5).geometry().center();
        QCOMPARE(quiz.childAt(button), static_cast<QWidget*>(quiz.Picture1));
        // A click there lands on the picture and changes nothing.
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        clickControl(&quiz.Option1(2));
        QTest::mouseClick(quiz.windowHandle(), Qt::LeftButton, {}, button);
        QVERIFY(quiz.Option1(2).Value());
    }

    void marking_data() {
        QTest::addColumn<QList<int>>("wrong"); // questions answered with a wrong button
        QTest::addColumn<QList<int>>("blank"); // questions left unanswered
        QTest::addColumn<int>("score");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("all right") << QList<int>{} << QList<int>{} << 10 << QStringList{};
        QTest::newRow("4 wrong, 1 and 10 unanswered")
            << QList<int>{4} << QList<int>{1, 10} << 7
            << QStringList{" 1. Question text 1?", " 4. Question text 4?", " 10. Question text 10?"};
        QStringList all;
        for (int q = 1; q <= 10; ++q)
            all << QStringLiteral(" %1. Question text %1?").arg(q);
        QTest::newRow("all wrong") << QList<int>{1, 2, 3, 4, 5} << QList<int>{6, 7, 8, 9, 10} << 0 << all;
    }
    void marking() {
        QFETCH(QList<int>, wrong);
        QFETCH(QList<int>, blank);
        QFETCH(int, score);
        QFETCH(QStringList, lines);
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env, "Apollo");
        quiz.Label5->setCaption("Class 4 quiz"); // the heading travels to the certificate
        for (int q = 1; q <= 10; ++q)
            answerAndGoOn(quiz, blank.contains(q) ? 0 : wrong.contains(q) ? wrongButton(q) : rightButton(q));
        QCOMPARE(Module1.Score, score);
        QCOMPARE(shownWrongLines(), lines);
        // Handed over: the quiz gone, the results shown as the quiz sets them up, the list filled
        // but not shown.
        settle();
        QVERIFY(!Module1.multiple.isLoaded());
        QCOMPARE(Module1.QuizHeading, QString("Class 4 quiz"));
        ResultsScreen& results = *Module1.Welldone;
        QVERIFY(results.isVisible() && results.Label5->Visible() && !results.Label6->Visible());
        QVERIFY(results.Label1->Caption().endsWith(QString("scored %1 out of 10.").arg(score)));
        QCOMPARE(results.Label3(0).Caption(),
                 QString(score == 10 ? "Print Certificate" : "Check Wrong Answers"));
        QVERIFY(!Module1.Wrong->isVisible());
        QCOMPARE(Module1.Wrong->Label6->Caption(), QString("Apollo"));
    }

    void goingBackLeavesNothingTickedAndMarksAgain() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env);
        for (int q = 1; q <= 4; ++q)
            answerAndGoOn(quiz, rightButton(q));
        clickControl(&quiz.Label3(0)); // back to 4
        QCOMPARE(quiz.Label4->Caption(), QString("Question 4"));
        for (int i = 1; i <= 4; ++i)
            QVERIFY(!quiz.Option1(i).Value());
        answerAndGoOn(quiz, 0); // on without ticking: 4 is now wrong
        QCOMPARE(Module1.QuestionMarks[4], 0);
        clickControl(&quiz.Label3(0));
        clickControl(&quiz.Label3(0)); // back to 3: leaving 5 and 4 marks nothing
        QCOMPARE(quiz.Label4->Caption(), QString("Question 3"));
        QCOMPARE(Module1.QuestionMarks[4], 0);
        answerAndGoOn(quiz, wrongButton(3));
        answerAndGoOn(quiz, rightButton(4)); // and right again
        for (int q = 5; q <= 10; ++q)
            answerAndGoOn(quiz, rightButton(q));
        QCOMPARE(Module1.Score, 9);
        QCOMPARE(shownWrongLines(), QStringList{" 3. Question text 3?"});
    }

    void markingGuardsAgainstABadDigit() {
        // The no-answer button (5) is never right, nor is a digit that names no button.
        const std::tuple<const char*, int, int> marks[] = {{"3", 3, 1}, {"3", 4, 0}, {" 2 ", 2, 1},
                                                           {"5", 5, 0}, {"0", 0, 0}, {"C", 3, 0}};
        for (const auto& [digit, button, mark] : marks)
            QCOMPARE(markAnswer(digit, button), mark);
    }

    void answerSoundsOnlyWithSoundOn_data() {
        QTest::addColumn<int>("soundOn");
        QTest::addColumn<QStringList>("played");
        // Moving on clears the tick from code, which sounds like a tick too, before the click; moving on
        // with nothing ticked gives the click alone.
        QTest::newRow("on") << 1
                            << QStringList{"wav/typekey.wav", "wav/typekey.wav", "wav/click.wav",
                                           "wav/click.wav"};
        QTest::newRow("off") << 0 << QStringList{};
    }
    void answerSoundsOnlyWithSoundOn() {
        QFETCH(int, soundOn);
        QFETCH(QStringList, played);
        TestEnv env;
        Module1.SoundOn = soundOn;
        QuizScreen& quiz = openMoonQuiz(env);
        env.sound->played.clear();
        answerAndGoOn(quiz, 2);
        answerAndGoOn(quiz, 0);
        QCOMPARE(env.sound->played, played);
    }

    void hubOrExitStartsTheNextRunAfresh() {
        TestEnv env;
        Module1.SoundOn = 1;
        answerAndGoOn(openMoonQuiz(env, "First"), rightButton(1));
        // The hub beneath is reached again while the quiz is still open (another window brought forward).
        QuizScreen& fresh = openMoonQuiz(env, "Second");
        settle();
        QCOMPARE(fresh.Label6->Caption(), QString("Second"));
        QCOMPARE(fresh.Label4->Caption(), QString("Question 1"));
        QCOMPARE(Module1.QuestionMarks[1], 0);
        // "Exit" discards the run with only its click.
        answerAndGoOn(fresh, rightButton(1));
        env.sound->played.clear();
        clickControl(&fresh.Label3(2));
        settle();
        QVERIFY(!Module1.multiple.isLoaded());
        QVERIFY(!Module1.Welldone.isLoaded());
        QCOMPARE(Module1.Score, 0);
        QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
        QCOMPARE(openMoonQuiz(env).Label4->Caption(), QString("Question 1"));
        QCOMPARE(Module1.QuestionMarks[1], 0);
    }

    void brokenSetKeepsTheHub_data() {
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        // Which files the reader refuses is pinned in tst_questionset; here the two ways in, a file that
        // does not open and one that reads badly.
        QStringList lines = questionSetLines(sampleQuestionSet("Broken"));
        lines[7] = "B";
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("letter for the digit") << textFileBytes(lines);
    }
    void brokenSetKeepsTheHub() {
        QFETCH(QByteArray, file);
        TestEnv env;
        Module1.SoundOn = 1;
        // A set read earlier (from the catalogue, say) stays in the tables.
        env.writeFile("multiple/Earlier.txt",
                      textFileBytes(questionSetLines(sampleQuestionSet("Earlier set"))));
        QVERIFY(LoadQuestionSet("multiple\\Earlier.txt"));
        if (!file.isEmpty()) env.writeFile("multiple/The Moon Landings.txt", file);
        Module1.moon->Show();
        clickControl(&Module1.moon->Label3(0));
        QCOMPARE(env.messages->texts(), QStringList{"The questions for this topic could not be read."});
        QVERIFY(!Module1.multiple.isLoaded());
        QVERIFY(Module1.moon->isVisible());
        QCOMPARE(Module1.SetTitle, QString("Earlier set"));
        QCOMPARE(Module1.QuestionText[10], QString("Question text 10?"));
        QCOMPARE(Module1.CorrectAnswer[4], QString("4"));
        QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
    }

    void hoverLightsOnlyTheButtonUnderThePointer() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env);
        answerAndGoOn(quiz, 0);
        QVERIFY(QTest::qWaitForWindowExposed(&quiz));
        QTest::mouseMove(quiz.windowHandle(), QPoint(780, 300)); // bare screen right of the question
        for (int i = 0; i <= 3; ++i)
            QVERIFY(!quiz.Label3(i).Opaque());
        QTest::mouseMove(quiz.windowHandle(), quiz.Label3(3).geometry().center());
        QVERIFY(quiz.Label3(3).Opaque());
        QVERIFY(!quiz.Label3(0).Opaque());
        QTest::mouseMove(quiz.windowHandle(), quiz.Label2->geometry().center()); // the question: nothing
        QVERIFY(quiz.Label3(3).Opaque());
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
