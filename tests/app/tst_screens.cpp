// The screens as a person works them. Without a mouse: real key presses sent where a keyboard sends
// them, to the control that has the focus, and a finger tapping the cards on a touch screen. The
// main menu: how the focus light and the pointer's light meet, the sound switch and the one-shot
// worksheet index loader. As one program on a desktop: what the window manager's close does, and
// double-clicks. The keyboard-only walk through the real program, with the focus ring after every
// step, and which window stays above which, are check-wm.sh's; what a screen reader reads is
// check-atspi-menu.sh's; a close that would lose typed text, the wizard suite's.
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "app/titlescreen.h"
#include "menu/mainmenu.h"
#include "platform/focus.h"
#include "platform/ring.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "sound/greyform.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/notesviewer.h"
#include "topics/topichub.h"

#include <QApplication>
#include <QPointingDevice>
#include <QTest>

namespace {

QWidget* focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w : QApplication::activeWindow();
}

void key(int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(focused(), Qt::Key(k), m);
    settle();
}

// Tabs forward until the control has the focus; fails if a whole round of Tab never reaches it.
bool tabTo(QWidget* target) {
    for (int i = 0; i < 100 && focused() != target; ++i)
        key(Qt::Key_Tab);
    return focused() == target;
}

void showAndWait(Form& form) {
    form.Show();
    if (!QTest::qWaitForWindowActive(&form)) qWarning("window not active");
}

bool onItsSlot(ActivityScreen& s, int card, int slot) {
    return s.Label2(card).Left() == s.Label1(slot).Left() && s.Label2(card).Top() == s.Label1(slot).Top();
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

} // namespace

class ScreensTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Letters and digits choose an answer and ring it; Tab reaches the answers, not the hidden
    // no-answer button, before "Print Worksheet"; the next question starts with the focus, ringed,
    // on its first answer.
    void quizAnswersByLetterOrDigit() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env);
        showAndWait(quiz);
        key(Qt::Key_Tab);
        QCOMPARE(focused(), &quiz.Option1(1));
        for (const auto& [k, chosen] : {std::pair{Qt::Key_C, 3}, {Qt::Key_2, 2}}) {
            key(k);
            QVERIFY(quiz.Option1(chosen).Value() && quiz.tickRing->isVisible());
            QCOMPARE(quiz.tickRing->target(), &quiz.Option1(chosen));
        }
        key(Qt::Key_Return);
        QCOMPARE(Module1.QuestionNumber, 2);
        QCOMPARE(focused(), &quiz.Option1(1));
        QVERIFY(focusRing(&quiz) && !quiz.Option1(1).Value());
    }

    // Tab on the title screen goes between its buttons, past the picture; the results screen at
    // full marks reads name, "Print Certificate", "Exit".
    void focusChainsOfTheTitleAndTheResults() {
        TestEnv env;
        TitleScreen& title = *Module1.Titlefrm;
        QCOMPARE(Keyboard::focusChain(&title), (QList<QWidget*>{title.Command1, title.Command2}));
        Module1.Score = Module1.ScoreOutOf = 10;
        ResultsScreen& results = *Module1.Welldone;
        showAndWait(results);
        QCOMPARE(Keyboard::focusChain(&results),
                 (QList<QWidget*>{results.Text1, &results.Label3(ResultsScreen::WrongAnswersOrCertificate),
                                  &results.Label3(ResultsScreen::ExitButton)}));
    }

    // Down each column as a reader goes, disabled topics passed by; the entry with the focus is lit
    // and ringed, but a mouse user never sees the ring. The pointer lights the entry under it; a
    // disabled entry takes no mouse events, so they reach the form, which puts the light out. The
    // footer lets a click on the bottom of the entries it overlaps through.
    void menuTabsInReadingOrderWithHoverAndRing() {
        TestEnv env;
        MainMenu& menu = *Module1.intro0;
        showAndWait(menu);
        using M = MainMenu;
        const auto entry = [&menu](int index) { return &menu.Label2(index); };
        QList<QWidget*> expected;
        expected << entry(M::TeachersGuide) << entry(M::JuliusCaesar) << entry(M::Acknowledgments)
                 << entry(M::MoonLandings) << menu.Option1 << menu.Option2 << entry(M::MultipleChoiceWizard)
                 << entry(M::WorksheetCatalogue) << menu.ScreenSize << menu.ClassRecord
                 << entry(M::ExitButton);
        QCOMPARE(Keyboard::focusChain(&menu), expected);
        QVERIFY(tabTo(entry(M::Acknowledgments)));
        key(Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(focused(), entry(M::JuliusCaesar));
        QVERIFY(entry(M::JuliusCaesar)->Opaque() && !entry(M::Acknowledgments)->Opaque() && focusRing(&menu));
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, QPoint(400, 20));
        QVERIFY(!focusRing(&menu));
        QTest::mouseMove(menu.windowHandle(), QPoint(400, 580)); // bare screen under the footer
        QTest::mouseMove(menu.windowHandle(), entry(M::MoonLandings)->geometry().center());
        QVERIFY(entry(M::MoonLandings)->Opaque() && !entry(M::JuliusCaesar)->Opaque());
        QTest::mouseMove(menu.windowHandle(), entry(M::MahatmaGandhi)->geometry().center()); // disabled
        QVERIFY(!entry(M::MoonLandings)->Opaque() && !entry(M::MahatmaGandhi)->Opaque());
        QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {},
                          entry(M::Acknowledgments)->geometry().bottomLeft() + QPoint(30, -2));
        QVERIFY(Module1.teacher.ifLoaded() && Module1.teacher->isVisible());
    }

    // To full marks: the first card by two taps of a finger, the others by keyboard. A held card
    // that Esc lets go returns where it was; the screen stays.
    void orderingPlacedByKeyboardAndTouch() {
        TestEnv env;
        Module1.SoundOn = 1;
        MoonOrdering& s = *Module1.moonord;
        showAndWait(s);
        QVERIFY(tabTo(&s.Label2(2)));
        const TwipRect start = s.Label2(2).twipRect();
        key(Qt::Key_Return);
        key(Qt::Key_Right);
        key(Qt::Key_Escape);
        QVERIFY(s.placing->heldCard() == -1 && s.Label2(2).Left() == start.left && s.isVisible());
        QPointingDevice* finger = QTest::createTouchDevice();
        for (QWidget* on : {&s.Label2(0), &s.Label1(0)}) {
            QVERIFY(env.sound->played.isEmpty()); // picking up is not a drop
            const QPoint at = on->mapTo(&s, QPoint(6, 6));
            QTest::touchEvent(s.windowHandle(), finger).press(0, at);
            QTest::touchEvent(s.windowHandle(), finger).release(0, at);
            settle();
        }
        QVERIFY(onItsSlot(s, 0, 0) && s.placing->heldCard() == -1);
        QCOMPARE(env.sound->played, QStringList{"wav/thud3.wav"});
        const std::vector<int> order = KeyboardPlacing::readingOrder(s.board().slots);
        for (int card = 1; card < 5; ++card) {
            QVERIFY(tabTo(&s.Label2(card)));
            key(Qt::Key_Space);
            // The highlight starts on the top box, whichever card is held.
            QCOMPARE(s.placing->highlightedSlot(), order[0]);
            const int steps = int(std::find(order.begin(), order.end(), card) - order.begin());
            for (int k = 0; k < steps; ++k)
                key(k % 2 ? Qt::Key_Down : Qt::Key_Tab);
            key(Qt::Key_Return);
            QVERIFY(onItsSlot(s, card, card));
        }
        QCOMPARE(s.board().score(), 5);
    }

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

QTEST_MAIN(ScreensTest)
#include "tst_screens.moc"
