// Where teachers' worksheets go: the data folder stays read-only, worksheets land in a folder of
// the user's (or one a school shares), and the topics' own question sets cannot be replaced there.
#include "app/worksheetfolder.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "support/testenv.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class WorksheetFolderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void choice_data();
    void choice();
    void pathsUnderMultipleGoToTheWorksheetFolder();
    void installedProgramKeepsWorksheetsInTheUsersFolder();
    void namedFolderIsRememberedButDataDirStillHoldsEverything();

private:
    QTemporaryDir home_;
};

void WorksheetFolderTest::initTestCase() {
    // Settings and the user's data folder in a scratch home, never the real one.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath("share")));
    QCoreApplication::setApplicationName("Tellwyn");
}

void WorksheetFolderTest::choice_data() {
    QTest::addColumn<QString>("named");
    QTest::addColumn<bool>("dataNamed");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<bool>("treeWritable");
    QTest::addColumn<QString>("expected"); // empty: the data folder's own multiple/

    QTest::newRow("named beats everything") << "/srv/ws" << true << "/old" << true << true << "/srv/ws";
    QTest::newRow("data dir alone holds all") << "" << true << "/old" << true << true << "";
    QTest::newRow("remembered beats the tree") << "" << false << "/old" << false << true << "/old";
    QTest::newRow("writable tree") << "" << false << "" << false << true << "";
    QTest::newRow("read-only tree") << "" << false << "" << false << false << "/home/u/multiple";
    QTest::newRow("installed, even writable") << "" << false << "" << true << true << "/home/u/multiple";
}

void WorksheetFolderTest::choice() {
    QFETCH(QString, named);
    QFETCH(bool, dataNamed);
    QFETCH(QString, remembered);
    QFETCH(bool, installed);
    QFETCH(bool, treeWritable);
    QFETCH(QString, expected);
    const WorksheetFolderInputs in{named, dataNamed, remembered, installed, treeWritable, "/home/u/multiple"};
    QCOMPARE(chooseWorksheetFolder(in), expected);
}

void WorksheetFolderTest::pathsUnderMultipleGoToTheWorksheetFolder() {
    TestEnv env;
    env.writeFile("multiple/The Moon Landings.txt", "data\r\n");
    env.writeFile("Images/london.jpg", "jpg");
    QTemporaryDir ws;
    QFile(ws.filePath("the moon landings.txt")).open(QIODevice::WriteOnly); // a stray look-alike
    setWorksheetFolder(ws.path());
    pinToDataFolder({"The Moon Landings.txt"});

    QCOMPARE(resolveDataPath("multiple\\track.txt"), ws.filePath("track.txt"));
    QCOMPARE(resolveDataPath("MULTIPLE/Kings.txt"), ws.filePath("Kings.txt"));
    QCOMPARE(resolveDataPath("multiple"), ws.path());
    QCOMPARE(resolveDataPath("multiple\\The Moon Landings.txt"), env.path("multiple/The Moon Landings.txt"));
    QCOMPARE(resolveDataPath("images\\london.jpg"), env.path("Images/london.jpg"));
    QCOMPARE(resolveDataPath("multiple/../Images/london.jpg"), QString());

    // The first use of a new folder gives it an empty index; a second leaves what is there.
    setWorksheetFolder(ws.filePath("new/deeper"));
    QVERIFY(ensureWorksheetIndex());
    QFile index(ws.filePath("new/deeper/track.txt"));
    QVERIFY(index.open(QIODevice::ReadOnly));
    QCOMPARE(index.readAll(), QByteArray(" 0 \r\n"));
    QVERIFY(ensureWorksheetIndex());

    // A data folder set again (as --data-dir does) holds the worksheets once more.
    setDataFolder(env.path(""));
    QCOMPARE(worksheetRoot(), env.path("multiple"));
}

void WorksheetFolderTest::installedProgramKeepsWorksheetsInTheUsersFolder() {
    TestEnv env;
    QTemporaryDir prefix;
    QDir().mkpath(prefix.filePath("bin"));
    QDir().mkpath(prefix.filePath("share/tellwyn/multiple"));
    QCOMPARE(setUpFolders(CommandLine{}, prefix.filePath("bin")), QString());
    QCOMPARE(dataFolder(), prefix.filePath("share/tellwyn"));
    QCOMPARE(worksheetRoot(), home_.filePath("share/Tellwyn/multiple"));
    QVERIFY(QFile::exists(home_.filePath("share/Tellwyn/multiple/track.txt")));
    QVERIFY(!QFile::exists(prefix.filePath("share/tellwyn/multiple/track.txt")));
}

void WorksheetFolderTest::namedFolderIsRememberedButDataDirStillHoldsEverything() {
    TestEnv env;
    QTemporaryDir prefix, shared;
    QDir().mkpath(prefix.filePath("bin"));
    QDir().mkpath(prefix.filePath("share/tellwyn/multiple"));
    CommandLine named;
    named.worksheetsDir = shared.filePath("school");
    QCOMPARE(setUpFolders(named, prefix.filePath("bin")), QString());
    QCOMPARE(setUpFolders(CommandLine{}, prefix.filePath("bin")), QString());
    QCOMPARE(worksheetRoot(), shared.filePath("school"));

    CommandLine data;
    data.dataDir = env.path("");
    QCOMPARE(setUpFolders(data, prefix.filePath("bin")), QString());
    QCOMPARE(worksheetRoot(), env.path("multiple"));
}

QTEST_MAIN(WorksheetFolderTest)
#include "tst_worksheetfolder.moc"
