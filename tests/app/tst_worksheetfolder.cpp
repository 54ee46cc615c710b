// Where teachers' worksheets go: the data folder stays read-only, worksheets land in a folder of
// the user's (or one a school shares), and the topics' own question sets cannot be replaced there.
#include "app/worksheetfolder.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class WorksheetFolderTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        // Settings and the user's data folder in a scratch home, never the real one.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath("share")));
        QCoreApplication::setApplicationName("Tellwyn");
    }

    void choice() {
        const struct {
            const char* named;
            bool dataNamed;
            const char* remembered;
            bool installed, treeWritable;
            const char* expected; // empty: the data folder's own multiple/
        } cases[] = {{"/srv/ws", true, "/old", true, true, "/srv/ws"}, // named beats everything
                     {"", true, "/old", true, true, ""},               // --data-dir alone holds all
                     {"", false, "/old", false, true, "/old"},         // remembered beats the tree
                     {"", false, "", false, true, ""},                 // a writable tree
                     {"", false, "", false, false, "/home/u/multiple"},
                     {"", false, "", true, true, "/home/u/multiple"}}; // installed, even writable
        for (const auto& c : cases)
            QCOMPARE(chooseWorksheetFolder({c.named, c.dataNamed, c.remembered, c.installed, c.treeWritable,
                                            "/home/u/multiple"}),
                     QString(c.expected));
    }

    void pathsUnderMultipleGoToTheWorksheetFolder() {
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
        QCOMPARE(resolveDataPath("multiple\\The Moon Landings.txt"),
                 env.path("multiple/The Moon Landings.txt"));
        QCOMPARE(resolveDataPath("images\\LONDON.JPG"), env.path("Images/london.jpg"));
    }

    // Installed: a named folder is remembered for the next start, but --data-dir still holds
    // everything. The first start into the user's own folder, given an empty index there with
    // nothing written under the prefix, is walked by the installed program in
    // tests/install/check-install.sh.
    void installedProgramRemembersANamedFolder() {
        TestEnv env;
        QTemporaryDir prefix, shared;
        QDir().mkpath(prefix.filePath("bin"));
        QDir().mkpath(prefix.filePath("share/tellwyn/multiple"));
        CommandLine named;
        named.worksheetsDir = shared.filePath("school");
        QCOMPARE(setUpFolders(named, prefix.filePath("bin")), QString());
        QCOMPARE(setUpFolders(CommandLine{}, prefix.filePath("bin")), QString());
        QCOMPARE(dataFolder(), prefix.filePath("share/tellwyn"));
        QCOMPARE(worksheetRoot(), shared.filePath("school"));
        CommandLine data;
        data.dataDir = env.path("");
        QCOMPARE(setUpFolders(data, prefix.filePath("bin")), QString());
        QCOMPARE(worksheetRoot(), env.path("multiple"));
    }

private:
    QTemporaryDir home_;
};

QTEST_MAIN(WorksheetFolderTest)
#include "tst_worksheetfolder.moc"
