// The worksheet store when things go wrong: a disk with no room for the write, an index as the
// older program wrote it, the bytes the code page leaves undefined, and texts longer than the
// wizard's boxes.
#include "app/module1.h"
#include "platform/files.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>

namespace {

constexpr qint64 Page = 4096;
const QString SaveFailed = QStringLiteral("There was a problem saving your worksheet");
const QString Corrupted = QStringLiteral("This worksheet seems to be corrupted.");

void fillWizard(WizardScreen& w, const QuestionSet& set) {
    w.Text1->setText(set.title);
    for (int i = 0; i < 10; ++i) {
        w.Text2(i).setText(set.questions[i].text);
        for (int k = 0; k < 4; ++k)
            w.Text3(4 * i + k).setText(set.questions[i].answers[k]);
        w.Check1(4 * i + set.questions[i].correct.toInt() - 1).setValue(1);
    }
}

// A data folder with only `room` pages left for what a save writes, beside its lock file: a small
// tmpfs filled up, where mounting is allowed, or else a limit on the size of any file written
// (the kernel then fails the write as a full disk would).
class TightDisk {
public:
    enum Kind { Tmpfs, FileSizeLimit };
    explicit TightDisk(Kind kind) : kind_(kind) {
        if (kind_ == FileSizeLimit) return;
        mounted_ = ::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=512k") == 0;
        if (!mounted_) return;
        setDataFolder(dir_.path());
        QDir(dir_.path()).mkpath("multiple");
    }
    ~TightDisk() {
        lift();
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    bool ready() const { return kind_ == FileSizeLimit || mounted_; }

    void tighten(int room) {
        if (kind_ == FileSizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlim_t bytes = static_cast<rlim_t>(room * Page + 256);
            rlimit limit{bytes, RLIM_INFINITY};
            ::getrlimit(RLIMIT_FSIZE, &old_);
            limited_ = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
            return;
        }
        const QByteArray page(Page, 'f');
        int n = 0;
        for (;; ++n) {
            QFile f(dir_.path() + QStringLiteral("/fill%1").arg(n));
            if (!f.open(QIODevice::WriteOnly) || f.write(page) != Page || !f.flush()) break;
        }
        QFile::remove(dir_.path() + QStringLiteral("/fill%1").arg(n));
        for (int k = 1; k <= room + 1; ++k) // and one page for the lock file
            QFile::remove(dir_.path() + QStringLiteral("/fill%1").arg(n - k));
    }
    void lift() {
        if (limited_) ::setrlimit(RLIMIT_FSIZE, &old_);
        limited_ = false;
    }
    QByteArray read(const QString& relative) const {
        QFile f(resolveDataPath(relative));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    void write(const QString& relative, const QByteArray& bytes) {
        QFile f(resolveDataPath(relative));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }

private:
    Kind kind_;
    QTemporaryDir dir_;
    bool mounted_ = false, limited_ = false;
    rlimit old_{};
};

} // namespace

class StoreFaultsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fullDiskChangesNothing_data();
    void fullDiskChangesNothing();
    void olderIndexKeepsEveryTitle();
    void undefinedBytesSaveAndDeleteAgain();
    void tooLongTextsAreNamedNotCut();
};

void StoreFaultsTest::fullDiskChangesNothing_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("action"); // resave, new, delete
    QTest::addColumn<int>("room");
    for (int kind : {TightDisk::Tmpfs, TightDisk::FileSizeLimit}) {
        const char* k = kind == TightDisk::Tmpfs ? "tmpfs" : "file size limit";
        // The worksheet's own file does not fit; the file fits but the index does not.
        QTest::newRow(qPrintable(QStringLiteral("%1, resave").arg(k))) << kind << "resave" << 0;
        QTest::newRow(qPrintable(QStringLiteral("%1, new").arg(k))) << kind << "new" << 1;
        QTest::newRow(qPrintable(QStringLiteral("%1, delete").arg(k))) << kind << "delete" << 1;
    }
}

