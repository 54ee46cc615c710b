// Learning from mistakes: a practice round of the missed questions on the quiz screen, the
// mistakes sheet and the teacher's answer key, driven by mouse clicks as a pupil or teacher does.
#include "app/module1.h"
#include "platform/focus.h"
#include "platform/qtprinter.h"
#include "quiz/practiceround.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

const QColor Red(255, 0, 0), Black(0, 0, 0);

// The moon quiz on question 1, sound on; every right answer is A ("Answer nA").
QuizScreen& openPracticeQuiz(TestEnv& env) {
    Module1.SoundOn = 1;
    return openMoonQuiz(env, "Moon quiz", 1);
}

// Ticks the button that shows the given answer, wherever the round has put it.
void tickAnswer(QuizScreen& quiz, const QString& answer) {
    for (int i = 1; i <= 4; ++i)
        if (quiz.Option1(i).Caption() == answer) {
            clickControl(&quiz.Option1(i));
            return;
        }
    QFAIL(qPrintable("no button shows " + answer));
}

// Questions 2, 5 and 9 answered B, C and nothing; the rest right: 7 out of 10, on the list.
WrongAnswersScreen& quizWithThreeWrong(TestEnv& env) {
    QuizScreen& quiz = openPracticeQuiz(env);
    for (int q = 1; q <= 10; ++q) {
        if (q == 2)
            clickControl(&quiz.Option1(2));
        else if (q == 5)
            clickControl(&quiz.Option1(3));
        else if (q != 9)
            clickControl(&quiz.Option1(1));
        clickControl(&quiz.Label3(1));
    }
    settle(50);
    clickControl(&Module1.Welldone->Label3(0)); // "Check Wrong Answers"
    return *Module1.Wrong;
}

QStringList printedTexts(const RecordedPage& page) {
    QStringList texts;
    for (const PrintOp& op : page.ops)
        if (op.kind == PrintOp::Text && op.text != " ") texts << op.text;
    return texts;
}

QString pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput()).simplified();
}

} // namespace

class PracticeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void practiseUntilAllRightKeepsTheScore();
    void answersComeInANewOrderEachRound();
    void mistakesSheetOnTheRecordingPrinter();
    void answerKeyIsAskedForAndMarksTheRightAnswers_data();
    void answerKeyIsAskedForAndMarksTheRightAnswers();
    void mistakesSheetAndAnswerKeyInPdf();
};

void PracticeTest::practiseUntilAllRightKeepsTheScore() {
    TestEnv env;
    WrongAnswersScreen& wrong = quizWithThreeWrong(env);
    const QString sentence = Module1.Welldone->Label1->Caption();
    QCOMPARE(sentence, QString("You have scored 7 out of 10."));
    env.sound->played.clear();

    clickControl(&wrong.Label3(2)); // "Practise Again"
    QuizScreen& quiz = *Module1.multiple;
    QVERIFY(quiz.isVisible() && !wrong.isVisible());
    QVERIFY(!quiz.Label3(3).isVisible()); // nothing to print in a practice round
    QCOMPARE(quiz.Label4->Caption(), QString("Question 2"));
    QVERIFY(!quiz.Label3(0).isVisible());
    tickAnswer(quiz, "Answer 2A");
    clickControl(&quiz.Label3(1));
    QCOMPARE(quiz.Label4->Caption(), QString("Question 5"));
    tickAnswer(quiz, "Answer 5A");
    clickControl(&quiz.Label3(1));
    QCOMPARE(quiz.Label4->Caption(), QString("Question 9"));
    QCOMPARE(quiz.Label3(1).Caption(), QString("Check Score >>"));
    tickAnswer(quiz, "Answer 9D");
    clickControl(&quiz.Label3(1));
    QCOMPARE(quiz.Label2->Caption(), QString("You now have 2 of 3 right."));
    QVERIFY(!quiz.Option1(1).isVisible());
    QCOMPARE(quiz.Label3(1).Caption(), QString("Practise Again"));

    clickControl(&quiz.Label3(1)); // another round, of question 9 alone
    QCOMPARE(quiz.Label4->Caption(), QString("Question 9"));
    QCOMPARE(quiz.Label3(1).Caption(), QString("Check Score >>"));
    tickAnswer(quiz, "Answer 9A");
    clickControl(&quiz.Label3(1));
    QCOMPARE(quiz.Label2->Caption(), QString("You now have 3 of 3 right."));
    QVERIFY(!quiz.Label3(1).isVisible());

    clickControl(&quiz.Label3(2)); // "Exit": back to the results
    settle();
    QVERIFY(!Module1.multiple.isLoaded());
    ResultsScreen& results = *Module1.Welldone;
    QVERIFY(results.isVisible());
    QCOMPARE(results.Label1->Caption(), sentence);
    QCOMPARE(results.Label3(0).Caption(), QString("Check Wrong Answers"));
    QCOMPARE(Module1.Score, 7);
    QVERIFY(env.printer->pages.empty());
    // The quiz's own sounds: a click on each button, a tick on each answer and, as in the quiz,
    // another as the next question clears the ticked one.
    QCOMPARE(env.sound->played.count("wav/typekey.wav"), 8);
    QCOMPARE(env.sound->played.count("wav/click.wav"), 7);
    // The list comes back as it was.
    clickControl(&results.Label3(0));
    QVERIFY(wrong.isVisible() && wrong.Label2(2).Caption().startsWith(" 9. "));
}

