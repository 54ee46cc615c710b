// What the program settles at start. The display scale: which size fits a display, what the
// command line and the remembered setting accept, and that drops and hit tests keep to design units
// when everything is drawn larger. Where teachers' worksheets go: the data folder stays read-only,
// worksheets land in a folder of the user's (or one a school shares), and the topics' own question
// sets cannot be replaced there.
#include "activities/orderingscreens.h"
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
        // Before any window, as the program does at start; a size that is not a whole number of pixels.
        applyDisplayScale(1.75);
    }

    void fittingScale_data() {
        QTest::addColumn<QSizeF>("available");
        QTest::addColumn<QSizeF>("frame");
        QTest::addColumn<double>("scale");
        const QSizeF none, xfwm4(10, 34);
        QTest::newRow("too small never shrinks") << QSizeF(640, 480) << xfwm4 << 1.0;
        // The 800 x 600 screens include their frame; the quiz's 794 x 592 client area gets it on top.
        QTest::newRow("projector, framed") << QSizeF(1920, 1080) << xfwm4 << 1.75;
        QTest::newRow("frame just too tall") << QSizeF(1920, 1080) << QSizeF(10, 45) << 1.5;
        QTest::newRow("4k") << QSizeF(3840, 2160) << xfwm4 << 3.5;
        QTest::newRow("never above 4") << QSizeF(8000, 6000) << none << 4.0;
    }

    void fittingScale() {
        QFETCH(QSizeF, available);
        QFETCH(QSizeF, frame);
        QFETCH(double, scale);
        QCOMPARE(fittingDisplayScale(available, frame), scale);
    }

    void choicesWrittenByHand_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("scale"); // 0: automatic
        QTest::newRow("Auto") << "Auto" << true << 0.0;
        QTest::newRow("quarter steps") << "1.25" << true << 1.25;
        for (const char* bad : {"0.5", "1.3", "4.25", "big", "-2"})
            QTest::newRow(bad) << bad << false << 0.0;
    }

    void choicesWrittenByHand() {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, scale);
        bool parsed = false;
        QCOMPARE(parseDisplayScale(text, &parsed).value_or(0.0), scale);
        QCOMPARE(parsed, ok);
        QCOMPARE(parseCommandLine({"tellwyn", "--scale", text}).error.isEmpty(), ok);
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
        QCOMPARE(captions[1], QStringLiteral("Next start: 1x"));
        QCOMPARE(captions.first(), captions.last());
        QVERIFY(captions.first().contains("automatic"));
    }

    // Full screen, as a window manager makes it, with the designed screen centred in the window.
    // Drops at the designed size are walked at two scales by tests/app/check-xvfb-scale.sh.
    void dropsLandWhereTheyLandUnscaled() {
        TestEnv env;
        OrderingScreen& s = *Module1.moonord;
        s.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCOMPARE(s.devicePixelRatioF(), 1.75);
        const QSize extra(200, 100);
        s.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        s.resize(s.minimumSize() + extra);
        QTRY_COMPARE(s.size(), s.minimumSize() + extra);
        const TwipRect slot = s.Label1(0).twipRect();
        QCOMPARE(s.Label1(0).pos(),
                 slot.toPixels().topLeft() + QPoint(extra.width() / 2, extra.height() / 2));
        for (int i = 0; i < 5; ++i) {
            QWindow* w = s.windowHandle();
            QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, s.Label2(i).geometry().center());
            QTest::mouseMove(w, s.Label1(4 - i).geometry().center());
            QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, s.Label1(4 - i).geometry().center());
            QCOMPARE(s.Label2(i).Left(), s.Label1(4 - i).Left());
            QCOMPARE(s.Label2(i).Top(), s.Label1(4 - i).Top());
        }
        QCOMPARE(s.Label1(0).twipRect().left, slot.left);
        QVERIFY(s.Label3(2).Visible());
    }

    void worksheetFolderChoice() {
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

    // Installed: a named folder is remembered for the next start once it is set up (not a file,
    // not with --once), but --data-dir still holds everything. The first start into the user's own folder,
    // given an empty index there with nothing written under the prefix, is walked by the installed program in
    // tests/install/check-install.sh.
    void installedProgramRemembersANamedFolder() {
        TestEnv env;
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
        named.worksheetsDir = shared.filePath("this run");
        named.once = true;
        QCOMPARE(setUpFolders(named, prefix.filePath("bin")), QString());
        QCOMPARE(worksheetRoot(), shared.filePath("this run"));
        QCOMPARE(setUpFolders(CommandLine{}, prefix.filePath("bin")), QString());
        QCOMPARE(dataFolder(), prefix.filePath("share/tellwyn"));
        QCOMPARE(worksheetRoot(), shared.filePath("school"));
        // Written by hand in a settings file: from the home folder, never the current one.
        QCOMPARE(rememberedFolderPath("sheets", "/home/u"), QString("/home/u/sheets"));
        QCOMPARE(rememberedFolderPath("~/sheets", "/home/u"), QString("/home/u/sheets"));
        QCOMPARE(rememberedFolderPath("~", ""), std::nullopt);
        // A file named alone is not silently ignored.
        QVERIFY(parseCommandLine({"tellwyn", "sheet.txt"}).error.contains("--import sheet.txt"));
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
