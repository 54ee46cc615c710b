// The quiz as a pupil meets it: opened from a hub, answered with the mouse, marked when moving on,
// and handed to the results screen and the wrong-answers list.
#include "app/module1.h"
#include "platform/files.h"
#include "quiz/questionset.h"
#include "quiz/quizmarking.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// A set whose right answers run A, B, C, D, A, B, ...: question q's right button is (q-1)%4 + 1.
QuestionSet numberedSet(const QString& title) {
    QuestionSet s;
    s.title = title;
    for (int q = 0; q < 10; ++q) {
        s.questions[q].text = QStringLiteral("Question text %1?").arg(q + 1);
        for (int k = 0; k < 4; ++k)
            s.questions[q].answers[k] = QStringLiteral("Answer %1%2").arg(q + 1).arg(QChar('A' + k));
        s.questions[q].correct = QString::number(q % 4 + 1);
    }
    return s;
}
int rightButton(int q) {
    return (q - 1) % 4 + 1;
}
int wrongButton(int q) {
    return rightButton(q) % 4 + 1;
}

QByteArray fileOf(QStringList lines) {
    return encodeWindows1252(lines.join("\r\n") + "\r\n").value();
}

void writeMoonSet(TestEnv& env, const QString& title = "Moon quiz") {
    env.writeFile("multiple/The Moon Landings.txt", fileOf(questionSetLines(numberedSet(title))));
}

// Menu-less road into the quiz: the hub is on screen, "Multiple Choice" clicked.
QuizScreen& openMoonQuiz() {
    Module1.moon->Show();
    clickControl(&Module1.moon->Label3(0));
    return *Module1.multiple;
}

// Answers the question on screen (0 leaves it unanswered) and presses the right-hand button.
void answerAndGoOn(QuizScreen& quiz, int button) {
    if (button) clickControl(&quiz.Option1(button));
    clickControl(&quiz.Label3(1));
}

QStringList shownWrongLines() {
    QStringList lines;
    for (const auto& [k, label] : Module1.Wrong->Label2.items())
        if (label->Visible()) lines << label->Caption();
    return lines;
}

} // namespace

class QuizTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void hubOpensTheQuizOnQuestionOne();
    void noAnswerButtonLiesUnderThePicture();
    void lastQuestionOffersCheckScore();
    void marking_data();
    void marking();
    void goingBackLeavesNothingTickedAndMarksAgain();
    void markingGuardsAgainstABadDigit_data();
    void markingGuardsAgainstABadDigit();
    void answerSoundsOnlyWithSoundOn();
    void checkScoreHandsOver();
    void wrongAnswersListAsLaidOut();
    void exitDiscardsTheRun();
    void reopeningFromTheHubStartsAfresh();
    void printWorksheetStaysOnTheQuestion();
    void brokenSetKeepsTheHub_data();
    void brokenSetKeepsTheHub();
    void hoverLightsOnlyTheButtonUnderThePointer();
};

void QuizTest::hubOpensTheQuizOnQuestionOne() {
    TestEnv env;
    writeMoonSet(env, "Men on the Moon, 1969");
    QuizScreen& quiz = openMoonQuiz();
    QVERIFY(quiz.isVisible());
    QVERIFY(Module1.moon->isVisible()); // the hub stays beneath
    QCOMPARE(quiz.Label5->Caption(), QString("Tellwyn"));
    QCOMPARE(quiz.Label6->Caption(), QString("Men on the Moon, 1969"));
    QCOMPARE(quiz.Label4->Caption(), QString("Question 1"));
    QCOMPARE(quiz.Label2->Caption(), QString("Question text 1?"));
    QCOMPARE(quiz.Option1(4).Caption(), QString("Answer 1D"));
    QVERIFY(!quiz.Label3(0).Visible());
    QCOMPARE(quiz.Label3(1).Caption(), QString("Next Question >>"));
    QVERIFY(quiz.Option1(5).Value());
    QCOMPARE(quiz.focusWidget(), &quiz.Option1(5));
    QCOMPARE(Module1.ScoreOutOf, 10);
    QCOMPARE(Module1.QuestionNumber, 1);
}

