// The worksheet store: the files it writes byte for byte, the index's add and delete, what it
// refuses, and what it leaves behind when it fails.
#include "app/module1.h"
#include "platform/files.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QSysInfo>
#include <QTest>

namespace {

// Text, answers A to D and the right one; the four repeat down the ten questions.
QuestionSet titled(const QString& title = "Rivers of Europe") {
    const char* const rows[] = {
        "Which river flows through Paris, France?|The Seine|The Rhine|The Po|The Thames|1",
        "Which river is the longest in Europe?|The Danube|The Volga|The Loire|The Ebro|2",
        "On which river does K\u00f6ln stand?|The Elbe|The Oder|The Rhine|The Main|3",
        "Salt & pepper: which river is salty?|None of them|The Tagus|The Douro|The Jordan\u2019s mouth|4"};
    QuestionSet set;
    set.title = title;
    for (int i = 0; i < 10; ++i) {
        const QStringList f = QString::fromUtf8(rows[i % 4]).split('|');
        set.questions[i] = {f[0], {f[1], f[2], f[3], f[4]}, f[5]};
    }
    return set;
}

// Found through the data folder, which sits beside tests/ wherever the test runs from.
QByteArray golden() {
    QFile f(bundledDataFolder() + "/../tests/worksheets/golden/Rivers of Europe.txt");
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class WorksheetStoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void worksheetAndIndexAreWrittenByteForByteAndReadBack() {
        TestEnv env;
        QVERIFY(saveWorksheet(titled()));
        QCOMPARE(golden().count("\r\n"), 72);
        QCOMPARE(env.readFile("multiple/Rivers of Europe.txt"), golden());
        QCOMPARE(env.readFile("multiple/track.txt"), QByteArray(" 1 \r\nRivers of Europe\r\n"));
        QVERIFY(LoadQuestionSet(worksheetFile("Rivers of Europe")));
        QCOMPARE(Module1.QuestionText[1], QString("Which river flows through Paris, France?"));
        QCOMPARE(Module1.AnswerD[4], QString::fromUtf8("The Jordan\u2019s mouth"));
        QCOMPARE(Module1.CorrectAnswer[3], QString("3"));
        // The format's own rule: a typed "&" comes back as a comma.
        QCOMPARE(Module1.QuestionText[4], QString("Salt , pepper: which river is salty?"));
    }

    void indexIsCreatedKeptOrExtended() {
        TestEnv env;
        QDir(env.path("multiple")).removeRecursively();
        QVERIFY(saveWorksheet(titled("Fractions")));
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes({"Fractions"}));
        // Saving a listed title again leaves a file the store did not write to the byte; a title
        // differing in case is new.
        const QByteArray index = "  2\r\nFractions\r\nRivers of Europe";
        env.writeFile("multiple/track.txt", index);
        QVERIFY(saveWorksheet(titled()));
        QCOMPARE(env.readFile("multiple/track.txt"), index);
        QVERIFY(saveWorksheet(titled("fractions")));
        QCOMPARE(env.readFile("multiple/track.txt"),
                 indexBytes({"Fractions", "Rivers of Europe", "fractions"}));
    }

    void saveInAFullOrBrokenStore_data() {
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("saved");
        QTest::newRow("a 1001st is refused") << indexBytes(sheets(MaxWorksheets)) << "One too many" << false;
        QTest::newRow("a listed title still saves")
            << indexBytes(sheets(MaxWorksheets)) << "Sheet 1000" << true;
        QTest::newRow("an index without a count")
            << QByteArray("not a count\r\nA\r\n") << "Fractions" << false;
    }
    void saveInAFullOrBrokenStore() {
        QFETCH(QByteArray, index);
        QFETCH(QString, title);
        QFETCH(bool, saved);
        TestEnv env;
        env.writeFile("multiple/track.txt", index);
        QCOMPARE(saveWorksheet(titled(title)), saved);
        QCOMPARE(env.readFile("multiple/track.txt"), index);
        if (saved)
            QVERIFY(LoadQuestionSet(worksheetFile(title)));
        else // refused before anything is written
            QCOMPARE(QDir(env.path("multiple")).entryList(QDir::Files), QStringList{"track.txt"});
    }

