// Screens as a pupil with only a keyboard sees them: the menu with the focus on a topic, the quiz
// with an answer ticked by its letter, and an ordering activity with a card picked up and a box
// chosen for it.
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "platform/focus.h"
#include "quiz/quizscreen.h"
#include "shots.h"
#include "topics/topichub.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A key as the keyboard sends it: to the control with the focus.
void press(QWidget& window, int key) {
    QWidget* to = window.focusWidget() ? window.focusWidget() : &window;
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(to, &down);
    QApplication::sendEvent(to, &up);
}

void tabTo(QWidget& window, QWidget* target) {
    for (int i = 0; i < 60 && window.focusWidget() != target; ++i)
        press(window, Qt::Key_Tab);
}

} // namespace

static RegisterShots keyboard("keyboard", [](ShotContext& ctx) {
    MainMenu& menu = *Module1.intro0;
    menu.Show();
    ctx.settle();
    tabTo(menu, &menu.Label2(MainMenu::MoonLandings));
    ctx.save(menu, "keyboard-menu");

    Module1.moon->Show();
    ctx.settle();
    press(*Module1.moon, Qt::Key_Tab);
    ctx.save(*Module1.moon, "keyboard-hub-moon");
    Module1.moon->Label3(TopicHub::MultipleChoice).Click();
    QuizScreen& quiz = *Module1.multiple;
    ctx.settle();
    press(quiz, Qt::Key_B);
    ctx.save(quiz, "keyboard-quiz");
    quiz.Unload();

    Module1.moon->Label3(TopicHub::OrderingActivity).Click();
    MoonOrdering& order = *Module1.moonord;
    ctx.settle();
    tabTo(order, &order.Label2(0));
    press(order, Qt::Key_Return);
    press(order, Qt::Key_Down);
    ctx.save(order, "keyboard-activity");
    // The pupil takes the mouse again: the shots after these show no focus ring.
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, Qt::LeftButton,
                     {});
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton, {}, {});
    QApplication::sendEvent(&*Module1.moon, &down);
    QApplication::sendEvent(&*Module1.moon, &up);
    order.Unload();
    ctx.settle();
});