void PracticeTest::answersComeInANewOrderEachRound() {
    TestEnv env;
    MissedQuestion q{3, "Q", {"a", "b", "c", "d"}, "2", 0};
    // The same random numbers every round would give the same order; the round moves it on.
    PracticeRound round({q}, *env.random);
    QStringList first;
    for (int b = 1; b <= 4; ++b)
        first << round.answerOnButton(b);
    round.markAndNext(0);
    QCOMPARE(round.summary(), QString("You now have 0 of 1 right."));
    round.startAgain();
    QStringList second;
    for (int b = 1; b <= 4; ++b)
        second << round.answerOnButton(b);
    QVERIFY2(first != second, qPrintable(first.join(',')));
    QCOMPARE(QSet<QString>(second.begin(), second.end()), QSet<QString>({"a", "b", "c", "d"}));
    // The mark is taken on the answer behind the button, by the quiz's own rule.
    round.markAndNext(second.indexOf("b") + 1);
    QCOMPARE(round.summary(), QString("You now have 1 of 1 right."));
    QVERIFY(!round.anyStillWrong());
}

void PracticeTest::mistakesSheetOnTheRecordingPrinter() {
    TestEnv env;
    WrongAnswersScreen& wrong = quizWithThreeWrong(env);
    Module1.Welldone->Text1->setText("Amy");
    clickControl(&wrong.Label3(3)); // "Print Mistakes"
    QCOMPARE(env.messages->texts(), QStringList{"Your mistakes sheet is now printing."});
    QCOMPARE(env.printer->pages.size(), size_t(1));
    const RecordedPage& page = env.printer->pages[0];
    QVERIFY(page.ended);
    QCOMPARE(page.title, QString("Tellwyn mistakes sheet"));
    const QStringList texts = printedTexts(page);
    QCOMPARE(texts.mid(1),
             QStringList(
                 {"Tellwyn", "Moon quiz", "Amy", "Questions to look at again",
                  "Question 2    Question text 2?", "Your answer: B. Answer 2B", "Right answer: A. Answer 2A",
                  "Question 5    Question text 5?", "Your answer: C. Answer 5C", "Right answer: A. Answer 5A",
                  "Question 9    Question text 9?", "Your answer: none", "Right answer: A. Answer 9A"}));
    // The answers stand in the worksheet's answer column.
    for (const PrintOp& op : page.ops)
        if (op.text.startsWith("Your answer")) QCOMPARE(op.x1, 11520 / 3.0f);
}