void StoreFaultsTest::fullDiskChangesNothing() {
    QFETCH(int, kind);
    QFETCH(QString, action);
    QFETCH(int, room);
    TestEnv env;
    TightDisk disk(static_cast<TightDisk::Kind>(kind));
    if (!disk.ready()) QSKIP("a tmpfs cannot be mounted here");
    // An index of two pages, so that it never fits where a worksheet's file just does.
    const QStringList titles = sheets(500);
    QVERIFY(writeTextFileAtomically(resolveDataPath("multiple/track.txt"), worksheetIndexLines(titles)));
    QVERIFY(writeTextFileAtomically(resolveDataPath("multiple/Sheet 2.txt"),
                                    questionSetLines(sampleQuestionSet("Sheet 2"))));
    const QByteArray index = disk.read("multiple/track.txt"), sheet = disk.read("multiple/Sheet 2.txt");

    disk.tighten(room);
    if (action == "delete") {
        CatalogueScreen& c = *Module1.worksheets;
        c.Check2->setValue(1);
        c.Label2_Click(2);
        QCOMPARE(env.messages->texts().last(), Corrupted);
    } else {
        WizardScreen& w = *Module1.wizard;
        fillWizard(w, sampleQuestionSet(action == "new" ? "Sheet 501" : "Sheet 2", 3));
        w.Label3_Click(1);
        QCOMPARE(env.messages->texts(), QStringList{SaveFailed});
    }
    disk.lift();
    QCOMPARE(disk.read("multiple/track.txt"), index);
    QCOMPARE(disk.read("multiple/Sheet 2.txt"), sheet);
    QVERIFY(loadWorksheetIndex("multiple\\track.txt"));
    QCOMPARE(Module1.WorksheetCount, 500);
}

void StoreFaultsTest::olderIndexKeepsEveryTitle() {
    TestEnv env;
    // As the older program wrote it: titles bare, commas and all; one quoted by hand, LF alone.
    env.writeFile("multiple/track.txt",
                  " 4 \r\nRome, Italy\r\nEgypt\r\n\" Greece\" \nSparta, Athens & Thebes\r\n");
    QVERIFY(loadWorksheetIndex("multiple\\track.txt"));
    const QStringList read =
        QStringList(Module1.WorksheetTitles.begin() + 1, Module1.WorksheetTitles.begin() + 5);
    QCOMPARE(read, (QStringList{"Rome, Italy", "Egypt", " Greece", "Sparta, Athens & Thebes"}));
    // A save and a delete rewrite the index with every other title in it.
    QVERIFY(saveWorksheet(sampleQuestionSet("Persia")));
    QVERIFY(delworksheet("Egypt"));
    QCOMPARE(env.readFile("multiple/track.txt"),
             textFileBytes({" 4 ", "Rome, Italy", "\" Greece\"", "Sparta, Athens & Thebes", "Persia"}));
    // A comma stays refused in a new title.
    QVERIFY(worksheetRefusal(sampleQuestionSet("Paris, France")).has_value());
}

void StoreFaultsTest::undefinedBytesSaveAndDeleteAgain() {
    TestEnv env;
    const QByteArray odd("Caf\x81 \x8D\x8F\x90\x9D");
    env.writeFile("multiple/track.txt", " 2 \r\n" + odd + "\r\nSheet 1\r\n");
    QuestionSet set = sampleQuestionSet("Sheet 1");
    set.questions[0].text = decodeWindows1252(odd);
    env.writeFile("multiple/Sheet 1.txt", textFileBytes(questionSetLines(set)));
    // A question holding one is saved again after an edit, byte for byte.
    QVERIFY(!worksheetRefusal(set).has_value());
    QVERIFY(saveWorksheet(set));
    QVERIFY(env.readFile("multiple/Sheet 1.txt").contains("\r\n" + odd + "\r\n"));
    // One in an index title blocks neither a delete nor a later save.
    QVERIFY(delworksheet("Sheet 1"));
    QVERIFY(saveWorksheet(sampleQuestionSet("Sheet 2")));
    QCOMPARE(env.readFile("multiple/track.txt"), " 2 \r\n" + odd + "\r\nSheet 2\r\n");
}

void StoreFaultsTest::tooLongTextsAreNamedNotCut() {
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
    QCOMPARE(w.Text1->Text(), set.title);
    QCOMPARE(w.Text2(2).Text(), set.questions[2].text);
    QCOMPARE(w.Text3(4 * 6 + 1).Text(), set.questions[6].answers[1]);
    w.Label3_Click(1);
    QCOMPARE(env.messages->texts().size(), 1);
    const QString message = env.messages->texts().first();
    for (const char* name : {"the Worksheet Title", "Question 3", "Answer B of Question 7"})
        QVERIFY2(message.contains(name), qPrintable(message));
    QCOMPARE(env.readFile("multiple/" + set.title + ".txt"), file);
    // Shortened, it saves whole.
    w.Text2(2).setText("Short enough?");
    w.Text3(4 * 6 + 1).setText("Short");
    w.Text1->setText("Short title");
    w.Label3_Click(1);
    QCOMPARE(env.messages->texts().last(), QString("Your worksheet has been saved."));
}

QTEST_MAIN(StoreFaultsTest)
#include "tst_storefaults.moc"
