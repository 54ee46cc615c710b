// The display scale: which size fits a display, what the command line and the remembered setting
// accept, and that drops and hit tests keep to design units when everything is drawn larger.
#include "activities/orderingscreens.h"
#include "app/commandline.h"
#include "app/displayscale.h"
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "support/testenv.h"

#include <QSettings>
#include <QStandardPaths>
#include <QTest>

class DisplayScaleTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QSettings(QStringLiteral("Tellwyn"), QStringLiteral("Tellwyn")).clear();
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
};

QTEST_MAIN(DisplayScaleTest)
#include "tst_displayscale.moc"
