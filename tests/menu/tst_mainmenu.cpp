// The main menu: its entries, the sound switch and the one-shot worksheet index loader.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

class MainMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadSwitchesSoundOnAndReadsTheIndex() {
        TestEnv env;
        env.writeFile("multiple/track.txt", " 2 \r\nFractions\r\nRivers of Europe\r\n");
        QVERIFY(!Module1.SoundOn);
        Module1.intro0->Show();
        QCOMPARE(Module1.SoundOn, std::optional<int>(1));
        QTRY_COMPARE(Module1.WorksheetCount, 2);
        QCOMPARE(Module1.WorksheetTitles[2], QString("Rivers of Europe"));
        QVERIFY(!Module1.intro0->Timer1->Enabled());
    }

    void indexLoader_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("last");
        QTest::newRow("count 0 reads no title") << QByteArray(" 0 \r\n") << 0 << QString();
        QTest::newRow("short file lists only what is there") << QByteArray(" 3 \r\nA\r\nB\r\n") << 2 << "B";
        QTest::newRow("text after the titles is not read") << QByteArray(" 1 \r\nA\r\nB\r\n") << 1 << "A";
        QTest::newRow("above 1000: the first 1000") << indexBytes(sheets(1200)) << 1000 << "Sheet 1000";
        // What was read before stays when the file is missing or holds no count.
        QTest::newRow("missing file") << QByteArray() << 1 << "Kept";
        QTest::newRow("no count") << QByteArray("no number\r\n") << 1 << "Kept";
        QTest::newRow("a comma is part of a title") << QByteArray(" 1 \r\nRome, Italy\r\n") << 1 << "Rome, Italy";
    }
    void indexLoader() {
        QFETCH(QByteArray, file);
        QFETCH(int, count);
        QFETCH(QString, last);
        TestEnv env;
        Module1.WorksheetCount = 1;
        Module1.WorksheetTitles[1] = "Kept";
        if (!file.isNull()) env.writeFile("multiple/track.txt", file);
        Module1.intro0->Timer1_Timer();
        QCOMPARE(Module1.WorksheetCount, count);
        QCOMPARE(Module1.WorksheetTitles[count], count ? last : QString());
        QCOMPARE(Module1.WorksheetTitles[0], QString());
    }

    void soundOffSilencesEntries() {
        TestEnv env;
        MainMenu& menu = *Module1.intro0;
        menu.Show();
        clickControl(menu.Option2);
        QCOMPARE(Module1.SoundOn, std::optional<int>(0));
        clickControl(&menu.Label2(13));
        QVERIFY(env.sound->played.isEmpty());
        QVERIFY(!Module1.Grey.isLoaded());
        clickControl(menu.Option1);
        QCOMPARE(Module1.SoundOn, std::optional<int>(1));
        QVERIFY(env.sound->played.isEmpty()); // the switch itself plays nothing
        // Switched off, the menu opened again switches sound back on.
        clickControl(menu.Option2);
        Module1.intro0.Unload();
        settle();
        Module1.intro0->Show();
        QCOMPARE(Module1.SoundOn, std::optional<int>(1));
        QVERIFY(Module1.intro0->Option1->Value());
    }

    void hoverLightsOnlyTheEntryUnderThePointer() {
        TestEnv env;
        MainMenu& menu = *Module1.intro0;
        menu.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        QTest::mouseMove(menu.windowHandle(), QPoint(400, 580)); // bare screen under the footer
        for (const auto& [i, label] : menu.Label2.items())
            QVERIFY2(!label->Opaque(), qPrintable(QString::number(i)));
        QTest::mouseMove(menu.windowHandle(), menu.Label2(1).geometry().center());
        QVERIFY(menu.Label2(1).Opaque());
        QVERIFY(!menu.Label2(13).Opaque());
    }

    void topicEntriesOpenTheirHubs() {
        TestEnv env;
        MainMenu& menu = *Module1.intro0;
        menu.Show();
        clickControl(&menu.Label2(13));
        QVERIFY(Module1.moon->isVisible());
        QCOMPARE(Module1.moon->Label1->Caption(), QString("The Moon Landings"));
        clickControl(&menu.Label2(1));
        QVERIFY(Module1.caesar->isVisible());
        QCOMPARE(Module1.caesar->BackColor(), RGB(126, 110, 59));
        QVERIFY(menu.isVisible()); // the menu stays loaded underneath
        QCOMPARE(env.sound->played, (QStringList{"wav/click.wav", "wav/click.wav"}));
        // The hub's Exit shows the menu and unloads the hub.
        clickControl(&Module1.caesar->Label3(2));
        settle();
        QVERIFY(!Module1.caesar.isLoaded());
    }
};

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
