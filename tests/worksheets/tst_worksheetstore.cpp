// The worksheet store: the files it writes byte for byte, the index's add and delete, what it
// refuses, and what it leaves behind when it fails.
#include "app/module1.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/worksheetimport.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QTest>

namespace {

// Found through the data folder, which sits beside tests/ wherever the test runs from: ten
// questions with commas, "&", and characters beyond ASCII that the code page holds.
QByteArray golden() {
    return fileBytes(bundledDataFolder() + "/../tests/worksheets/golden/Rivers of Europe.txt");
}

// The golden worksheet, read by the import (which reads the layout on its own terms), retitled.
QuestionSet titled(const QString& title = "Rivers of Europe") {
    QuestionSet set = readWorksheetFile(golden(), "x").set.value_or(QuestionSet{});
    set.title = title;
    return set;
}

} // namespace

class WorksheetStoreTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void worksheetAndIndexAreWrittenByteForByteAndReadBack() {
        TestEnv env;
        QVERIFY(saveWorksheet(titled()));
        QCOMPARE(env.readFile("multiple/Rivers of Europe.txt"), golden());
        QCOMPARE(env.readFile("multiple/track.txt"), QByteArray(" 1 \r\nRivers of Europe\r\n"));
        // It reads back; the format's own rule: a typed "&" comes back as a comma.
        QVERIFY(LoadQuestionSet(worksheetFile("Rivers of Europe")));
        QCOMPARE(Module1.QuestionText[4], QString("Salt , pepper: which river is salty?"));
    }

    void saveInAFullOrBrokenStore() {
        const auto row = [](const QByteArray& index, const QString& title, StoreOutcome outcome) {
            TestEnv env;
            env.writeFile("multiple/track.txt", index);
            const StoreResult r = storeWorksheet(titled(title));
            QCOMPARE(r.outcome, outcome);
            QCOMPARE(env.readFile("multiple/track.txt"), index);
            if (r.succeeded())
                QVERIFY(LoadQuestionSet(worksheetFile(title)));
            else // refused before anything is written
                QCOMPARE(QDir(env.path("multiple")).entryList(QDir::Files), QStringList{"track.txt"});
        };
        row(indexBytes(sheets(MaxWorksheets)), "One too many", StoreOutcome::CatalogueFull);
        row(indexBytes(sheets(MaxWorksheets)), "Sheet 1000", StoreOutcome::Replaced);
        // Saving a listed title again leaves an index the store did not write to the byte.
        row("  2\r\nFractions\r\nRivers of Europe", "Rivers of Europe", StoreOutcome::Replaced);
        row("Fractions\r\n", "Rivers of Europe", StoreOutcome::IndexUnreadable); // no count
    }

    // Each condition decided under the lock, as two teachers meet it; and an empty lock file that
    // nobody holds (its maker killed before it wrote its name) taken over at once, not after the
    // ten seconds a stale lock waits.
    void conditionalSaves() {
        TestEnv env;
        env.writeFile("multiple/track.txt.lock", "");
        int waits = 0;
        const auto save = [&](const QuestionSet& set, SaveCondition c,
                              std::optional<QByteArray> opened = {}) {
            return storeWorksheet(set, {c, std::move(opened), [&] { ++waits; }}).outcome;
        };
        QuestionSet mine = titled("Castles"), theirs = titled("Castles");
        theirs.questions[0].text = "Theirs?";
        QCOMPARE(save(mine, SaveCondition::OnlyIfNew), StoreOutcome::Saved);
        QVERIFY2(waits <= 3, qPrintable(QString::number(waits)));
        QCOMPARE(save(theirs, SaveCondition::OnlyIfNew), StoreOutcome::AlreadyListed);
        const auto opened = storedWorksheetBytes("Castles");
        QCOMPARE(save(mine, SaveCondition::OnlyIfUnchanged), StoreOutcome::ChangedSinceOpened); // "was new"
        QCOMPARE(save(theirs, SaveCondition::Replace), StoreOutcome::Replaced);
        QCOMPARE(save(mine, SaveCondition::OnlyIfUnchanged, opened), StoreOutcome::ChangedSinceOpened);
        QVERIFY(delworksheet("Castles"));
        QCOMPARE(save(mine, SaveCondition::OnlyIfUnchanged, storedWorksheetBytes("Castles")),
                 StoreOutcome::DeletedSinceOpened);
        QVERIFY(env.readFile("multiple/Castles.txt").contains("Theirs?"));
        QCOMPARE(env.readFile("multiple/track.txt"), QByteArray(" 0 \r\n"));
    }

    // Which listing a delete takes off is the store fuzz target's invariant; here, the titles past
    // the 1000th, which the catalogue cannot show, survive the rewrite.
    void deleteKeepsTitlesPastTheThousandth() {
        TestEnv env;
        env.writeFile("multiple/track.txt", indexBytes(sheets(1002)));
        env.writeFile("multiple/Sheet 1.txt", "kept");
        QVERIFY(delworksheet("Sheet 1"));
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes(sheets(1002).mid(1)));
        QCOMPARE(Module1.WorksheetCount, MaxWorksheets);
        // Deleting only unlists: the file stays in the folder.
        QCOMPARE(env.readFile("multiple/Sheet 1.txt"), QByteArray("kept"));
    }

    void refusals() {
        // Question 0 is the title; answer 0 to 3 is A to D, -1 the question's text.
        const auto row = [](int question, int answer, const QString& text, const QString& message) {
            QuestionSet set = titled();
            Question& q = set.questions[std::max(question, 1) - 1];
            (question == 0 ? set.title : answer < 0 ? q.text : q.answers[answer]) = text;
            QCOMPARE(worksheetRefusal(set).value_or(QString()), message);
        };
        const auto title = [](const QString& problem) { return "The Worksheet Title " + problem; };
        const QString choose = " Please choose another title.", store = ", which a worksheet cannot store.";
        // (A "/" is the wizard suite's refused save.)
        row(0, -1, "Rome,Italy & Gaul, Egypt",
            title("cannot contain the character \",\" or the character \"&\". A title may not hold any "
                  "of these characters: / \\ : * ? \" < > | , &.") +
                choose);
        row(0, -1, " Rivers", title("cannot begin with a blank.") + choose);
        row(0, -1, ".Rivers", title("cannot begin with the character \".\".") + choose); // a hidden file
        row(0, -1, "Julius CAESAR",
            "The title \"Julius CAESAR\" belongs to the program's own files." + choose);
        row(3, -1, QString::fromUtf8("What is 2 \u2260 3?"),
            QString::fromUtf8("Question 3 contains the character \"\u2260\"") + store);
        row(10, 3, "two\nlines", "Answer D of Question 10 contains a control character (code 10)" + store);
        row(2, 1, "  \"Quoted\"", "Answer B of Question 2 cannot begin with a double quote (\").");
        // Fine: a title the index holds, beyond ASCII.
        row(0, -1, QString::fromUtf8("Caf\u00e9 (2) - \u20ac5 only!"), QString());
    }
};

QTEST_MAIN(WorksheetStoreTest)
#include "tst_worksheetstore.moc"