void QuizTest::noAnswerButtonLiesUnderThePicture() {
    TestEnv env;
    writeMoonSet(env);
    QuizScreen& quiz = openMoonQuiz();
    const QRect button = quiz.Option1(5).geometry();
    QVERIFY(quiz.Picture1->geometry().contains(button));
    QCOMPARE(quiz.Option1(5).Left(), quiz.Picture1->Left() + 240);
    QCOMPARE(quiz.childAt(button.center()), static_cast<QWidget*>(quiz.Picture1));
    // A click there lands on the picture and changes nothing.
    QVERIFY(QTest::qWaitForWindowExposed(&quiz));
    clickControl(&quiz.Option1(2));
    QTest::mouseClick(quiz.windowHandle(), Qt::LeftButton, {}, button.center());
    QVERIFY(quiz.Option1(2).Value());
    QVERIFY(!quiz.Option1(5).Value());
}

void QuizTest::lastQuestionOffersCheckScore() {
    TestEnv env;
    writeMoonSet(env);
    QuizScreen& quiz = openMoonQuiz();
    for (int q = 1; q <= 9; ++q)
        answerAndGoOn(quiz, rightButton(q));
    QCOMPARE(quiz.Label4->Caption(), QString("Question 10"));
    QCOMPARE(quiz.Label3(1).Caption(), QString("Check Score >>"));
    QVERIFY(quiz.Label3(0).Visible());
    clickControl(&quiz.Label3(0));
    QCOMPARE(quiz.Label4->Caption(), QString("Question 9"));
    QCOMPARE(quiz.Label3(1).Caption(), QString("Next Question >>"));
}

void QuizTest::marking_data() {
    QTest::addColumn<QList<int>>("wrong"); // questions answered with a wrong button
    QTest::addColumn<QList<int>>("blank"); // questions left unanswered
    QTest::addColumn<int>("score");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("all right") << QList<int>{} << QList<int>{} << 10 << QStringList{};
    QTest::newRow("2 and 7 wrong") << QList<int>{2, 7} << QList<int>{} << 8
                                   << QStringList{" 2. Question text 2?", " 7. Question text 7?"};
    QTest::newRow("unanswered counts wrong") << QList<int>{} << QList<int>{1, 10} << 8
                                             << QStringList{" 1. Question text 1?", " 10. Question text 10?"};
    QStringList all;
    for (int q = 1; q <= 10; ++q)
        all << QStringLiteral(" %1. Question text %1?").arg(q);
    QTest::newRow("all wrong") << QList<int>{1, 2, 3, 4, 5} << QList<int>{6, 7, 8, 9, 10} << 0 << all;
}

void QuizTest::marking() {
    QFETCH(QList<int>, wrong);
    QFETCH(QList<int>, blank);
    QFETCH(int, score);
    QFETCH(QStringList, lines);
    TestEnv env;
    writeMoonSet(env);
    QuizScreen& quiz = openMoonQuiz();
    for (int q = 1; q <= 10; ++q)
        answerAndGoOn(quiz, blank.contains(q) ? 0 : wrong.contains(q) ? wrongButton(q) : rightButton(q));
    QCOMPARE(Module1.Score, score);
    QCOMPARE(Module1.QuestionNumber, 11);
    QCOMPARE(shownWrongLines(), lines);
}

void QuizTest::goingBackLeavesNothingTickedAndMarksAgain() {
    TestEnv env;
    writeMoonSet(env);
    QuizScreen& quiz = openMoonQuiz();
    for (int q = 1; q <= 4; ++q)
        answerAndGoOn(quiz, rightButton(q));
    QCOMPARE(Module1.QuestionMarks[4], 1);
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
    QCOMPARE(Module1.QuestionMarks[3], 0);
    QCOMPARE(Module1.QuestionMarks[4], 1);
    for (int q = 5; q <= 10; ++q)
        answerAndGoOn(quiz, rightButton(q));
    QCOMPARE(Module1.Score, 9);
    QCOMPARE(shownWrongLines(), QStringList{" 3. Question text 3?"});
}

