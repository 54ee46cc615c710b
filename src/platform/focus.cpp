#include "platform/focus.h"

#include "platform/accessible.h"
#include "platform/controls.h"
#include "platform/form.h"
#include "platform/ring.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <algorithm>

namespace {

// White stands out on the screen blue, and the ring's dark edges carry it over light pictures.
const QColor FocusColour(255, 255, 255);
constexpr int FocusThickness = 3;
const char* const TakesFocusProperty = "tellwynTakesFocus";

// What the keyboard handling keeps for one window; it lives and dies with the window.
class ScreenState : public QObject {
public:
    explicit ScreenState(QWidget* window)
        : QObject(window), ring(new RingMarker(window, FocusColour, FocusThickness)) {
        setObjectName(QStringLiteral("tellwynKeyboard"));
    }
    Keyboard::ScreenKeys keys;
    QList<QPointer<QWidget>> order;
    QList<int> columns; // pixels where the columns of a screen read in columns begin
    RingMarker* ring;   // a child of the window, which owns it
};

// The ring shows once a key is used and goes as soon as the mouse is pressed: a pupil with the
// mouse sees the screens exactly as before. It holds for the whole program, so a screen opened
// from the keyboard shows where its focus is before any key is pressed in it.
bool fromKeyboard = false;

ScreenState* stateOf(QWidget* window, bool create) {
    for (QObject* child : window->children())
        if (auto* state = dynamic_cast<ScreenState*>(child)) return state;
    return create ? new ScreenState(window) : nullptr;
}

Form* formOf(QObject* o) {
    auto* w = qobject_cast<QWidget*>(o);
    return w ? dynamic_cast<Form*>(w->window()) : nullptr;
}

void showRing(QWidget* window) {
    ScreenState* s = stateOf(window, false);
    if (!s) return;
    QWidget* focus = window->focusWidget();
    s->ring->frame(fromKeyboard && focus && Keyboard::takesFocus(focus) ? focus : nullptr);
}

// As if the mouse had moved over the bare screen and then onto the control.
void hoverOver(QWidget* control) {
    Form* form = formOf(control);
    if (!form) return;
    const QPoint centre = control->mapTo(form, control->rect().center());
    form->Form_MouseMove(0, 0, pixelsToTwips(centre.x()), pixelsToTwips(centre.y()));
    auto* geometry = dynamic_cast<ControlGeometry*>(control);
    if (geometry && geometry->MouseMove)
        geometry->MouseMove(0, 0, pixelsToTwips(control->width() / 2.0),
                            pixelsToTwips(control->height() / 2.0));
}

bool moveFocus(QWidget* window, QWidget* from, bool forward) {
    const QList<QWidget*> chain = Keyboard::focusChain(window);
    if (chain.isEmpty()) return false;
    const qsizetype n = chain.size();
    const qsizetype at = chain.indexOf(from);
    const qsizetype next = at < 0 ? (forward ? 0 : n - 1) : (at + (forward ? 1 : n - 1)) % n;
    Keyboard::focusFromKeyboard(chain[next]);
    return true;
}

// The keys every screen shares. Command buttons keep their own Return and Space.
bool commonKey(QWidget* window, QWidget* focus, QKeyEvent& k) {
    const bool plain = !(k.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (plain && (k.key() == Qt::Key_Tab || k.key() == Qt::Key_Backtab)) {
        const bool back = k.key() == Qt::Key_Backtab || (k.modifiers() & Qt::ShiftModifier);
        return moveFocus(window, focus, !back);
    }
    if (k.key() == Qt::Key_Escape) {
        // Only an Exit caption: the title screen's Exit button ends the program, and wants a
        // deliberate press.
        auto* form = dynamic_cast<Form*>(window);
        QWidget* exit = form ? form->exitControl() : nullptr;
        return dynamic_cast<Label*>(exit) && Keyboard::takesFocus(exit) && Keyboard::press(exit);
    }
    if (Keyboard::isActivation(k) && focus != window && !qobject_cast<QPushButton*>(focus) &&
        !qobject_cast<QLineEdit*>(focus) && Keyboard::takesFocus(focus))
        return k.isAutoRepeat() || Keyboard::press(focus);
    return false;
}

class KeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) {
            if (Form* form = formOf(o); form && fromKeyboard) {
                fromKeyboard = false;
                showRing(form);
            }
            return false;
        }
        // A screen coming up or back from the keyboard has its focus on something that acts.
        if (e->type() == QEvent::WindowActivate && fromKeyboard) {
            if (auto* form = dynamic_cast<Form*>(o); form && !form->isBackdrop() && !form->isUnloaded())
                Keyboard::placeFocus(form);
            return false;
        }
        if (e->type() != QEvent::KeyPress) return false;
        Form* form = formOf(o);
        if (!form) return false;
        QWidget* focus = form->focusWidget() ? form->focusWidget() : form;
        // A key reaches the focused control first and then its parents; it is ours to judge once.
        if (o != focus && o != form) return false;
        auto& k = static_cast<QKeyEvent&>(*e);
        ScreenState* s = stateOf(form, true);
        fromKeyboard = true;
        const bool used = (s->keys && s->keys(k, focus)) || commonKey(form, focus, k);
        // The key may have hidden what had the focus (a question moved on) or shown a new screen.
        if (!form->isUnloaded()) Keyboard::placeFocus(form);
        if (used) k.accept();
        return used;
    }
};

} // namespace

