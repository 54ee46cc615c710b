#include "platform/form.h"

#include "platform/accessible.h"
#include "platform/focus.h"
#include "platform/services.h"
#include "platform/windowrules.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <vector>

namespace {

// The screens on show, in the order they were first shown: the last is on top.
std::vector<QPointer<Form>>& shownForms() {
    static std::vector<QPointer<Form>> forms;
    return forms;
}

} // namespace

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {
    // Before the window is made, so that assistive technology meets it as a screen.
    Accessible::install();
    setMouseTracking(true);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::~Form() {
    leaveStack();
}

QColor Form::BackColor() const {
    return palette().color(QPalette::Window);
}

void Form::setBackColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

Twips Form::Left() const {
    return pixelsToTwips(frameGeometry().x());
}
Twips Form::Top() const {
    return pixelsToTwips(frameGeometry().y());
}
Twips Form::Width() const {
    return pixelsToTwips(frameGeometry().width());
}
Twips Form::Height() const {
    return pixelsToTwips(frameGeometry().height());
}

void Form::centreIn(QSizeF displayTwips) {
    const auto middle = [](double whole, Twips part) {
        return twipsToPixels(static_cast<Twips>(whole / 2 - part / 2));
    };
    move(middle(displayTwips.width(), Width()), middle(displayTwips.height(), Height()));
}

void Form::setOuterSize(Twips width, Twips height) {
    outer_ = QSize(twipsToPixels(width), twipsToPixels(height));
    fitFrame();
}

void Form::setClientSize(Twips width, Twips height) {
    outer_ = QSize();
    setFixedSize(twipsToPixels(width), twipsToPixels(height));
}

// The frame a window manager put around the window; the offscreen platform pretends to draw one
// of its own, which no one sees.
static QSize windowManagerFrame(const QWidget* w) {
    static const bool offscreen = QGuiApplication::platformName() == QLatin1String("offscreen");
    return offscreen ? QSize(0, 0) : w->frameGeometry().size() - w->geometry().size();
}

void Form::fitFrame() {
    const QSize frame = windowManagerFrame(this);
    if (outer_.isValid() && !filling()) {
        const QSize client = outer_ - frame;
        if (minimumSize() != client || maximumSize() != client) setFixedSize(client);
    }
    if (!frameSeen_ && isVisible() && !frame.isNull()) {
        frameSeen_ = true;
        frameArrived();
    }
}

bool Form::event(QEvent* e) {
    // A window manager reparents a new window into its frame and then moves it: that is when
    // the frame becomes known.
    if (e->type() == QEvent::Move || e->type() == QEvent::Show) fitFrame();
    return QWidget::event(e);
}

Form* Form::topScreen() {
    Form* backdrop = nullptr;
    auto& forms = shownForms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        Form* f = *it;
        if (!f || f->isUnloaded() || f->isHidden()) continue;
        if (!f->isBackdrop()) return f;
        backdrop = backdrop ? backdrop : f;
    }
    return backdrop;
}

void Form::Show() {
    if (isHidden()) {
        Form* beneath = topScreen();
        if (beneath == this) beneath = nullptr;
        if (beneath) WindowRules::keepOutOfTaskbar(this);
        show();
        owner_ = beneath;
        if (beneath) WindowRules::setOwner(this, beneath);
        auto& forms = shownForms();
        forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
        forms.emplace_back(this);
    }
    raise();
    activateWindow();
}

void Form::leaveStack() {
    auto& forms = shownForms();
    forms.erase(std::remove_if(forms.begin(), forms.end(),
                               [this](const QPointer<Form>& f) { return !f || f == this; }),
                forms.end());
    // What this screen owned now belongs to the window beneath it.
    for (const QPointer<Form>& f : forms) {
        if (f->owner_ == this) {
            f->owner_ = owner_;
            WindowRules::setOwner(f, owner_);
        }
    }
}

void Form::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    leaveStack();
    hide();
    // Handlers of this screen may still be running further up the stack.
    deleteLater();
    if (afterUnload) afterUnload();
}