void PracticeTest::answerKeyIsAskedForAndMarksTheRightAnswers_data() {
    QTest::addColumn<bool>("withKey");
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("worksheet only") << false << false;
    QTest::newRow("worksheet and answer key") << true << false;
    QTest::newRow("answer key chosen from the keyboard") << true << true;
}

void PracticeTest::answerKeyIsAskedForAndMarksTheRightAnswers() {
    QFETCH(bool, withKey);
    QFETCH(bool, byKeyboard);
    TestEnv env;
    QuizScreen& quiz = openPracticeQuiz(env);
    QVERIFY(!quiz.Label3(4).isVisible() && !quiz.Label3(5).isVisible());
    clickControl(&quiz.Label3(3)); // "Print Worksheet" asks first
    QVERIFY(env.printer->pages.empty());
    QCOMPARE(quiz.Label3(4).Caption(), QString("Worksheet Only"));
    QCOMPARE(quiz.Label3(5).Caption(), QString("With Answer Key"));
    QVERIFY(quiz.Label3(4).isVisible() && quiz.Label3(5).isVisible());
    if (byKeyboard) {
        QVERIFY(Keyboard::focusChain(&quiz).contains(&quiz.Label3(5)));
        quiz.Label3(5).setFocus();
        QTest::keyClick(&quiz.Label3(5), Qt::Key_Return);
    } else {
        clickControl(&quiz.Label3(withKey ? 5 : 4));
    }
    QVERIFY(!quiz.Label3(4).isVisible());
    QCOMPARE(env.messages->texts(), QStringList{"Your worksheet is now printing."});
    QCOMPARE(env.printer->pages.size(), size_t(withKey ? 2 : 1));
    QCOMPARE(printedTexts(env.printer->pages[0]).count("Answer Key"), 0);
    if (!withKey) return;
    const RecordedPage& key = env.printer->pages[1];
    QCOMPARE(key.title, QString("Tellwyn answer key"));
    const QStringList sheet = printedTexts(env.printer->pages[0]);
    QStringList keyTexts = printedTexts(key);
    QCOMPARE(keyTexts.takeAt(3), QString("Answer Key"));
    QCOMPARE(keyTexts, sheet); // the same page otherwise
    // Each right answer (A) in red and underlined; the others black.
    int underlines = 0;
    QString marked;
    for (const PrintOp& op : key.ops) {
        if (op.kind == PrintOp::Text && op.text.startsWith("A. ")) {
            QCOMPARE(op.colour, Red);
            marked = op.text;
        }
        if (op.kind == PrintOp::Text && op.text.startsWith("B. ")) QCOMPARE(op.colour, Black);
        if (op.kind == PrintOp::Line) {
            ++underlines;
            QCOMPARE(op.x1, 11520 / 3.0f);
            QCOMPARE(op.x2 - op.x1, RecordingPrinter::charWidth(12) * marked.size());
        }
    }
    QCOMPARE(underlines, 10);
}

void PracticeTest::mistakesSheetAndAnswerKeyInPdf() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    TestEnv env;
    QTemporaryDir out;
    services().printer = std::make_shared<Printer>(pdfFolderBackend(out.path()));
    QuizScreen& quiz = openPracticeQuiz(env);
    clickControl(&quiz.Label3(3));
    clickControl(&quiz.Label3(5));
    quiz.Unload();
    WrongAnswersScreen& wrong = quizWithThreeWrong(env);
    clickControl(&wrong.Label3(3));
    const QStringList files = QDir(out.path()).entryList({"*.pdf"}, QDir::Files, QDir::Name);
    QCOMPARE(files.size(), 3);
    const QString key = pdfText(out.path() + '/' + files[1]);
    QVERIFY2(key.contains("Answer Key") && key.contains("Question 10 Question text 10?"), qPrintable(key));
    const QString sheet = pdfText(out.path() + '/' + files[2]);
    QVERIFY2(sheet.contains("Your answer: B. Answer 2B") && sheet.contains("Right answer: A. Answer 9A"),
             qPrintable(sheet));
}

QTEST_MAIN(PracticeTest)
#include "tst_practice.moc"
