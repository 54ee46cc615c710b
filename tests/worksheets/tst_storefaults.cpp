// The worksheet store when things go wrong: a disk with no room for the write (a limit on file sizes
// fails the write as a full disk does, without mounting anything) for a save, a delete and an
// export, an export aimed at the program's own files, an index as the older program wrote it, and
// texts longer than the wizard's boxes.
#include "app/module1.h"
#include "platform/files.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetimport.h"
#include "worksheets/worksheetstore.h"

#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

namespace {

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

class StoreFaultsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

QTEST_MAIN(StoreFaultsTest)
#include "tst_storefaults.moc"
