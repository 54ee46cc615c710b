// The question set file: its 72-line layout, the "&" rule, and whole-or-nothing loading.
#include "app/module1.h"
#include "quiz/questionset.h"
#include "support/samples.h"
#include "support/testenv.h"

#include <QTest>

namespace {

QStringList sampleLines() {
    QuestionSet s = sampleQuestionSet("Rivers, Lakes and Seas");
    s.questions[1].answers[3] = "The Baltic, or the Black Sea";
    return questionSetLines(s);
}

} // namespace

class QuestionSetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writerLayoutIsTheReadersMirror() {
        const QStringList lines = sampleLines();
        QCOMPARE(lines.size(), QuestionSetLines);
        // Title, spacer, then per question its text, answers A to D, the right digit and a spacer.
        QCOMPARE(lines.mid(0, 9), (QStringList{"Rivers& Lakes and Seas", " ", "Question text 1?", "Answer 1A",
                                               "Answer 1B", "Answer 1C", "Answer 1D", "1", " "}));
        QCOMPARE(lines[13], QString("The Baltic& or the Black Sea"));
        QCOMPARE(lines[71], QString(" "));
    }

    // Written by hand: a typed "&" reads back as a comma, and empty spacers are skipped like blank ones.
    void loadFillsTheTablesAndRestoresCommas() {
        TestEnv env;
        QStringList lines = sampleLines();
        lines[9] = "Salt & pepper";
        for (int i = 1; i < lines.size(); i += 7)
            lines[i] = "";
        env.writeFile("multiple/Rivers.txt", textFileBytes(lines));
        QVERIFY(LoadQuestionSet("multiple\\Rivers.txt"));
        QCOMPARE(Module1.SetTitle, QString("Rivers, Lakes and Seas"));
        QCOMPARE(Module1.QuestionText[1], QString("Question text 1?"));
        QCOMPARE(Module1.QuestionText[2], QString("Salt , pepper"));
        QCOMPARE(Module1.AnswerB[1], QString("Answer 1B"));
        QCOMPARE(Module1.AnswerD[2], QString("The Baltic, or the Black Sea"));
        QCOMPARE(Module1.CorrectAnswer[3], QString("3"));
        QCOMPARE(Module1.QuestionText[10], QString("Question text 10?"));
        QVERIFY(Module1.QuestionText[0].isEmpty());
        // A second set replaces every entry of the first.
        env.writeFile("multiple/b.txt", textFileBytes(questionSetLines(sampleQuestionSet("Other", 4))));
        QVERIFY(LoadQuestionSet("multiple/b.txt"));
        QCOMPARE(Module1.SetTitle, QString("Other"));
        for (int i = 1; i <= 10; ++i)
            QCOMPARE(Module1.CorrectAnswer[i], QString("4"));
    }

    void brokenFilesLeaveThePreviousSet_data() {
        QTest::addColumn<int>("line"); // the line changed, or -1 for no file, -2 for a file cut short
        QTest::addColumn<QString>("text");
        QTest::newRow("missing") << -1 << "";
        QTest::newRow("70 lines") << -2 << "";
        QTest::newRow("empty") << -3 << "";
        QTest::newRow("right answer 5") << 7 + 7 * 4 << "5";
        QTest::newRow("right answer not a digit") << 7 + 7 * 4 << "x";
        QTest::newRow("right answer empty") << 7 + 7 * 4 << "";
        QTest::newRow("unescaped comma") << 2 << "Rome, Italy"; // shifts every later line
    }
    void brokenFilesLeaveThePreviousSet() {
        QFETCH(int, line);
        QFETCH(QString, text);
        TestEnv env;
        env.writeFile("multiple/good.txt", textFileBytes(sampleLines()));
        QVERIFY(LoadQuestionSet("multiple/good.txt"));
        QStringList bad = sampleLines();
        if (line >= 0) bad[line] = text;
        if (line != -1)
            env.writeFile("multiple/bad.txt",
                          line == -3 ? QByteArray() : textFileBytes(bad.mid(0, line == -2 ? 70 : 72)));
        QString problem;
        QVERIFY(!LoadQuestionSet("multiple/bad.txt", &problem));
        QVERIFY(!problem.isEmpty());
        QCOMPARE(Module1.SetTitle, QString("Rivers, Lakes and Seas"));
        QCOMPARE(Module1.QuestionText[10], QString("Question text 10?"));
        QCOMPARE(Module1.CorrectAnswer[5], QString("1"));
    }
};

QTEST_MAIN(QuestionSetTest)
#include "tst_questionset.moc"
