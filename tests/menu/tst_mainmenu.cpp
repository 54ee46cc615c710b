// The main menu: its entries, the sound switch and the one-shot worksheet index loader. How the
// pointer and the keyboard light its entries is tst_keyboard's.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

class MainMenuTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadSwitchesSoundOnAndReadsTheIndex() {
        TestEnv env;
        // It counts three titles and holds two: the two are listed.
        env.writeFile("multiple/track.txt", " 3 \r\nFractions\r\nRivers of Europe\r\n");
        QVERIFY(!Module1.SoundOn);
        Module1.intro0->Show();
        QCOMPARE(Module1.SoundOn, std::optional<int>(1));
        QTRY_COMPARE(Module1.WorksheetCount, 2);
        QCOMPARE(Module1.WorksheetTitles[2], QString("Rivers of Europe"));
        // "Sound Off", clicked just above its 17 pixels, silences the entries until the menu is
        // opened again.
        const QRect off = Module1.intro0->Option2->geometry();
        QTest::mouseClick(Module1.intro0->windowHandle(), Qt::LeftButton, {}, off.topLeft() + QPoint(20, -2));
        QCOMPARE(Module1.SoundOn, std::optional<int>(0));
        clickControl(&Module1.intro0->Label2(MainMenu::MoonLandings));
        QVERIFY(env.sound->played.isEmpty() && Module1.moon->isVisible());
        // Opened again with the index gone: what was read before stays. (Past 1000 titles, the
        // first 1000 are read: the store suite's.)
        QVERIFY(QFile::remove(env.path("multiple/track.txt")));
        Module1.intro0.Unload();
        settle();
        Module1.intro0->Show();
        QCOMPARE(Module1.SoundOn, std::optional<int>(1));
        QVERIFY(Module1.intro0->Option1->Value());
        QTRY_VERIFY(!Module1.intro0->Timer1->Enabled());
        QVERIFY(Module1.WorksheetCount == 2 && Module1.WorksheetTitles[2] == "Rivers of Europe");
    }
};

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