void Form::becomeBackdrop() {
    backdrop_ = true;
    // Without a frame, but it may be minimised: with it goes the whole program.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                   Qt::WindowMinimizeButtonHint);
}

void Form::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    // Full screen or maximised, the designed screen sits in the middle; its twips stay as they are.
    const QSize designed = minimumSize();
    const QSize extra = designed.isEmpty() ? QSize() : (size() - designed).expandedTo(QSize(0, 0)) / 2;
    const QPoint offset(extra.width(), extra.height());
    if (offset == offset_ || backdrop_) return;
    offset_ = offset;
    setProperty(ContentOffsetProperty, offset_);
    for (QObject* child : children())
        if (auto* control = dynamic_cast<ControlGeometry*>(child)) control->apply();
    update();
}

void Form::paintEvent(QPaintEvent*) {
    if (offset_.isNull()) return;
    QPainter painter(this);
    const QRegion around = QRegion(rect()) - QRect(offset_, minimumSize());
    for (const QRect& r : around)
        painter.fillRect(r, Colours::SoundFormBlue);
}

void Form::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = e->position() - offset_;
    Form_MouseMove(mouseButtonMask(e->buttons()), shiftKeyMask(e->modifiers()), pixelsToTwips(p.x()),
                   pixelsToTwips(p.y()));
}

bool Form::filling() const {
    return windowState() & (Qt::WindowFullScreen | Qt::WindowMaximized);
}

// The screens keep a fixed size, which a window manager honours even when asked for full screen;
// so the size is freed while it fills the display, and fixed again when it is back.
void Form::followFilling() {
    if (backdrop_ || minimumSize().isEmpty()) return;
    if (filling()) {
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setMaximumSize(minimumSize());
    }
}

void Form::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) followFilling();
    // Minimising or restoring one screen does so to the whole program, in the order the screens
    // were shown, where the window manager does not take the windows a window owns along.
    static bool following = false;
    if (e->type() == QEvent::WindowStateChange && !following && !unloaded_) {
        const bool wasMinimized = static_cast<QWindowStateChangeEvent*>(e)->oldState() & Qt::WindowMinimized;
        if (isMinimized() != wasMinimized) {
            following = true;
            for (const QPointer<Form>& f : std::vector<QPointer<Form>>(shownForms()))
                if (f && f != this && f->isMinimized() != isMinimized())
                    isMinimized() ? f->showMinimized() : f->showNormal();
            if (Form* top = topScreen(); top && !isMinimized()) {
                top->raise();
                top->activateWindow();
            }
            following = false;
        }
    }
    // A click on the backdrop leaves the focus with the screen on top.
    if (backdrop_ && e->type() == QEvent::ActivationChange && windowHandle() &&
        QGuiApplication::focusWindow() == windowHandle()) {
        if (Form* top = topScreen(); top && top != this) top->activateWindow();
    }
}

void Form::closeEvent(QCloseEvent* e) {
    if (!e->spontaneous()) {
        e->accept();
        Unload();
        return;
    }
    // From the window manager: the screen decides, as if its Exit had been pressed.
    e->ignore();
    if (backdrop_) {
        if (Form* top = topScreen(); top && top != this) top->closeRequested();
        return;
    }
    closeRequested();
}

void Form::closeRequested() {
    // The controls carry no meta-object of their own: qobject_cast cannot tell them apart.
    const auto children = findChildren<QWidget*>();
    const bool typed = std::any_of(children.begin(), children.end(), [](QWidget* w) {
        auto* box = dynamic_cast<TextBox*>(w);
        return box && box->isModified() && !box->text().isEmpty();
    });
    if (typed && MsgBox(QStringLiteral("Close this screen and lose what you have typed?"),
                        MsgButtons::OKCancel) != MsgResult::OK)
        return;
    pressExit();
}

bool Form::pressExit() {
    return exit_ && !exit_->isHidden() && Keyboard::press(exit_);
}