void QuizTest::markingGuardsAgainstABadDigit_data() {
    QTest::addColumn<QString>("digit");
    QTest::addColumn<int>("ticked");
    QTest::addColumn<int>("mark");
    QTest::newRow("3 picks C") << "3" << 3 << 1;
    QTest::newRow("3, D ticked") << "3" << 4 << 0;
    QTest::newRow("blank around the digit") << " 2 " << 2 << 1;
    QTest::newRow("5 is the no-answer button, never right") << "5" << 5 << 0;
    QTest::newRow("0 with nothing ticked") << "0" << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0;
    QTest::newRow("letter") << "C" << 3 << 0;
}

void QuizTest::markingGuardsAgainstABadDigit() {
    QFETCH(QString, digit);
    QFETCH(int, ticked);
    QFETCH(int, mark);
    QCOMPARE(markAnswer(digit, ticked), mark);
}

void QuizTest::answerSoundsOnlyWithSoundOn() {
    TestEnv env;
    writeMoonSet(env);
    Module1.SoundOn = 1;
    QuizScreen& quiz = openMoonQuiz();
    env.sound->played.clear();
    clickControl(&quiz.Option1(2));
    QCOMPARE(env.sound->played, QStringList{"wav/typekey.wav"});
    // Moving on clears the tick from code, which sounds like a tick too, before the click.
    clickControl(&quiz.Label3(1));
    QCOMPARE(env.sound->played, (QStringList{"wav/typekey.wav", "wav/typekey.wav", "wav/click.wav"}));
    env.sound->played.clear();
    clickControl(&quiz.Label3(1)); // nothing ticked: no tick sound
    QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});

    Module1.SoundOn = 0;
    env.sound->played.clear();
    clickControl(&quiz.Option1(1));
    clickControl(&quiz.Label3(1));
    clickControl(&quiz.Label3(0));
    QVERIFY(env.sound->played.isEmpty());
}

void QuizTest::checkScoreHandsOver() {
    TestEnv env;
    writeMoonSet(env, "Apollo");
    QuizScreen& quiz = openMoonQuiz();
    quiz.Label5->setCaption("Class 4 quiz"); // the heading travels to the certificate
    for (int q = 1; q <= 10; ++q)
        answerAndGoOn(quiz, q == 5 ? wrongButton(q) : rightButton(q));
    settle();
    QVERIFY(!Module1.multiple.isLoaded());
    QCOMPARE(Module1.QuizHeading, QString("Class 4 quiz"));
    ResultsScreen& results = *Module1.Welldone;
    QVERIFY(results.isVisible());
    QCOMPARE(results.Label1->Caption(), QString("Good work. You have scored 9 out of 10."));
    QVERIFY(!results.Label6->Visible());
    QVERIFY(results.Label5->Visible());
    QVERIFY(results.Label3(0).Visible());
    QCOMPARE(results.Label3(0).Caption(), QString("Check Wrong Answers"));
    QVERIFY(!Module1.Wrong->isVisible()); // filled, not shown
    QCOMPARE(Module1.Wrong->Label6->Caption(), QString("Apollo"));

    clickControl(&results.Label3(0));
    QVERIFY(Module1.Wrong->isVisible());
    clickControl(&Module1.Wrong->Label3(1));
    settle();
    QVERIFY(!Module1.Welldone.isLoaded());
    QVERIFY(!Module1.Wrong.isLoaded());
    QVERIFY(Module1.moon->isVisible());
}

void QuizTest::wrongAnswersListAsLaidOut() {
    TestEnv env;
    writeMoonSet(env);
    QuizScreen& quiz = openMoonQuiz();
    for (int q = 1; q <= 10; ++q)
        answerAndGoOn(quiz, q == 4 || q == 9 ? wrongButton(q) : rightButton(q));
    WrongAnswersScreen& list = *Module1.Wrong;
    QCOMPARE(list.Label2(0).Caption(), QString(" 4. Question text 4?"));
    QCOMPARE(list.Label2(0).Top(), 1680.0f);
    QCOMPARE(list.Label2(1).Caption(), QString(" 9. Question text 9?"));
    QCOMPARE(list.Label2(1).Top(), 2280.0f);
    for (int k = 2; k <= 9; ++k)
        QVERIFY(!list.Label2(k).Visible());
    QCOMPARE(list.Label2(9).Top(), 7080.0f);
}

