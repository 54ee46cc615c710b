// The screens as one program on a desktop: which window owns which, what the window manager's
// close does, double-clicks, the keyboard on the title screen and Qt's own command-line options.
#include "app/commandline.h"
#include "app/module1.h"
#include "app/titlescreen.h"
#include "menu/mainmenu.h"
#include "quiz/quizscreen.h"
#include "sound/greyform.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/guideviewer.h"
#include "topics/topichub.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"

#include <QCloseEvent>
#include <QTest>
#include <QWindow>

namespace {

// What the window manager sends for the title-bar button or Alt+F4: a close to the window.
void closeFromWindowManager(Form& screen) {
    screen.winId();
    QCloseEvent close;
    QCoreApplication::sendEvent(screen.windowHandle(), &close);
    settle();
}

// A person's double-click: press, release, then the second press that Qt reports as a
// double-click, and its release.
void doubleClick(QWidget* control) {
    const QPoint centre(control->width() / 2, control->height() / 2);
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(control, Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(control, Qt::LeftButton, Qt::NoModifier, centre);
    settle();
}

void openMoonHub(TestEnv& env) {
    env.writeFile("multiple/The Moon Landings.txt",
                  textFileBytes(questionSetLines(sampleQuestionSet("Moon"))));
    Module1.Grey->Show();
    Module1.intro0->Show();
    clickControl(&Module1.intro0->Label2(13));
}

int clicksHeard(const TestEnv& env) {
    return static_cast<int>(env.sound->played.count("wav/click.wav"));
}

} // namespace

class WindowRulesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void eachScreenIsOwnedByTheWindowBeneath();
    void closeDoesWhatExitDoes_data();
    void closeDoesWhatExitDoes();
    void closeAsksBeforeLosingTypedText();
    void doubleClickActsOnce_data();
    void doubleClickActsOnce();
    void titleScreenStartsReadyForReturn();
    void qtOptionsPassToQt_data();
    void qtOptionsPassToQt();
};

void WindowRulesTest::eachScreenIsOwnedByTheWindowBeneath() {
    TestEnv env;
    Module1.Titlefrm->Show();
    GreyForm* grey = &*Module1.Grey;
    QCOMPARE(Module1.Titlefrm->owner(), grey);
    QCOMPARE(Module1.Titlefrm->windowHandle()->transientParent(), grey->windowHandle());
    QVERIFY(!grey->owner() && grey->isBackdrop());

    // "OK" shows the menu over the title screen, then unloads it: the menu passes to the backdrop.
    clickControl(Module1.Titlefrm->Command1);
    QCOMPARE(Module1.intro0->owner(), grey);
    clickControl(&Module1.intro0->Label2(18));
    settle();
    QVERIFY(!Module1.intro0.isLoaded());
    QCOMPARE(Module1.worksheets->owner(), grey);
    QCOMPARE(Form::topScreen(), &*Module1.worksheets);
}

void WindowRulesTest::closeDoesWhatExitDoes_data() {
    QTest::addColumn<QString>("screen");
    QTest::newRow("quiz: the hub is seen again") << "quiz";
    QTest::newRow("catalogue: the menu comes back") << "catalogue";
    QTest::newRow("title screen at start: the program ends") << "title";
    QTest::newRow("backdrop: the screen on top closes") << "backdrop";
}

void WindowRulesTest::closeDoesWhatExitDoes() {
    QFETCH(QString, screen);
    TestEnv env;
    if (screen == "title") {
        Module1.Titlefrm->Show();
        closeFromWindowManager(*Module1.Titlefrm);
        QCOMPARE(env.programEnd->statuses, std::vector<int>{0});
        return;
    }
    openMoonHub(env);
    if (screen == "catalogue") {
        clickControl(&Module1.intro0->Label2(18));
        settle();
        env.sound->played.clear();
        closeFromWindowManager(*Module1.worksheets);
        QVERIFY(!Module1.worksheets.isLoaded());
        QVERIFY(Module1.intro0.isLoaded() && Module1.intro0->isVisible());
        QCOMPARE(clicksHeard(env), 1);
        return;
    }
    clickControl(&Module1.moon->Label3(0));
    QVERIFY(Module1.multiple.isLoaded());
    closeFromWindowManager(screen == "quiz" ? static_cast<Form&>(*Module1.multiple) : *Module1.Grey);
    QVERIFY(!Module1.multiple.isLoaded());
    QVERIFY(Module1.moon.isLoaded() && Module1.Grey.isLoaded());
    QCOMPARE(Form::topScreen(), &*Module1.moon);
}