namespace Keyboard {

bool isActivation(const QKeyEvent& k) {
    return k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter || k.key() == Qt::Key_Space;
}

void install() {
    static QPointer<KeyFilter> filter;
    if (filter || !qApp) return;
    filter = new KeyFilter(qApp);
    qApp->installEventFilter(filter);
    // Only the window gaining the focus: the one losing it may be in the middle of its destruction.
    QObject::connect(qApp, &QApplication::focusChanged, filter, [](QWidget*, QWidget* now) {
        if (now) showRing(now->window());
    });
    Accessible::install();
}

void setScreenKeys(QWidget* window, ScreenKeys keys) {
    stateOf(window, true)->keys = std::move(keys);
}

void setFocusOrder(QWidget* window, const QList<QWidget*>& order) {
    ScreenState* s = stateOf(window, true);
    s->order.clear();
    for (QWidget* w : order)
        s->order.append(w);
}

void setTakesFocus(QWidget* control, bool takes) {
    control->setProperty(TakesFocusProperty, takes);
}

bool takesFocus(const QWidget* w) {
    if (!w || w->isWindow() || !w->isEnabled() || !w->isVisibleTo(w->window())) return false;
    if (const QVariant given = w->property(TakesFocusProperty); given.isValid()) return given.toBool();
    if (auto* label = dynamic_cast<const Label*>(w)) return bool(label->Click);
    // Every option button is a stop of its own, not only the ticked one of its group as Qt has it.
    return w->focusPolicy() != Qt::NoFocus && dynamic_cast<const ControlGeometry*>(w);
}

void setReadingColumns(QWidget* window, const QList<Twips>& columnLefts) {
    ScreenState* s = stateOf(window, true);
    s->columns.clear();
    for (Twips left : columnLefts)
        s->columns.append(twipsToPixels(left));
}

QList<QWidget*> focusChain(QWidget* window) {
    QList<QWidget*> chain;
    ScreenState* s = stateOf(window, false);
    if (s && !s->order.isEmpty()) {
        for (const QPointer<QWidget>& w : s->order)
            if (takesFocus(w)) chain.append(w);
        return chain;
    }
    for (QWidget* w : window->findChildren<QWidget*>())
        if (takesFocus(w)) chain.append(w);
    const QList<int> columns = s ? s->columns : QList<int>();
    // Columns are designed places: a screen filling the display has moved them all alike.
    const int shift = window->property(ContentOffsetProperty).toPoint().x();
    auto column = [&columns, shift](const QPoint& p) {
        return std::count_if(columns.begin(), columns.end(), [&](int left) { return p.x() - shift >= left; });
    };
    auto place = [window](QWidget* w) { return w->mapTo(window, QPoint(0, 0)); };
    std::stable_sort(chain.begin(), chain.end(), [&](QWidget* a, QWidget* b) {
        const QPoint pa = place(a), pb = place(b);
        if (column(pa) != column(pb)) return column(pa) < column(pb);
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return chain;
}

void placeFocus(QWidget* window) {
    if (!fromKeyboard) return;
    QWidget* focus = window->focusWidget();
    if (focus && focus->window() == window && takesFocus(focus)) {
        // A screen that gave itself the focus before it came up has no ring of its own yet.
        stateOf(window, true);
        showRing(window);
        return;
    }
    const QList<QWidget*> chain = focusChain(window);
    if (!chain.isEmpty()) focusFromKeyboard(chain.first());
}

bool press(QWidget* control) {
    if (!control || !control->isEnabled()) return false;
    if (auto* label = dynamic_cast<Label*>(control)) {
        if (!label->Click) return false;
        label->Click();
        return true;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->click();
        return true;
    }
    return false;
}

void focusFromKeyboard(QWidget* control) {
    QWidget* window = control->window();
    stateOf(window, true);
    fromKeyboard = true;
    control->setFocus(Qt::TabFocusReason);
    hoverOver(control);
    showRing(window);
}

} // namespace Keyboard
