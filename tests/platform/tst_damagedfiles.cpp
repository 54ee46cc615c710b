// Damaged data folders: what a reader meets there must never hang the program or exhaust its
// memory, and the code page must give back every byte it read.
#include "app/module1.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "quiz/questionset.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/worksheetindex.h"

#include <QFile>
#include <QTest>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

// A reader that opens a FIFO blocks until a writer comes. Should one block, this writer comes after
// a while, so a failing test ends instead of hanging, and says that it had to.
class FifoRescuer {
public:
    explicit FifoRescuer(QString path) : path_(std::move(path)) {
        thread_ = std::thread([this] {
            for (int i = 0; i < 30 && !done_; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(100));
            if (done_) return;
            rescued_ = true;
            const int fd = ::open(QFile::encodeName(path_).constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        });
    }
    ~FifoRescuer() { finish(); }
    bool finish() {
        done_ = true;
        if (thread_.joinable()) thread_.join();
        return rescued_;
    }

private:
    QString path_;
    std::thread thread_;
    std::atomic<bool> done_{false}, rescued_{false};
};

} // namespace

class DamagedFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void specialFilesAreRefused_data();
    void specialFilesAreRefused();
    void overLongLineRefusesTheSet();
    void everyByteSurvivesTheCodePage();
};

void DamagedFilesTest::specialFilesAreRefused_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("fifo"); // else a link to an endless device
    for (const char* file : {"multiple/Sheet.txt", "multiple/track.txt", "Images/x.jpg", "wmf/page1.wmf"}) {
        QTest::newRow(qPrintable(QStringLiteral("fifo %1").arg(file))) << file << true;
        QTest::newRow(qPrintable(QStringLiteral("/dev/zero %1").arg(file))) << file << false;
    }
}

void DamagedFilesTest::specialFilesAreRefused() {
    QFETCH(QString, file);
    QFETCH(bool, fifo);
    TestEnv env;
    env.writeFile(file, ""); // makes the folder
    const QString path = env.path(file);
    QFile::remove(path);
    if (fifo)
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    else
        QVERIFY(QFile::link("/dev/zero", path));
    Module1.SetTitle = "Before";
    Module1.WorksheetCount = 3;

    FifoRescuer rescuer(path);
    QString problem;
    if (file.endsWith("track.txt")) {
        QVERIFY(!loadWorksheetIndex(file));
        QCOMPARE(Module1.WorksheetCount, 3);
    } else if (file.startsWith("multiple")) {
        QVERIFY(!LoadQuestionSet(file, &problem));
        QCOMPARE(Module1.SetTitle, QString("Before"));
    } else {
        QVERIFY(LoadPicture(file, &problem).isNull());
    }
    QVERIFY2(!rescuer.finish(), "the reader blocked on the file");
    if (!file.endsWith("track.txt")) QVERIFY2(problem.contains("not a file"), qPrintable(problem));
}

void DamagedFilesTest::overLongLineRefusesTheSet() {
    TestEnv env;
    QuestionSet set = sampleQuestionSet("Long");
    set.questions[3].text = QString(5000, 'x');
    env.writeFile("multiple/Long.txt", textFileBytes(questionSetLines(set)));
    QString problem;
    QVERIFY(!LoadQuestionSet("multiple/Long.txt", &problem));
    QVERIFY2(problem.contains("longer than 4096"), qPrintable(problem));
    // A line of exactly the limit is still read.
    set.questions[3].text = QString(4096, 'x');
    env.writeFile("multiple/Long.txt", textFileBytes(questionSetLines(set)));
    QVERIFY(LoadQuestionSet("multiple/Long.txt"));
    QCOMPARE(Module1.QuestionText[4].size(), 4096);
}

void DamagedFilesTest::everyByteSurvivesTheCodePage() {
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const QString text = decodeWindows1252(all);
    QCOMPARE(encodeWindows1252(text), std::optional<QByteArray>(all));
    for (char16_t undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        QCOMPARE(text.at(undefined), QChar(undefined));
}

QTEST_MAIN(DamagedFilesTest)
#include "tst_damagedfiles.moc"
