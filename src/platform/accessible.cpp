#include "platform/accessible.h"

#include "platform/controls.h"
#include "platform/focus.h"
#include "platform/form.h"

#include <QAccessibleWidget>

namespace {

class AccessibleControl : public QAccessibleWidget {
public:
    AccessibleControl(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAccessible::Role role() const override {
        // A disabled menu entry is still a button, one that says it is disabled.
        if (auto* label = dynamic_cast<Label*>(widget()))
            return label->Click || Keyboard::takesFocus(label) ? QAccessible::Button
                                                               : QAccessible::StaticText;
        return QAccessibleWidget::role();
    }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            if (!widget()->accessibleName().isEmpty()) return widget()->accessibleName();
            if (auto* label = dynamic_cast<Label*>(widget())) return label->Caption();
        }
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (role() == QAccessible::Button) {
            s.focusable = true;
            // Only in the active screen: a screen beneath keeps its focus for later, unspoken.
            s.focused = widget()->hasFocus();
        }
        return s;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (role() == QAccessible::Button && widget()->isEnabled()) names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& name) override {
        if (name == pressAction())
            Keyboard::press(widget());
        else if (name == setFocusAction() && Keyboard::takesFocus(widget()))
            Keyboard::focusFromKeyboard(widget());
        else
            QAccessibleWidget::doAction(name);
    }
};

// A page of words drawn as a picture: its words are given as the page's text, so that a screen
// reader can read it out.
class AccessiblePage : public AccessibleControl, public QAccessibleTextInterface {
public:
    explicit AccessiblePage(QWidget* w) : AccessibleControl(w, QAccessible::Graphic) {}

    QAccessible::Role role() const override {
        return words().isEmpty() ? QAccessible::Graphic : QAccessible::Document;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && !words().isEmpty())
            return words().section('\n', 0, 0);
        return AccessibleControl::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface && !words().isEmpty())
            return static_cast<QAccessibleTextInterface*>(this);
        return AccessibleControl::interface_cast(t);
    }

    QString text(int start, int end) const override { return words().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(words().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    QString words() const {
        if (auto* image = dynamic_cast<ImageBox*>(widget())) return image->Picture().text();
        return {};
    }
};

// Each screen is a window of its own, named for what it is.
class AccessibleScreen : public QAccessibleWidget {
public:
    explicit AccessibleScreen(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && !widget()->accessibleName().isEmpty())
            return widget()->accessibleName();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* controlInterface(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (dynamic_cast<Label*>(w)) return new AccessibleControl(w, QAccessible::StaticText);
    if (dynamic_cast<ImageBox*>(w)) return new AccessiblePage(w);
    if (dynamic_cast<PictureBox*>(w)) return new AccessibleControl(w, QAccessible::Graphic);
    if (dynamic_cast<Form*>(w)) return new AccessibleScreen(w);
    return nullptr;
}

} // namespace

namespace Accessible {

void install() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(controlInterface);
}

void announce(QWidget* control) {
    if (!control || !QAccessible::isActive()) return;
    QAccessibleEvent changed(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

} // namespace Accessible
