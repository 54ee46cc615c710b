// The worksheet store: the files it writes byte for byte, the index's add and delete, what it
// refuses, and what it leaves behind when it fails.
#include "app/module1.h"
#include "platform/files.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTest>

namespace {

QuestionSet riversOfEurope() {
    // Text, answers A to D and the right one; the four repeat down the ten questions.
    const char* const rows[] = {
        "Which river flows through Paris, France?|The Seine|The Rhine|The Po|The Thames|1",
        "Which river is the longest in Europe?|The Danube|The Volga|The Loire|The Ebro|2",
        "On which river does K\u00f6ln stand?|The Elbe|The Oder|The Rhine|The Main|3",
        "Salt & pepper: which river is salty?|None of them|The Tagus|The Douro|The Jordan\u2019s mouth|4"};
    QuestionSet set;
    set.title = "Rivers of Europe";
    for (int i = 0; i < 10; ++i) {
        const QStringList f = QString::fromUtf8(rows[i % 4]).split('|');
        set.questions[i].text = f[0];
        for (int k = 0; k < 4; ++k)
            set.questions[i].answers[k] = f[k + 1];
        set.questions[i].correct = f[5];
    }
    return set;
}

QuestionSet titled(const QString& title) {
    QuestionSet set = riversOfEurope();
    set.title = title;
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
        QVERIFY(!worksheetRefusal(riversOfEurope()));
        QVERIFY(saveWorksheet(riversOfEurope()));
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

    void missingIndexIsCreatedAndANewTitleSeenOnlyAfterTheNextRead() {
        TestEnv env;
        QDir(env.path("multiple")).removeRecursively();
        QVERIFY(saveWorksheet(titled("Fractions")));
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes({"Fractions"}));
        env.writeFile("multiple/track.txt", " 0 \r\n");
        QVERIFY(saveWorksheet(titled("Decimals")));
        QVERIFY(saveWorksheet(titled("Percentages")));
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes({"Decimals", "Percentages"}));
        QCOMPARE(Module1.WorksheetCount, 1);
        QCOMPARE(Module1.WorksheetTitles[2], QString("Percentages"));
    }

    void savingAgainLeavesTheIndexButATitleDifferingInCaseIsNew() {
        TestEnv env;
        // Blanks around the count and a missing last line end: a file the store did not write.
        const QByteArray index = "  2\r\nFractions\r\nRivers of Europe";
        env.writeFile("multiple/track.txt", index);
        env.writeFile("multiple/Rivers of Europe.txt", "old");
        QVERIFY(saveWorksheet(riversOfEurope()));
        QCOMPARE(env.readFile("multiple/track.txt"), index);
        QCOMPARE(env.readFile("multiple/Rivers of Europe.txt"), golden());
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
        QTest::newRow("first of three") << QStringList{"A", "B", "C"} << "A" << QStringList{"B", "C"};
        QTest::newRow("the only one") << QStringList{"A"} << "A" << QStringList{};
        QTest::newRow("the last listing wins")
            << QStringList{"A", "B", "A", "C"} << "A" << QStringList{"A", "B", "C"};
        QTest::newRow("compared exactly") << QStringList{"a", "A"} << "a" << QStringList{"A"};
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
        for (int i = 0; i < Module1.WorksheetCount; ++i)
            QCOMPARE(Module1.WorksheetTitles[i + 1], after[i]);
        // Deleting only unlists: the file stays in the folder.
        QCOMPARE(env.readFile("multiple/" + selected + ".txt"), QByteArray("kept"));
    }

    void deletingAnUnlistedTitleLeavesTheIndexToTheByte() {
        TestEnv env;
        const QByteArray index = " 2 \r\nA\r\nB"; // no final line end
        env.writeFile("multiple/track.txt", index);
        QVERIFY(delworksheet("Gone"));
        QCOMPARE(env.readFile("multiple/track.txt"), index);
        QCOMPARE(Module1.WorksheetCount, 2);
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
        for (QString c : {"/", "\\", ":", "*", "?", "<", ">", "|", ",", "&"})
            row("title", "Rome" + c + "Italy", title("cannot contain the character \"" + c + "\".") + choose);
        for (QString t : {".", "..", "Rivers."})
            row("title", t, title("cannot end with the character \".\".") + choose);
        for (QString t : {" ", " Rivers"})
            row("title", t, title("cannot begin with a blank.") + choose);
        for (QString t : {"TRACK", "the moon landings", "Julius CAESAR"})
            row("title", t, "The title \"" + t + "\" belongs to the program's own files." + choose);
        row("title", "Rivers ", title("cannot end with a blank.") + choose);
        row("title", "\"Quoted\"", title("cannot contain a double quote (\").") + choose);
        row("title", "Tab\tbed", title("contains a control character (code 9)") + store);
        row("title", QString::fromUtf8("Ελλάδα"),
            title(QString::fromUtf8("contains the character \"Ε\"")) + store);
        row("q3", QString::fromUtf8("What is 2 \u2260 3?"),
            QString::fromUtf8("Question 3 contains the character \"\u2260\"") + store);
        row("q10D", "two\nlines", "Answer D of Question 10 contains a control character (code 10)" + store);
        row("q1", "\"Veni, vidi, vici\": who said it?", "Question 1 cannot begin with a double quote (\").");
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
        QCOMPARE(worksheetRefusal(set).value_or(QString()), message);
    }
};

QTEST_MAIN(WorksheetStoreTest)
#include "tst_worksheetstore.moc"
