// What the program settles at start. The display scale: which size fits a display, and what the
// command line and the remembered setting accept. Where teachers' worksheets go: the data folder
// stays read-only, worksheets land in a folder of the user's (or one a school shares), and the
// topics' own question sets cannot be replaced there.
#include "app/commandline.h"
#include "app/displayscale.h"
#include "app/module1.h"
#include "app/worksheetfolder.h"
#include "menu/mainmenu.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class StartupTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        // Settings and the user's data folder in a scratch home, never the real one.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.filePath("config")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home_.filePath("share")));
        QCoreApplication::setApplicationName("Tellwyn");
        // Running at another size than the first choice, which therefore waits for the next start.
        applyDisplayScale(1.75);
    }

    // Never shrinking, never above 4. The 800 x 600 screens include their frame; the quiz's 794 x 592
    // client area gets it on top.
    void fittingScale() {
        const QSizeF none, xfwm4(10, 34), tall(10, 45), hd(1920, 1080);
        const std::tuple<QSizeF, QSizeF, double> cases[] = {{{640, 480}, xfwm4, 1.0},
                                                            {hd, xfwm4, 1.75},
                                                            {hd, tall, 1.5},
                                                            {{3840, 2160}, xfwm4, 3.5},
                                                            {{8000, 6000}, none, 4.0}};
        for (const auto& [available, frame, scale] : cases)
            QCOMPARE(fittingDisplayScale(available, frame), scale);
    }

    // A scale written by hand (0: automatic), and the command line: Qt's own options pass to Qt, a
    // mistyped one still stops the program, and a file named alone is not silently ignored.
    void choicesWrittenByHand() {
        const std::tuple<const char*, bool, double> scales[] = {
            {"Auto", true, 0},  {"1.25", true, 1.25}, {"0.5", false, 0}, {"1.3", false, 0},
            {"4.25", false, 0}, {"big", false, 0},    {"-2", false, 0}};
        for (const auto& [text, ok, scale] : scales) {
            bool parsed = false;
            QCOMPARE(parseDisplayScale(text, &parsed).value_or(0.0), scale);
            QCOMPARE(parsed, ok);
            QCOMPARE(parseCommandLine({"tellwyn", "--scale", text}).error.isEmpty(), ok);
        }
        const std::tuple<QStringList, bool, QString> lines[] = {
            {{"-platform", "offscreen", "--data-dir=d"}, true, "d"},
            {{"-platfrom", "offscreen"}, false, ""},
            {{"--data-dir", "d"}, true, "d"},
            {{"--data-dir", "--scale", "2"}, false, ""}};
        for (const auto& [args, accepted, dataDir] : lines) {
            const CommandLine c = parseCommandLine(QStringList{"tellwyn"} + args);
            QCOMPARE((std::pair{c.error.isEmpty(), c.dataDir}), (std::pair{accepted, dataDir}));
        }
        QVERIFY(parseCommandLine({"tellwyn", "sheet.txt"}).error.contains("--import sheet.txt"));
    }

    void menuStepsThroughTheSizesAndRemembersThem() {
        TestEnv env;
        MainMenu& menu = *Module1.intro0;
        QCOMPARE(rememberedDisplayScale(), std::nullopt);
        const double fitting = resolveDisplayScale(std::nullopt);
        QStringList captions{menu.ScreenSize->Caption()};
        std::optional<double> choice;
        do {
            clickControl(menu.ScreenSize);
            choice = rememberedDisplayScale();
            captions << menu.ScreenSize->Caption();
        } while (choice && captions.size() < 20);
        QCOMPARE(captions.size(), 2 + int((fitting - 1) / 0.25) + 1);
        QVERIFY(captions[1] == "Next start: 1x" && captions.first() == captions.last());
        QVERIFY(captions.first().contains("automatic"));
    }

    // Empty: the data folder's own multiple/. --data-dir alone is set up below.
    void worksheetFolderChoice() {
        const std::tuple<const char*, bool, const char*, bool, bool, const char*> cases[] = {
            {"/srv/ws", true, "/old", true, true, "/srv/ws"}, // named beats everything
            {"", false, "/old", false, true, "/old"},         // remembered beats the tree
            {"", false, "", false, true, ""},                 // a writable tree
            {"", false, "", false, false, "/home/u/multiple"},
            {"", false, "", true, true, "/home/u/multiple"}}; // installed, even writable
        for (const auto& [named, dataNamed, remembered, installed, treeWritable, expected] : cases)
            QCOMPARE(chooseWorksheetFolder(
                         {named, dataNamed, remembered, installed, treeWritable, "/home/u/multiple"}),
                     QString(expected));
    }

    // Paths under multiple/ go to the worksheet folder, but for the topics' own question sets.
    // Installed, a named folder is remembered for the next start once it is set up (not a file),
    // but --data-dir still holds everything. The first start into the user's own folder, and a
    // folder for one run that is not remembered, are the installed program's in
    // tests/install/check-school.sh.
    void worksheetFolderPathsAndTheInstalledProgram() {
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

        QTemporaryDir prefix, shared;
        QDir().mkpath(prefix.filePath("bin"));
        QDir().mkpath(prefix.filePath("share/tellwyn/multiple"));
        {
            // No home folder: said, not a worksheet folder at "//.local".
            const QByteArray home = qgetenv("HOME"), data = qgetenv("XDG_DATA_HOME");
            qunsetenv("HOME");
            qunsetenv("XDG_DATA_HOME");
            const QString problem = setUpFolders(CommandLine{}, prefix.filePath("bin"));
            qputenv("HOME", home);
            qputenv("XDG_DATA_HOME", data);
            QVERIFY2(problem.startsWith("HOME is not set"), qPrintable(problem));
        }
        CommandLine named;
        named.worksheetsDir = shared.filePath("school");
        QCOMPARE(setUpFolders(named, prefix.filePath("bin")), QString());
        QFile(shared.filePath("a file")).open(QIODevice::WriteOnly);
        for (const QString& unusable : {shared.filePath("a file"), QString("/dev/null")}) {
            named.worksheetsDir = unusable;
            QVERIFY(!setUpFolders(named, prefix.filePath("bin")).isEmpty());
        }
        QCOMPARE(setUpFolders(CommandLine{}, prefix.filePath("bin")), QString());
        QCOMPARE((std::pair{dataFolder(), worksheetRoot()}),
                 (std::pair{prefix.filePath("share/tellwyn"), shared.filePath("school")}));
        // Written by hand in a settings file: from the home folder, never the current one.
        QCOMPARE(rememberedFolderPath("sheets", "/home/u"), QString("/home/u/sheets"));
        QCOMPARE(rememberedFolderPath("~/sheets", "/home/u"), QString("/home/u/sheets"));
        QCOMPARE(rememberedFolderPath("~", ""), std::nullopt);
        CommandLine data;
        data.dataDir = env.path("");
        QCOMPARE(setUpFolders(data, prefix.filePath("bin")), QString());
        QCOMPARE(worksheetRoot(), env.path("multiple"));
    }

private:
    QTemporaryDir home_;
};

QTEST_MAIN(StartupTest)
#include "tst_startup.moc"