    void deleteClosesTheGap_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("the only one") << QStringList{"A"} << "A" << QStringList{};
        QTest::newRow("the last listing wins")
            << QStringList{"A", "B", "A", "C"} << "A" << QStringList{"A", "B", "C"};
        QTest::newRow("compared exactly") << QStringList{"a", "A"} << "a" << QStringList{"A"};
        QTest::newRow("not listed") << QStringList{"A", "B"} << "Gone" << QStringList{"A", "B"};
        // The rewrite keeps what the catalogue cannot show, rather than dropping it.
        QTest::newRow("titles past the 1000th survive") << sheets(1002) << "Sheet 1" << sheets(1002).mid(1);
    }
    void deleteClosesTheGap() {
        QFETCH(QStringList, before);
        QFETCH(QString, selected);
        QFETCH(QStringList, after);
        TestEnv env;
        env.writeFile("multiple/track.txt", indexBytes(before));
        env.writeFile("multiple/" + selected + ".txt", "kept");
        QVERIFY(delworksheet(selected));
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes(after));
        QCOMPARE(Module1.WorksheetCount, std::min<int>(after.size(), MaxWorksheets));
        QCOMPARE(QStringList(Module1.WorksheetTitles.begin() + 1,
                             Module1.WorksheetTitles.begin() + 1 + Module1.WorksheetCount),
                 after.mid(0, MaxWorksheets));
        // Deleting only unlists: the file stays in the folder.
        QCOMPARE(env.readFile("multiple/" + selected + ".txt"), QByteArray("kept"));
    }

    void lockLeftByADeadCopyDoesNotBlock() {
        TestEnv env;
        // No process runs under this id here; QLockFile takes one running another program as gone too.
        env.writeFile("multiple/track.txt.lock", "999999\n" + QCoreApplication::applicationName().toUtf8() +
                                                     "\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        QElapsedTimer t;
        t.start();
        QVERIFY(saveWorksheet(titled("Fractions")));
        QVERIFY2(t.elapsed() < 3000, "the dead copy's lock was waited on");
        QVERIFY(!QFile::exists(env.path("multiple/track.txt.lock")));
    }

    void refusals_data() {
        QTest::addColumn<QString>("field"); // title, or q<n> / q<n><letter>
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const auto row = [](const QString& field, const QString& text, const QString& message) {
            QTest::addRow("%s %s", qPrintable(field), qPrintable(text)) << field << text << message;
        };
        const auto title = [](const QString& problem) { return "The Worksheet Title " + problem; };
        const QString choose = " Please choose another title.", store = ", which a worksheet cannot store.";
        for (QChar c : QString("/\\:*?<>|,&"))
            row("title", QString("Rome%1Italy").arg(c),
                title(QString("cannot contain the character \"%1\".").arg(c)) + choose);
        row("title", "..", title("cannot end with the character \".\".") + choose);
        row("title", " Rivers", title("cannot begin with a blank.") + choose);
        row("title", "Julius CAESAR",
            "The title \"Julius CAESAR\" belongs to the program's own files." + choose);
        row("title", "\"Quoted\"", title("cannot contain a double quote (\").") + choose);
        row("q3", QString::fromUtf8("What is 2 \u2260 3?"),
            QString::fromUtf8("Question 3 contains the character \"\u2260\"") + store);
        row("q10D", "two\nlines", "Answer D of Question 10 contains a control character (code 10)" + store);
        row("q2B", "  \"Quoted\"", "Answer B of Question 2 cannot begin with a double quote (\").");
        // Fine: a quote inside a question, a comma and an ampersand in an answer, a title the index holds.
        row("q1", "Who said \"veni\"?", QString());
        row("q1A", "Salt, pepper & mustard", QString());
        row("title", QString::fromUtf8("Caf\u00e9 (2) - \u20ac5 only!"), QString());
    }
    void refusals() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TestEnv env;
        QuestionSet set = titled();
        const QChar letter = field.back();
        const int q = field.mid(1, letter.isLetter() ? field.size() - 2 : -1).toInt() - 1;
        if (field == "title")
            set.title = text;
        else if (letter.isLetter())
            set.questions[q].answers[letter.unicode() - 'A'] = text;
        else
            set.questions[q].text = text;
        QCOMPARE(worksheetRefusal(set).value_or(QString()), message);
    }
};

QTEST_MAIN(WorksheetStoreTest)
#include "tst_worksheetstore.moc"
