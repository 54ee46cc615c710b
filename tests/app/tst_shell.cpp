// The screen frame, the title screen's way in and out, and the sound switch's gate.
#include "app/module1.h"
#include "app/setupscreen.h"
#include "app/titlescreen.h"
#include "menu/mainmenu.h"
#include "platform/build.h"
#include "sound/greyform.h"
#include "sound/playsound.h"
#include "support/testenv.h"

#include <QTest>

namespace {
class FramedForm : public Form {
public:
    explicit FramedForm(bool withPicture) {
        if (withPicture) placed(new PictureBox(this), "Picture1", {0, 0, 855, 615});
    }
};
} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void setupScreenFramesAndCentres_data() {
        QTest::addColumn<QSize>("display");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(112, 84);
        QTest::newRow("exactly 800 x 600") << QSize(800, 600) << QPoint(0, 0);
        QTest::newRow("smaller: no clamping") << QSize(640, 480) << QPoint(-80, -60);
    }
    void setupScreenFramesAndCentres() {
        QFETCH(QSize, display);
        QFETCH(QPoint, topLeft);
        TestEnv env;
        env.display->size = QSizeF(display) * 15;
        FramedForm withPicture(true), without(false);
        SetupScreen(withPicture);
        SetupScreen(without);
        for (Form* f : {&withPicture, &without}) {
            QCOMPARE(f->BackColor(), RGB(39, 63, 137));
            QCOMPARE(f->Caption(), QString("Tellwyn"));
            QCOMPARE(f->Width(), 12000.0f);
            QCOMPARE(f->Height(), 9000.0f);
            QCOMPARE(f->pos(), topLeft);
        }
        QCOMPARE(withPicture.findChild<PictureBox*>("Picture1")->BackColor(), RGB(49, 135, 214));
    }

    void titleScreenStartsCentredOverTheBackdrop() {
        TestEnv env;
        env.display->size = QSizeF(1024, 768) * 15;
        TitleScreen& title = *Module1.Titlefrm;
        title.Show();
        QVERIFY(Module1.Grey.isLoaded() && Module1.Grey->isVisible());
        QCOMPARE(Module1.Grey->BackColor(), RGB(48, 133, 214));
        QCOMPARE(title.size(), QSize(364, 438));
        QCOMPARE(title.pos(), QPoint(512 - 182, 384 - 219));
        QVERIFY(!Module1.SoundOn.has_value());
    }

    void exitAtStartEndsSilently() {
        TestEnv env;
        Module1.Titlefrm->Show();
        clickControl(Module1.Titlefrm->Command2);
        QCOMPARE(env.programEnd->statuses, std::vector<int>{0});
        QVERIFY(env.sound->played.isEmpty());
    }

    void okThenMenuExitCancelAndExitAgain() {
        TestEnv env;
        Module1.Titlefrm->Show();
        clickControl(Module1.Titlefrm->Command1);
        settle();
        QVERIFY(!Module1.Titlefrm.isLoaded() && Module1.intro0->isVisible());
        // The menu's load switched sound on before the click was asked for.
        QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
        MainMenu& menu = *Module1.intro0;
        clickControl(&menu.Label2(16));
        QVERIFY(Module1.Titlefrm->isVisible());
        QCOMPARE(Module1.Titlefrm->Command1->Caption(), QString("Cancel"));
        clickControl(Module1.Titlefrm->Command1);
        settle();
        QVERIFY(!Module1.Titlefrm.isLoaded() && menu.isVisible());
        clickControl(&menu.Label2(16));
        QCOMPARE(Module1.Titlefrm->Command1->Caption(), QString("Cancel"));
        // With sound on, Exit clicks before it ends the program.
        env.sound->played.clear();
        clickControl(Module1.Titlefrm->Command2);
        QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
        QCOMPARE(env.programEnd->statuses, std::vector<int>{0});
    }

    void soundOffReachesNoPlayer() {
        TestEnv env;
        Module1.SoundOn = 0;
        PlaySound("wav\\click.wav");
        Module1.SoundOn.reset(); // empty is not 1 either
        PlaySound("wav\\click.wav");
        QVERIFY(!Module1.Grey.isLoaded() && env.sound->played.isEmpty());
        Module1.SoundOn = 1;
        PlaySound("wav\\thud3.wav");
        QVERIFY(Module1.Grey.isLoaded() && !Module1.Grey->isVisible()); // referenced, not shown
        QCOMPARE(env.sound->played, QStringList{"wav/thud3.wav"});
    }
};

QTEST_MAIN(ShellTest)
#include "tst_shell.moc"