void QuizTest::exitDiscardsTheRun() {
    TestEnv env;
    writeMoonSet(env);
    Module1.SoundOn = 1;
    QuizScreen& quiz = openMoonQuiz();
    answerAndGoOn(quiz, rightButton(1));
    env.sound->played.clear();
    clickControl(&quiz.Label3(2));
    settle();
    QVERIFY(!Module1.multiple.isLoaded());
    QVERIFY(!Module1.Welldone.isLoaded());
    QCOMPARE(Module1.Score, 0);
    QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
    // The next run starts afresh on question 1.
    QuizScreen& again = openMoonQuiz();
    QCOMPARE(again.Label4->Caption(), QString("Question 1"));
    QCOMPARE(Module1.QuestionMarks[1], 0);
}

void QuizTest::reopeningFromTheHubStartsAfresh() {
    TestEnv env;
    writeMoonSet(env, "First");
    QuizScreen& quiz = openMoonQuiz();
    answerAndGoOn(quiz, rightButton(1));
    // The hub beneath is reached again while the quiz is still open (another window brought forward).
    writeMoonSet(env, "Second");
    clickControl(&Module1.moon->Label3(0));
    settle();
    QuizScreen& fresh = *Module1.multiple;
    QCOMPARE(fresh.Label6->Caption(), QString("Second"));
    QCOMPARE(fresh.Label4->Caption(), QString("Question 1"));
    QCOMPARE(Module1.QuestionMarks[1], 0);
    QCOMPARE(Module1.QuestionNumber, 1);
}

void QuizTest::printWorksheetStaysOnTheQuestion() {
    TestEnv env;
    writeMoonSet(env);
    Module1.SoundOn = 1;
    QuizScreen& quiz = openMoonQuiz();
    answerAndGoOn(quiz, rightButton(1));
    clickControl(&quiz.Option1(3));
    env.sound->played.clear();
    clickControl(&quiz.Label3(3));
    QCOMPARE(quiz.Label4->Caption(), QString("Question 2"));
    QVERIFY(quiz.Option1(3).Value());
    QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
}

void QuizTest::brokenSetKeepsTheHub_data() {
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QStringList lines = questionSetLines(numberedSet("Broken"));
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("71 lines") << fileOf(lines.mid(0, 71));
    QTest::newRow("only the title") << fileOf({"Broken"});
    QStringList five = lines;
    five[7 + 7 * 3] = "5";
    QTest::newRow("digit 5 on question 4") << fileOf(five);
    QStringList letter = lines;
    letter[7] = "B";
    QTest::newRow("letter for the digit") << fileOf(letter);
}

void QuizTest::brokenSetKeepsTheHub() {
    QFETCH(QByteArray, file);
    TestEnv env;
    Module1.SoundOn = 1;
    // A set read earlier (from the catalogue, say) stays in the tables.
    env.writeFile("multiple/Earlier.txt", fileOf(questionSetLines(numberedSet("Earlier set"))));
    QVERIFY(LoadQuestionSet("multiple\\Earlier.txt"));
    if (!file.isEmpty()) env.writeFile("multiple/The Moon Landings.txt", file);
    Module1.moon->Show();
    clickControl(&Module1.moon->Label3(0));
    QCOMPARE(env.messages->texts(), QStringList{"The questions for this topic could not be read."});
    QCOMPARE(env.messages->shown.front().title, QString("Tellwyn"));
    QCOMPARE(env.messages->shown.front().buttons, MsgButtons::OK);
    QVERIFY(!Module1.multiple.isLoaded());
    QVERIFY(Module1.moon->isVisible());
    QCOMPARE(Module1.SetTitle, QString("Earlier set"));
    QCOMPARE(Module1.QuestionText[10], QString("Question text 10?"));
    QCOMPARE(Module1.CorrectAnswer[4], QString("4"));
    QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
}

void QuizTest::hoverLightsOnlyTheButtonUnderThePointer() {
    TestEnv env;
    writeMoonSet(env);
    QuizScreen& quiz = openMoonQuiz();
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

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
