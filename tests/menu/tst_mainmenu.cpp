// The main menu: its entries, the sound switch and the one-shot worksheet index loader. How the
// pointer and the keyboard light its entries is tst_keyboard's.
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
        QVERIFY(!Module1.intro0->Timer1->Enabled());
        // "Sound Off", clicked just above its 17 pixels, silences the entries until the menu is
        // opened again.
        const QRect off = Module1.intro0->Option2->geometry();
        QTest::mouseClick(Module1.intro0->windowHandle(), Qt::LeftButton, {}, off.topLeft() + QPoint(20, -2));
        QCOMPARE(Module1.SoundOn, std::optional<int>(0));
        clickControl(&Module1.intro0->Label2(13));
        QVERIFY(env.sound->played.isEmpty() && Module1.moon->isVisible());
        Module1.intro0.Unload();
        settle();
        Module1.intro0->Show();
        QCOMPARE(Module1.SoundOn, std::optional<int>(1));
        QVERIFY(Module1.intro0->Option1->Value());
    }

    void indexLoader_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("last");
        QTest::newRow("short file lists only what is there") << QByteArray(" 3 \r\nA\r\nB\r\n") << 2 << "B";
        QTest::newRow("above 1000: the first 1000") << indexBytes(sheets(1200)) << 1000 << "Sheet 1000";
        // What was read before stays when the file is missing.
        QTest::newRow("missing file") << QByteArray() << 1 << "Kept";
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
};

QTEST_MAIN(MainMenuTest)
#include "tst_mainmenu.moc"