void WindowRulesTest::closeAsksBeforeLosingTypedText() {
    TestEnv env;
    Module1.intro0->Show();
    clickControl(&Module1.intro0->Label2(17));
    WizardScreen& wizard = *Module1.wizard;
    closeFromWindowManager(wizard);
    QVERIFY2(!Module1.wizard.isLoaded(), "nothing typed: closes without a question");
    QVERIFY(env.messages->shown.empty());

    clickControl(&Module1.intro0->Label2(17));
    QTest::keyClicks(Module1.wizard->Text1, "Rivers");
    env.messages->answers = {MsgResult::Cancel, MsgResult::OK};
    closeFromWindowManager(*Module1.wizard);
    QVERIFY2(Module1.wizard.isLoaded(), "Cancel keeps the typed text");
    closeFromWindowManager(*Module1.wizard);
    QVERIFY(!Module1.wizard.isLoaded());
    QCOMPARE(env.messages->shown.size(), size_t(2));
}

void WindowRulesTest::doubleClickActsOnce_data() {
    QTest::addColumn<QString>("control");
    QTest::newRow("Next Page") << "Next Page";
    QTest::newRow("Next Question >>") << "Next Question";
    QTest::newRow("menu entry") << "menu";
    QTest::newRow("command button") << "Exit";
}

void WindowRulesTest::doubleClickActsOnce() {
    QFETCH(QString, control);
    TestEnv env;
    if (control == "Exit") {
        Module1.Titlefrm->Show();
        doubleClick(Module1.Titlefrm->Command2);
        QCOMPARE(env.programEnd->statuses.size(), size_t(1));
        return;
    }
    openMoonHub(env);
    if (control == "menu") {
        env.sound->played.clear();
        doubleClick(&Module1.intro0->Label2(16));
        QCOMPARE(clicksHeard(env), 1);
    } else if (control == "Next Page") {
        clickControl(&Module1.intro0->Label2(20));
        doubleClick(&Module1.guide->Label3(2));
        QCOMPARE(Module1.PageNumber, 2);
    } else {
        clickControl(&Module1.moon->Label3(0));
        QuizScreen& quiz = *Module1.multiple;
        clickControl(&quiz.Option1(1));
        doubleClick(&quiz.Label3(1));
        QCOMPARE(Module1.QuestionNumber, 2);
    }
}

void WindowRulesTest::titleScreenStartsReadyForReturn() {
    TestEnv env;
    TitleScreen& title = *Module1.Titlefrm;
    title.Show();
    QCOMPARE(title.focusWidget(), title.Command1);
    QTest::keyClick(title.focusWidget(), Qt::Key_Return);
    settle();
    QVERIFY(Module1.intro0.isLoaded() && !Module1.Titlefrm.isLoaded());
}

void WindowRulesTest::qtOptionsPassToQt_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("dataDir");
    QTest::newRow("-platform offscreen")
        << QStringList{"-platform", "offscreen", "--data-dir", "d"} << true << "d";
    QTest::newRow("--style=fusion") << QStringList{"--style=fusion", "--data-dir=d"} << true << "d";
    QTest::newRow("-display :1 -reverse") << QStringList{"-display", ":1", "-reverse"} << true << "";
    QTest::newRow("unknown option") << QStringList{"-platfrom", "offscreen"} << false << "";
    QTest::newRow("a flag given a value") << QStringList{"-reverse=1"} << false << "";
}

void WindowRulesTest::qtOptionsPassToQt() {
    QFETCH(QStringList, args);
    QFETCH(bool, accepted);
    QFETCH(QString, dataDir);
    const CommandLine c = parseCommandLine(QStringList{"tellwyn"} + args);
    QCOMPARE(c.error.isEmpty(), accepted);
    if (accepted) QCOMPARE(c.dataDir, dataDir);
}

QTEST_MAIN(WindowRulesTest)
#include "tst_windowrules.moc"
