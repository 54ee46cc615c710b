// The program used without a mouse: real key presses sent where a keyboard sends them, to the
// control that has the focus, and fingers on a touch screen for the cards.
#include "activities/labellingscreens.h"
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "app/titlescreen.h"
#include "menu/mainmenu.h"
#include "platform/focus.h"
#include "platform/ring.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "support/testenv.h"
#include "topics/topichub.h"
#include "worksheets/wizardscreen.h"

#include <QAccessible>
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

void type(const QString& text) {
    QTest::keyClicks(focused(), text);
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

RingMarker* focusRing(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>())
        if (auto* r = dynamic_cast<RingMarker*>(w);
            r && r->isVisible() && r->target() == window->focusWidget())
            return r;
    return nullptr;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void quizFromTheTitleScreenToTheCertificate();
    void menuTabsInReadingOrderWithHoverAndRing();
    void orderingPlacedToFullMarksByKeyboard();
    void heldCardEscapesBackAndTheScreenStays();
    void worksheetTypedTickedAndSavedByKeyboard();
    void tapTapPlacesACardAndFingersStillDrag();
    void menuEntriesTellAssistiveTechnology();
};

void KeyboardTest::quizFromTheTitleScreenToTheCertificate() {
    TestEnv env;
    env.copyBundled("multiple/The Moon Landings.txt");
    showAndWait(*Module1.Titlefrm);
    QVERIFY(tabTo(Module1.Titlefrm->Command1));
    key(Qt::Key_Space);
    MainMenu& menu = *Module1.intro0;
    QVERIFY(QTest::qWaitForWindowActive(&menu));
    QVERIFY(tabTo(&menu.Label2(13)));
    key(Qt::Key_Return);
    TopicHub& hub = *Module1.moon;
    QVERIFY(QTest::qWaitForWindowActive(&hub));
    QVERIFY(tabTo(&hub.Label3(0)));
    key(Qt::Key_Return);
    QuizScreen& quiz = *Module1.multiple;
    QVERIFY(QTest::qWaitForWindowActive(&quiz));
    // Tab leaves the answers for the buttons, and passes the hidden no-answer button by.
    QVERIFY(tabTo(&quiz.Label3(2)));
    QVERIFY(tabTo(&quiz.Label3(1)));
    QVERIFY(!Keyboard::focusChain(&quiz).contains(&quiz.Option1(5)));
    for (int n = 1; n <= 10; ++n) {
        const int right = Module1.CorrectAnswer[n].toInt();
        key(n % 2 ? Qt::Key_A + right - 1 : Qt::Key_1 + right - 1);
        QVERIFY(quiz.Option1(right).Value());
        QCOMPARE(quiz.tickRing->target(), &quiz.Option1(right));
        QVERIFY(quiz.tickRing->isVisible());
        key(Qt::Key_Return);
    }
    ResultsScreen& results = *Module1.Welldone;
    QVERIFY(QTest::qWaitForWindowActive(&results));
    QTRY_COMPARE(focused(), results.Text1);
    QCOMPARE(Module1.Score, 10);
    type("Ada Lovelace");
    QVERIFY(tabTo(&results.Label3(0)));
    QCOMPARE(results.Label3(0).Caption(), QString("Print Certificate"));
    key(Qt::Key_Return);
    QCOMPARE(env.printer->pages.size(), size_t(1));
    key(Qt::Key_Escape);
    QVERIFY(!Module1.Welldone.isLoaded());
    QVERIFY(hub.isVisible());
}

void KeyboardTest::menuTabsInReadingOrderWithHoverAndRing() {
    TestEnv env;
    MainMenu& menu = *Module1.intro0;
    showAndWait(menu);
    // By top, then left; disabled topics are passed by.
    const QList<QWidget*> chain = Keyboard::focusChain(&menu);
    const QList<QWidget*> expected{menu.Option1,     menu.Option2,     &menu.Label2(20), &menu.Label2(1),
                                   &menu.Label2(17), &menu.Label2(13), &menu.Label2(18), menu.ScreenSize,
                                   &menu.Label2(19), &menu.Label2(16)};
    QCOMPARE(chain, expected);
    QVERIFY(tabTo(&menu.Label2(17)));
    QVERIFY(menu.Label2(17).Opaque());
    QVERIFY(!menu.Label2(20).Opaque());
    QVERIFY(focusRing(&menu));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(focused(), &menu.Label2(1));
    QVERIFY(menu.Label2(1).Opaque() && !menu.Label2(17).Opaque());
    // A mouse user never sees the ring.
    QTest::mouseClick(menu.windowHandle(), Qt::LeftButton, {}, QPoint(400, 20));
    QVERIFY(!focusRing(&menu));
}

void KeyboardTest::orderingPlacedToFullMarksByKeyboard() {
    TestEnv env;
    Module1.SoundOn = 1;
    MoonOrdering& s = *Module1.moonord;
    showAndWait(s);
    const std::vector<int> order = KeyboardPlacing::readingOrder(s.board().slots);
    for (int card = 0; card < 5; ++card) {
        QVERIFY(tabTo(&s.Label2(card)));
        key(Qt::Key_Space);
        QCOMPARE(s.placing->heldCard(), card);
        // The highlight starts on the top box, whichever card is held.
        QCOMPARE(s.placing->highlightedSlot(), order[0]);
        const int steps = int(std::find(order.begin(), order.end(), card) - order.begin());
        for (int k = 0; k < steps; ++k)
            key(k % 2 ? Qt::Key_Down : Qt::Key_Tab);
        QCOMPARE(s.placing->highlightedSlot(), card);
        env.sound->played.clear();
        key(Qt::Key_Return);
        QCOMPARE(s.Label2(card).Left(), s.Label1(card).Left());
        QCOMPARE(s.Label2(card).Top(), s.Label1(card).Top());
        QCOMPARE(env.sound->played, QStringList{"wav/thud3.wav"});
        QCOMPARE(s.Label3(2).Visible(), card == 4);
    }
    QVERIFY(tabTo(&s.Label3(2)));
    key(Qt::Key_Return);
    QCOMPARE(Module1.Score, 5);
    QVERIFY(Module1.Welldone.isLoaded() && Module1.Welldone->isVisible());
}

