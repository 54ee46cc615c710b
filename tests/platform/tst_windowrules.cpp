// The screens as one program on a desktop: what the window manager's close does, and double-clicks.
// Which window stays above which, under a real window manager, is tests/app/check-wm.sh; a close
// that would lose typed text, the wizard suite's.
#include "app/module1.h"
#include "app/titlescreen.h"
#include "menu/mainmenu.h"
#include "sound/greyform.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// A person's double-click: press, release, then the second press that Qt reports as a
// double-click, and its release.
void doubleClick(QWidget* control) {
    const QPoint centre(control->width() / 2, control->height() / 2);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(control, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, centre);
    settle();
}

} // namespace

class WindowRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:

    // Alt+F4 on the screens, the catalogue's included, is driven under a real window manager by
    // tests/app/check-wm.sh; the backdrop's close has no path there.
    void closeDoesWhatExitDoes() {
        TestEnv env;
        Module1.Grey->Show();
        openMoonQuiz(env);
        // The backdrop's close (from the taskbar) goes to the screen on top: the quiz.
        closeFromWindowManager(*Module1.Grey);
        QVERIFY(!Module1.multiple.isLoaded());
        QVERIFY(Module1.moon.isLoaded() && Module1.Grey.isLoaded());
        QCOMPARE(Form::topScreen(), &*Module1.moon);
        QVERIFY(env.programEnd->statuses.empty());
    }

    void doubleClickActsOnce() {
        TestEnv env;
        Module1.intro0->Show();
        // A label button, as most of the screens' buttons are: the guide opens, one click heard.
        doubleClick(&Module1.intro0->Label2(MainMenu::TeachersGuide));
        QCOMPARE(static_cast<int>(env.sound->played.count("wav/click.wav")), 1);
        Module1.Titlefrm->Show();
        doubleClick(Module1.Titlefrm->Command2); // "Exit", a command button
        QCOMPARE(env.programEnd->statuses, std::vector<int>{0});
    }
};

QTEST_MAIN(WindowRulesTest)
#include "tst_windowrules.moc"
