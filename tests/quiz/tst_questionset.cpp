// The question set file: its 72-line layout, the "&" rule, and whole-or-nothing loading.
#include "app/module1.h"
#include "platform/files.h"
#include "quiz/questionset.h"
#include "support/samples.h"
#include "support/testenv.h"

#include <QTest>

namespace {

QuestionSet sampleSet() {
    QuestionSet s = sampleQuestionSet("Rivers, Lakes and Seas");
    s.questions[1].answers[3] = "The Baltic, or the Black Sea";
    return s;
}

} // namespace

class QuestionSetTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writerLayoutIsTheReadersMirror() {
        const QStringList lines = questionSetLines(sampleSet());
        QCOMPARE(lines.size(), QuestionSetLines);
        QCOMPARE(lines[0], QString("Rivers& Lakes and Seas"));
        QCOMPARE(lines[1], QString(" "));
        QCOMPARE(lines[2], QString("Question text 1?"));
        QCOMPARE(lines[7], QString("1"));
        QCOMPARE(lines[8], QString(" "));
        QCOMPARE(lines[13], QString("The Baltic& or the Black Sea"));
        QCOMPARE(lines[71], QString(" "));
    }

    void loadFillsTheTablesAndRestoresCommas() {
        TestEnv env;
        env.writeFile("multiple/Rivers.txt", textFileBytes(questionSetLines(sampleSet())));
        QVERIFY(LoadQuestionSet("multiple\\Rivers.txt"));
        QCOMPARE(Module1.SetTitle, QString("Rivers, Lakes and Seas"));
        QCOMPARE(Module1.QuestionText[1], QString("Question text 1?"));
        QCOMPARE(Module1.AnswerB[1], QString("Answer 1B"));
        QCOMPARE(Module1.AnswerD[2], QString("The Baltic, or the Black Sea"));
        QCOMPARE(Module1.CorrectAnswer[3], QString("3"));
        QCOMPARE(Module1.QuestionText[10], QString("Question text 10?"));
        QVERIFY(Module1.QuestionText[0].isEmpty());
    }

    void storedAmpersandReadsBackAsComma() {
        TestEnv env;
        QStringList lines = questionSetLines(sampleSet());
        lines[2] = "Salt & pepper";
        env.writeFile("multiple/s.txt", textFileBytes(lines));
        QVERIFY(LoadQuestionSet("multiple/s.txt"));
        QCOMPARE(Module1.QuestionText[1], QString("Salt , pepper"));
    }

    void emptySpacersAreSkippedToo() {
        TestEnv env;
        QStringList lines = questionSetLines(sampleSet());
        for (int i = 1; i < lines.size(); i += 7)
            lines[i] = "";
        env.writeFile("multiple/s.txt", textFileBytes(lines));
        QVERIFY(LoadQuestionSet("multiple/s.txt"));
        QCOMPARE(Module1.QuestionText[10], QString("Question text 10?"));
    }

    void secondLoadOverwritesTheFirst() {
        TestEnv env;
        env.writeFile("multiple/a.txt", textFileBytes(questionSetLines(sampleSet())));
        QuestionSet other = sampleSet();
        other.title = "Other";
        for (auto& q : other.questions)
            q = Question{"Q", {"a", "b", "c", "d"}, "4"};
        env.writeFile("multiple/b.txt", textFileBytes(questionSetLines(other)));
        QVERIFY(LoadQuestionSet("multiple/a.txt"));
        QVERIFY(LoadQuestionSet("multiple/b.txt"));
        QCOMPARE(Module1.SetTitle, QString("Other"));
        for (int i = 1; i <= 10; ++i) {
            QCOMPARE(Module1.AnswerD[i], QString("d"));
            QCOMPARE(Module1.CorrectAnswer[i], QString("4"));
        }
    }

    void brokenFilesLeaveThePreviousSet_data() {
        QTest::addColumn<QByteArray>("file");
        const QStringList good = questionSetLines(sampleSet());
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("71 lines") << textFileBytes(good.mid(0, 71).mid(0, 70));
        QTest::newRow("empty") << QByteArray("");
        QStringList digit = good;
        digit[7 + 7 * 4] = "5";
        QTest::newRow("right answer 5") << textFileBytes(digit);
        digit[7 + 7 * 4] = "x";
        QTest::newRow("right answer not a digit") << textFileBytes(digit);
        digit[7 + 7 * 4] = "";
        QTest::newRow("right answer empty") << textFileBytes(digit);
        QStringList comma = good;
        comma[2] = "Rome, Italy"; // an unescaped comma shifts every later line
        QTest::newRow("unescaped comma") << textFileBytes(comma);
    }
    void brokenFilesLeaveThePreviousSet() {
        QFETCH(QByteArray, file);
        TestEnv env;
        env.writeFile("multiple/good.txt", textFileBytes(questionSetLines(sampleSet())));
        QVERIFY(LoadQuestionSet("multiple/good.txt"));
        if (!file.isNull()) env.writeFile("multiple/bad.txt", file);
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