void KeyboardTest::heldCardEscapesBackAndTheScreenStays() {
    TestEnv env;
    MoonOrdering& s = *Module1.moonord;
    showAndWait(s);
    QVERIFY(tabTo(&s.Label2(2)));
    const TwipRect start = s.Label2(2).twipRect();
    key(Qt::Key_Return);
    key(Qt::Key_Right);
    key(Qt::Key_Escape);
    QCOMPARE(s.placing->heldCard(), -1);
    QCOMPARE(s.Label2(2).Left(), start.left);
    QCOMPARE(s.Label2(2).Top(), start.top);
    QVERIFY(Module1.moonord.isLoaded() && s.isVisible());
    // With nothing held, Esc is the screen's Exit.
    key(Qt::Key_Escape);
    settle();
    QVERIFY(!Module1.moonord.isLoaded());
}

void KeyboardTest::worksheetTypedTickedAndSavedByKeyboard() {
    TestEnv env;
    WizardScreen& w = *Module1.wizard;
    showAndWait(w);
    QCOMPARE(focused(), w.Text1);
    type("Keys Only");
    for (int i = 0; i < 10; ++i) {
        key(Qt::Key_Tab);
        type(QStringLiteral("Question %1?").arg(i + 1));
        for (int k = 0; k < 4; ++k) {
            key(Qt::Key_Tab);
            type(QStringLiteral("Answer %1").arg(QChar('A' + k)));
            key(Qt::Key_Tab);
            QCOMPARE(focused(), &w.Check1(4 * i + k));
            if (k == i % 4) key(Qt::Key_Space);
        }
    }
    key(Qt::Key_Tab);
    QCOMPARE(focused(), &w.Label3(1));
    key(Qt::Key_Return);
    QCOMPARE(env.messages->shown.size(), size_t(1));
    QCOMPARE(env.messages->shown[0].text, QString("Your worksheet has been saved."));
    const QString saved = QString::fromLatin1(env.readFile("multiple/Keys Only.txt"));
    QVERIFY(saved.contains("Question 10?"));
    QCOMPARE(Module1.WorksheetTitles[1], QString("Keys Only"));
}

void KeyboardTest::tapTapPlacesACardAndFingersStillDrag() {
    TestEnv env;
    Module1.SoundOn = 1;
    MoonLabelling& s = *Module1.moonlab;
    showAndWait(s);
    QPointingDevice* finger = QTest::createTouchDevice();
    QWindow* w = s.windowHandle();
    auto tap = [&](QWidget* on) {
        const QPoint at = on->mapTo(&s, QPoint(6, 6));
        QTest::touchEvent(w, finger).press(0, at);
        QTest::touchEvent(w, finger).release(0, at);
        settle();
    };
    tap(&s.Label2(0));
    QCOMPARE(s.placing->heldCard(), 0);
    QVERIFY(env.sound->played.isEmpty()); // picking up is not a drop
    tap(&s.Label1(0));
    QCOMPARE(s.Label2(0).Left(), s.Label1(0).Left());
    QCOMPARE(s.Label2(0).Top(), s.Label1(0).Top());
    QCOMPARE(env.sound->played, QStringList{"wav/thud3.wav"});
    QCOMPARE(s.placing->heldCard(), -1);
    // A finger dragged from a card carries it as the mouse does.
    const QPoint from = s.Label2(1).geometry().center();
    const QPoint to =
        s.Label1(1).geometry().topLeft() + QPoint(s.Label2(1).width() / 2, s.Label2(1).height() / 2);
    QTest::touchEvent(w, finger).press(0, from);
    QTest::touchEvent(w, finger).move(0, (from + to) / 2);
    QTest::touchEvent(w, finger).move(0, to);
    QTest::touchEvent(w, finger).release(0, to);
    settle();
    QCOMPARE(s.Label2(1).Left(), s.Label1(1).Left());
    QCOMPARE(s.Label2(1).Top(), s.Label1(1).Top());
}

void KeyboardTest::menuEntriesTellAssistiveTechnology() {
    TestEnv env;
    MainMenu& menu = *Module1.intro0;
    showAndWait(menu);
    QCOMPARE(QAccessible::queryAccessibleInterface(&menu)->text(QAccessible::Name), QString("Main menu"));
    QAccessibleInterface* moon = QAccessible::queryAccessibleInterface(&menu.Label2(13));
    QVERIFY(moon);
    QCOMPARE(moon->role(), QAccessible::Button);
    QCOMPARE(moon->text(QAccessible::Name), QString("The Moon Landings"));
    QVERIFY(moon->state().focusable && !moon->state().disabled);
    QAccessibleInterface* gandhi = QAccessible::queryAccessibleInterface(&menu.Label2(4));
    QVERIFY(gandhi->state().disabled);
    QCOMPARE(QAccessible::queryAccessibleInterface(menu.Label1)->role(), QAccessible::StaticText);
    QAccessibleActionInterface* action = moon->actionInterface();
    QVERIFY(action && action->actionNames().contains(QAccessibleActionInterface::pressAction()));
    action->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(Module1.moon.isLoaded() && Module1.moon->isVisible());
}

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
