#include "platform/accessible.h"

#include "platform/controls.h"
#include "platform/focus.h"

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
            s.focused = widget()->window()->focusWidget() == widget();
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

QAccessibleInterface* controlInterface(const QString&, QObject* object) {
    auto* w = qobject_cast<QWidget*>(object);
    if (!w) return nullptr;
    if (dynamic_cast<Label*>(w)) return new AccessibleControl(w, QAccessible::StaticText);
    if (dynamic_cast<PictureBox*>(w) || dynamic_cast<ImageBox*>(w))
        return new AccessibleControl(w, QAccessible::Graphic);
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

} // namespace Accessible
