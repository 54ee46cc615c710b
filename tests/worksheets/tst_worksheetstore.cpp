// The worksheet store: the files it writes byte for byte, the index's add and delete, what it
// refuses, and what it leaves behind when it fails.
#include "app/module1.h"
#include "platform/files.h"
#include "support/testenv.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTest>

namespace {

QuestionSet riversOfEurope() {
    struct Q {
        const char* text;
        std::array<const char*, 4> answers;
        const char* correct;
    };
    const std::array<Q, 4> qs{{
        {"Which river flows through Paris, France?", {"The Seine", "The Rhine", "The Po", "The Thames"}, "1"},
        {"Which river is the longest in Europe?", {"The Danube", "The Volga", "The Loire", "The Ebro"}, "2"},
        {"On which river does K\u00f6ln stand?", {"The Elbe", "The Oder", "The Rhine", "The Main"}, "3"},
        {"Salt & pepper: which river is salty?",
         {"None of them", "The Tagus", "The Douro", "The Jordan\u2019s mouth"},
         "4"},
    }};
    QuestionSet set;
    set.title = "Rivers of Europe";
    for (int i = 0; i < 10; ++i) {
        const Q& q = qs[i % 4];
        set.questions[i].text = QString::fromUtf8(q.text);
        for (int k = 0; k < 4; ++k)
            set.questions[i].answers[k] = QString::fromUtf8(q.answers[k]);
        set.questions[i].correct = q.correct;
    }
    return set;
}

QuestionSet titled(const QString& title) {
    QuestionSet set = riversOfEurope();
    set.title = title;
    return set;
}

QByteArray indexOf(const QStringList& titles) {
    QByteArray bytes = " " + QByteArray::number(titles.size()) + " \r\n";
    for (const QString& t : titles)
        bytes += encodeWindows1252(t).value() + "\r\n";
    return bytes;
}

QStringList sheets(int n) {
    QStringList titles;
    for (int i = 1; i <= n; ++i)
        titles << QStringLiteral("Sheet %1").arg(i);
    return titles;
}

QByteArray golden(const QString& name) {
    QFile f(QFINDTESTDATA("golden/" + name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList filesIn(const TestEnv& env) {
    return QDir(env.path("multiple")).entryList(QDir::Files);
}

} // namespace

class WorksheetStoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void worksheetAndIndexAreWrittenByteForByte();
    void savedWorksheetLoadsAsTyped();
    void missingIndexIsCreatedAndAFirstTitleAdded();
    void savingAgainReplacesTheFileAndLeavesTheIndex();
    void titlesDifferingInCaseAreTwoWorksheets();
    void newTitleSeenOnlyAfterTheNextRead();
    void thousandAndFirstIsRefusedBeforeAnythingIsWritten();
    void aListedTitleCanStillBeSavedInAFullStore();
    void brokenIndexStopsTheSaveBeforeAnything();
    void titlesPastTheThousandthSurviveARewrite();
    void deleteClosesTheGap_data();
    void deleteClosesTheGap();
    void deleteWithoutAnIndexFails();
    void lockLeftByADeadCopyDoesNotBlock();
    void refusals_data();
    void refusals();
};

void WorksheetStoreTest::worksheetAndIndexAreWrittenByteForByte() {
    TestEnv env;
    QVERIFY(!worksheetRefusal(riversOfEurope()));
    QVERIFY(saveWorksheet(riversOfEurope()));
    const QByteArray expected = golden("Rivers of Europe.txt");
    QCOMPARE(expected.count("\r\n"), 72);
    QCOMPARE(env.readFile("multiple/Rivers of Europe.txt"), expected);
    QCOMPARE(env.readFile("multiple/track.txt"), QByteArray(" 1 \r\nRivers of Europe\r\n"));
}

void WorksheetStoreTest::savedWorksheetLoadsAsTyped() {
    TestEnv env;
    QVERIFY(saveWorksheet(riversOfEurope()));
    QVERIFY(LoadQuestionSet(worksheetFile("Rivers of Europe")));
    QCOMPARE(Module1.SetTitle, QString("Rivers of Europe"));
    QCOMPARE(Module1.QuestionText[1], QString("Which river flows through Paris, France?"));
    QCOMPARE(Module1.AnswerD[4], QString::fromUtf8("The Jordan\u2019s mouth"));
    QCOMPARE(Module1.CorrectAnswer[3], QString("3"));
    // The format's own rule: a typed "&" comes back as a comma.
    QCOMPARE(Module1.QuestionText[4], QString("Salt , pepper: which river is salty?"));
}

void WorksheetStoreTest::missingIndexIsCreatedAndAFirstTitleAdded() {
    TestEnv env;
    QDir(env.path("multiple")).removeRecursively();
    QVERIFY(saveWorksheet(titled("Fractions")));
    QCOMPARE(env.readFile("multiple/track.txt"), indexOf({"Fractions"}));
    env.writeFile("multiple/track.txt", " 0 \r\n");
    QVERIFY(saveWorksheet(titled("Decimals")));
    QCOMPARE(env.readFile("multiple/track.txt"), indexOf({"Decimals"}));
    QVERIFY(saveWorksheet(titled("Percentages")));
    QCOMPARE(env.readFile("multiple/track.txt"), indexOf({"Decimals", "Percentages"}));
}

void WorksheetStoreTest::savingAgainReplacesTheFileAndLeavesTheIndex() {
    TestEnv env;
    // Blanks around the count and a missing last line end: a file the store did not write.
    const QByteArray index = "  2\r\nFractions\r\nRivers of Europe";
    env.writeFile("multiple/track.txt", index);
    env.writeFile("multiple/Rivers of Europe.txt", "old");
    QVERIFY(saveWorksheet(riversOfEurope()));
    QCOMPARE(env.readFile("multiple/track.txt"), index);
    QCOMPARE(env.readFile("multiple/Rivers of Europe.txt"), golden("Rivers of Europe.txt"));
}

void WorksheetStoreTest::titlesDifferingInCaseAreTwoWorksheets() {
    TestEnv env;
    QuestionSet lower = titled("fractions");
    lower.questions[0].text = "lower";
    QVERIFY(saveWorksheet(titled("Fractions")));
    QVERIFY(saveWorksheet(lower));
    QCOMPARE(env.readFile("multiple/track.txt"), indexOf({"Fractions", "fractions"}));
    // Each keeps its own file, so neither overwrites the other.
    QVERIFY(LoadQuestionSet(worksheetFile("Fractions")));
    QCOMPARE(Module1.QuestionText[1], riversOfEurope().questions[0].text.replace('&', ','));
    QVERIFY(LoadQuestionSet(worksheetFile("fractions")));
    QCOMPARE(Module1.QuestionText[1], QString("lower"));
}

void WorksheetStoreTest::newTitleSeenOnlyAfterTheNextRead() {
    TestEnv env;
    env.writeFile("multiple/track.txt", indexOf({"A", "B"}));
    QVERIFY(saveWorksheet(titled("C")));
    QCOMPARE(Module1.WorksheetCount, 2);
    QCOMPARE(Module1.WorksheetTitles[3], QString("C"));
}

void WorksheetStoreTest::thousandAndFirstIsRefusedBeforeAnythingIsWritten() {
    TestEnv env;
    const QByteArray full = indexOf(sheets(MaxWorksheets));
    env.writeFile("multiple/track.txt", full);
    QVERIFY(!saveWorksheet(titled("One too many")));
    QCOMPARE(env.readFile("multiple/track.txt"), full);
    QCOMPARE(filesIn(env), QStringList{"track.txt"});
}

void WorksheetStoreTest::aListedTitleCanStillBeSavedInAFullStore() {
    TestEnv env;
    const QByteArray full = indexOf(sheets(MaxWorksheets));
    env.writeFile("multiple/track.txt", full);
    QVERIFY(saveWorksheet(titled("Sheet 1000")));
    QCOMPARE(env.readFile("multiple/track.txt"), full);
    QVERIFY(LoadQuestionSet(worksheetFile("Sheet 1000")));
}

void WorksheetStoreTest::brokenIndexStopsTheSaveBeforeAnything() {
    TestEnv env;
    env.writeFile("multiple/track.txt", "not a count\r\nA\r\n");
    QVERIFY(!saveWorksheet(titled("Fractions")));
    QCOMPARE(env.readFile("multiple/track.txt"), QByteArray("not a count\r\nA\r\n"));
    QVERIFY(!QFile::exists(env.path("multiple/Fractions.txt")));
}

void WorksheetStoreTest::titlesPastTheThousandthSurviveARewrite() {
    TestEnv env;
    env.writeFile("multiple/track.txt", indexOf(sheets(1002)));
    QVERIFY(delworksheet("Sheet 1"));
    QCOMPARE(env.readFile("multiple/track.txt"), indexOf(sheets(1002).mid(1)));
    QCOMPARE(Module1.WorksheetCount, MaxWorksheets);
}

void WorksheetStoreTest::deleteClosesTheGap_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("first of three") << QStringList{"A", "B", "C"} << "A" << QStringList{"B", "C"};
    QTest::newRow("last of three") << QStringList{"A", "B", "C"} << "C" << QStringList{"A", "B"};
    QTest::newRow("the only one") << QStringList{"A"} << "A" << QStringList{};
    QTest::newRow("the last listing wins")
        << QStringList{"A", "B", "A", "C"} << "A" << QStringList{"A", "B", "C"};
    QTest::newRow("compared exactly") << QStringList{"a", "A"} << "a" << QStringList{"A"};
}

void WorksheetStoreTest::deleteClosesTheGap() {
    QFETCH(QStringList, before);
    QFETCH(QString, selected);
    QFETCH(QStringList, after);
    TestEnv env;
    env.writeFile("multiple/track.txt", indexOf(before));
    env.writeFile("multiple/" + selected + ".txt", "kept");
    QVERIFY(delworksheet(selected));
    QCOMPARE(env.readFile("multiple/track.txt"), indexOf(after));
    QCOMPARE(Module1.WorksheetCount, after.size());
    for (int i = 0; i < after.size(); ++i)
        QCOMPARE(Module1.WorksheetTitles[i + 1], after[i]);
    // Deleting only unlists: the file stays in the folder.
    QCOMPARE(env.readFile("multiple/" + selected + ".txt"), QByteArray("kept"));
}

void WorksheetStoreTest::deleteWithoutAnIndexFails() {
    TestEnv env;
    QVERIFY(!delworksheet("A"));
    QVERIFY(!QFile::exists(env.path("multiple/track.txt")));
    // A title no longer listed leaves the file as it was, to the byte.
    const QByteArray index = " 2 \r\nA\r\nB"; // no final line end
    env.writeFile("multiple/track.txt", index);
    QVERIFY(delworksheet("Gone"));
    QCOMPARE(env.readFile("multiple/track.txt"), index);
    QCOMPARE(Module1.WorksheetCount, 2);
}

void WorksheetStoreTest::lockLeftByADeadCopyDoesNotBlock() {
    TestEnv env;
    QProcess gone;
    gone.start("true");
    QVERIFY(gone.waitForFinished());
    const qint64 deadPid = gone.processId() ? gone.processId() : 999999;
    env.writeFile("multiple/track.txt.lock", QByteArray::number(deadPid) + "\n" +
                                                 QCoreApplication::applicationName().toUtf8() + "\n" +
                                                 QSysInfo::machineHostName().toUtf8() + "\n");
    QElapsedTimer t;
    t.start();
    QVERIFY(saveWorksheet(titled("Fractions")));
    QVERIFY2(t.elapsed() < 3000, "the dead copy's lock was waited on");
    QVERIFY(!QFile::exists(env.path("multiple/track.txt.lock")));
}

void WorksheetStoreTest::refusals_data() {
    QTest::addColumn<QString>("field"); // title, or q<n> / q<n><letter>
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    const QString choose = " Please choose another title.";
    for (const char* c : {"/", "\\", ":", "*", "?", "<", ">", "|", ",", "&"})
        QTest::addRow("title with %s", c)
            << "title" << QString("Rome%1Italy").arg(c)
            << QString("The Worksheet Title cannot contain the character \"%1\".").arg(c) + choose;
    QTest::newRow("title with a double quote")
        << "title"
        << "\"Quoted\""
        << "The Worksheet Title cannot contain a double quote (\")." + choose;
    QTest::newRow("title with a tab") << "title"
                                      << "Tab\tbed"
                                      << "The Worksheet Title contains a control character (code 9), which a "
                                         "worksheet cannot store.";
    QTest::newRow("title .") << "title"
                             << "."
                             << "The Worksheet Title cannot end with the character \".\"." + choose;
    QTest::newRow("title ..") << "title"
                              << ".."
                              << "The Worksheet Title cannot end with the character \".\"." + choose;
    QTest::newRow("title ending with a dot")
        << "title"
        << "Rivers."
        << "The Worksheet Title cannot end with the character \".\"." + choose;
    QTest::newRow("title of one blank") << "title"
                                        << " "
                                        << "The Worksheet Title cannot begin with a blank." + choose;
    QTest::newRow("leading blank") << "title"
                                   << " Rivers"
                                   << "The Worksheet Title cannot begin with a blank." + choose;
    QTest::newRow("trailing blank") << "title"
                                    << "Rivers "
                                    << "The Worksheet Title cannot end with a blank." + choose;
    QTest::newRow("track") << "title"
                           << "TRACK"
                           << "The title \"TRACK\" belongs to the program's own files." + choose;
    QTest::newRow("moon") << "title"
                          << "the moon landings"
                          << "The title \"the moon landings\" belongs to the program's own files." + choose;
    QTest::newRow("caesar") << "title"
                            << "Julius CAESAR"
                            << "The title \"Julius CAESAR\" belongs to the program's own files." + choose;
    QTest::newRow("title outside the code page")
        << "title" << QString::fromUtf8("Ελλάδα")
        << QString::fromUtf8(
               "The Worksheet Title contains the character \"Ε\", which a worksheet cannot store.");
    QTest::newRow("question outside the code page")
        << "q3" << QString::fromUtf8("What is 2 \u2260 3?")
        << QString::fromUtf8("Question 3 contains the character \"\u2260\", which a worksheet cannot store.");
    QTest::newRow("answer with a line end")
        << "q10D"
        << "two\nlines"
        << "Answer D of Question 10 contains a control character (code 10), "
           "which a worksheet cannot store.";
    QTest::newRow("question starting with a quote") << "q1"
                                                    << "\"Veni, vidi, vici\": who said it?"
                                                    << "Question 1 cannot begin with a double quote (\").";
    QTest::newRow("answer starting with blanks and a quote")
        << "q2B"
        << "  \"Quoted\""
        << "Answer B of Question 2 cannot begin with a double quote (\").";
    QTest::newRow("quote inside a question is fine") << "q1"
                                                     << "Who said \"veni\"?" << QString();
    QTest::newRow("comma and ampersand in an answer are fine") << "q1A"
                                                               << "Salt, pepper & mustard" << QString();
    QTest::newRow("a title the index can hold")
        << "title" << QString::fromUtf8("Caf\u00e9 (2) - \u20ac5 only!") << QString();
}

void WorksheetStoreTest::refusals() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    TestEnv env;
    QuestionSet set = riversOfEurope();
    if (field == "title") {
        set.title = text;
    } else {
        const QChar letter = field.back();
        const int q = field.mid(1, letter.isLetter() ? field.size() - 2 : -1).toInt() - 1;
        if (letter.isLetter())
            set.questions[q].answers[letter.unicode() - 'A'] = text;
        else
            set.questions[q].text = text;
    }
    const auto refusal = worksheetRefusal(set);
    QCOMPARE(refusal.value_or(QString()), message);
}

QTEST_MAIN(WorksheetStoreTest)
#include "tst_worksheetstore.moc"
