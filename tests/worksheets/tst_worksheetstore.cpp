// The worksheet store: the files it writes byte for byte, the index's add and delete, what it
// refuses, and what it leaves behind when it fails; then when things go wrong: a disk with no room
// for the write (a limit on file sizes fails the write as a full disk does, without mounting
// anything) for a save, a delete and an export, an export aimed at the program's own files, an index
// as the older program wrote it, and texts longer than the wizard's boxes.
#include "app/module1.h"
#include "platform/files.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetimport.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

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

constexpr qint64 Page = 4096;

// Only `room` pages may be written to any one file: past them the kernel fails the write as a
// full disk does, and the store must notice it in the same checked writes.
struct FileSizeLimit {
    explicit FileSizeLimit(int room) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{static_cast<rlim_t>(room * Page + 256), RLIM_INFINITY};
        ::getrlimit(RLIMIT_FSIZE, &old_);
        limited_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        if (limited_) ::setrlimit(RLIMIT_FSIZE, &old_);
    }
    bool limited_ = false;
    rlimit old_{};
};

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

    void fullDiskChangesNothing() {
        // The worksheet's own file does not fit; the file fits but the index does not.
        using Case = std::pair<QString, int>;
        for (const auto& [action, room] : {Case("resave", 0), Case("new", 1), Case("delete", 1)}) {
            TestEnv env;
            // An index of two pages, so that it never fits where a worksheet's file just does.
            env.writeFile("multiple/track.txt", indexBytes(sheets(500)));
            env.writeFile("multiple/Sheet 2.txt",
                          textFileBytes(questionSetLines(sampleQuestionSet("Sheet 2"))));
            const QByteArray index = env.readFile("multiple/track.txt"),
                             sheet = env.readFile("multiple/Sheet 2.txt");
            CatalogueScreen& c = *Module1.worksheets;
            (action == "delete" ? c.Check2 : c.Check1)->setValue(1);
            if (action != "delete") c.Label2_Click(2); // into the wizard
            if (action == "new") Module1.wizard->Text1->setText("Sheet 501");
            {
                FileSizeLimit limit(room);
                if (action == "delete")
                    c.Label2_Click(2);
                else
                    Module1.wizard->Label3_Click(WizardScreen::SaveWorksheet);
            }
            // The cause, and where: not "corrupted", not "a problem".
            QCOMPARE(env.messages->texts().last(),
                     "The disk that holds the worksheet folder " + env.path("multiple") + " is full.");
            QCOMPARE(env.readFile("multiple/track.txt"), index);
            QCOMPARE(env.readFile("multiple/Sheet 2.txt"), sheet);
            // A worksheet that could not be listed is not left behind, unlisted, to be overwritten unasked.
            QVERIFY(!QFile::exists(env.path("multiple/Sheet 501.txt")));
        }
    }

    // An export never empties the file it replaces, and never lands on the program's own files.
    void exportTellsTheTruth() {
        TestEnv env;
        QVERIFY(saveWorksheet(sampleQuestionSet("Nile")));
        const QByteArray index = env.readFile("multiple/track.txt");
        for (const char* own :
             {"multiple/track.txt", "multiple/track.txt.lock", "multiple/Nile copy.txt", "Images/Nile.txt"}) {
            const auto problem = exportWorksheet("Nile", env.path(own));
            QVERIFY2(problem && problem->contains("choose another folder"), own);
        }
        QCOMPARE(env.readFile("multiple/track.txt"), index);
        QVERIFY(!QFile::exists(env.path("multiple/Nile copy.txt")));
        QTemporaryDir out;
        const QString target = out.filePath("Nile.txt");
        const QByteArray old(3 * Page, 'x');
        writeFileBytes(target, old);
        {
            FileSizeLimit limit(0);
            const auto problem = exportWorksheet("Nile", target);
            QVERIFY(problem && problem->contains("is full"));
        }
        QCOMPARE(fileBytes(target), old);
    }

    // An index as the older program wrote it: titles bare, commas and all, one quoted by hand, LF
    // alone, and one holding bytes the code page leaves undefined. A save and a delete rewrite it
    // with every other title as it was; a question holding such bytes saves again byte for byte.
    void olderIndexKeepsEveryTitle() {
        TestEnv env;
        const QByteArray odd("Caf\x81 \x8D\x8F\x90\x9D");
        env.writeFile("multiple/track.txt", " 5 \r\nRome, Italy\r\n" + odd +
                                                "\r\n\" Greece\" \nSparta, Athens & Thebes\r\nSheet 1\r\n");
        QuestionSet set = sampleQuestionSet("Sheet 1");
        set.questions[0].text = decodeWindows1252(odd);
        QVERIFY(saveWorksheet(set));
        QVERIFY(env.readFile("multiple/Sheet 1.txt").contains("\r\n" + odd + "\r\n"));
        QVERIFY(delworksheet("Sheet 1"));
        QVERIFY(saveWorksheet(sampleQuestionSet("Persia")));
        QCOMPARE(env.readFile("multiple/track.txt"),
                 " 5 \r\nRome, Italy\r\n" + odd + "\r\n\" Greece\"\r\nSparta, Athens & Thebes\r\nPersia\r\n");
    }

    void tooLongTextsAreNamedNotCut() {
        TestEnv env;
        // Made elsewhere: a title of 30 characters, a question of 70, an answer of 40.
        QuestionSet set = sampleQuestionSet(QString(30, 'T'));
        set.questions[2].text = QString(70, 'q');
        set.questions[6].answers[1] = QString(40, 'a');
        env.writeFile("multiple/track.txt", textFileBytes(worksheetIndexLines({set.title})));
        const QByteArray file = textFileBytes(questionSetLines(set));
        env.writeFile("multiple/" + set.title + ".txt", file);
        CatalogueScreen& c = *Module1.worksheets;
        c.Check1->setValue(1);
        c.Label2_Click(1);
        WizardScreen& w = *Module1.wizard;
        QCOMPARE(w.Text2(2).Text(), set.questions[2].text); // the box holds it whole
        w.Label3_Click(WizardScreen::SaveWorksheet);
        QCOMPARE(env.messages->texts().size(), 1);
        const QString message = env.messages->texts().first();
        for (const char* name : {"the Worksheet Title", "Question 3", "Answer B of Question 7"})
            QVERIFY2(message.contains(name), qPrintable(message));
        QCOMPARE(env.readFile("multiple/" + set.title + ".txt"), file);
    }
};

QTEST_MAIN(WorksheetStoreTest)
#include "tst_worksheetstore.moc"
