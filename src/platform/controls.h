#pragma once

#include "platform/colours.h"
#include "platform/picture.h"
#include "platform/units.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <functional>

// The controls the screens are built from. Each keeps its place in twips and consumes its own
// mouse events: a form's mouse-move handler runs only over the bare form.

// Mouse button masks and shift masks as the handlers receive them.
enum MouseButtonMask { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
// The one conversion from Qt's buttons and modifiers, for the controls and the forms alike (Shift 1,
// Ctrl 2, Alt 4).
int mouseButtonMask(Qt::MouseButtons buttons);
int shiftKeyMask(Qt::KeyboardModifiers modifiers);

using ClickHandler = std::function<void()>;
using MouseHandler = std::function<void(int button, int shift, Twips x, Twips y)>;
using KeyHandler = std::function<void(int keyAscii)>;

enum class Align { Left, Right, Center };

// Twip geometry shared by every control that is a widget.
// Where a screen's controls are shifted to when the screen is larger than designed, in pixels.
inline constexpr char ContentOffsetProperty[] = "tellwynContentOffset";

class ControlGeometry {
public:
    // Every control brings the program's keyboard and assistive technology handling with it.
    explicit ControlGeometry(QWidget* self);
    virtual ~ControlGeometry() = default;

    Twips Left() const { return r_.left; }
    Twips Top() const { return r_.top; }
    Twips Width() const { return r_.width; }
    Twips Height() const { return r_.height; }
    void setLeft(Twips v) { setRect({v, r_.top, r_.width, r_.height}); }
    void setTop(Twips v) { setRect({r_.left, v, r_.width, r_.height}); }
    void setWidth(Twips v) { setRect({r_.left, r_.top, v, r_.height}); }
    void setHeight(Twips v) { setRect({r_.left, r_.top, r_.width, v}); }
    void Move(Twips left, Twips top) { setRect({left, top, r_.width, r_.height}); }
    void setRect(const TwipRect& r) {
        r_ = r;
        apply();
    }
    TwipRect twipRect() const { return r_; }

    bool Visible() const { return !self_->isHidden(); }
    bool Enabled() const { return self_->isEnabled(); }

    ClickHandler Click;
    MouseHandler MouseDown, MouseMove, MouseUp;

    // Places the widget at its twips, shifted by the screen's centring when the window manager
    // made the screen larger than designed (full screen).
    void apply();

protected:
    // Converts a Qt mouse event into the handler's arguments and calls it. The event stays with
    // this control whether or not it has a handler.
    void deliver(const MouseHandler& h, QMouseEvent* e, bool release);
    void handleMouse(QMouseEvent* e);

private:
    QWidget* self_;
    TwipRect r_;
    bool pressed_ = false;
};

// A control drawn by us on a plain Qt widget: it follows the pointer and keeps every mouse event
// to itself, turning them into the Click and mouse handlers.
template <class Widget> class OwnMouseControl : public Widget, public ControlGeometry {
public:
    explicit OwnMouseControl(QWidget* parent) : Widget(parent), ControlGeometry(this) {
        this->setMouseTracking(true);
    }

protected:
    void mousePressEvent(QMouseEvent* e) override { handleMouse(e); }
    void mouseMoveEvent(QMouseEvent* e) override { handleMouse(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { handleMouse(e); }
};

// Caption with an opaque or transparent background and an optional single-line border.
class Label : public OwnMouseControl<QWidget> {
public:
    explicit Label(QWidget* parent);

    QString Caption() const { return caption_; }
    void setCaption(const QString& c) {
        caption_ = c;
        update();
    }
    QColor ForeColor() const { return fore_; }
    void setForeColor(const QColor& c) {
        fore_ = c;
        update();
    }
    QColor BackColor() const { return back_; }
    void setBackColor(const QColor& c) {
        back_ = c;
        update();
    }
    bool Opaque() const { return opaque_; }
    void setOpaque(bool o) {
        if (o != opaque_) {
            opaque_ = o;
            update();
        }
    }
    bool Border() const { return border_; }
    void setBorder(bool b) {
        border_ = b;
        update();
    }
    Align Alignment() const { return align_; }
    void setAlignment(Align a) {
        align_ = a;
        update();
    }
    void setFontSize(double points);

    // Copies font, colours, alignment, border and size from another label (run-time array elements).
    void copyLookFrom(const Label& other);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
    QColor fore_ = Colours::Black;
    QColor back_ = Colours::Silver;
    bool opaque_ = true;
    bool border_ = false;
    Align align_ = Align::Left;
};

// What option buttons and check boxes share: the whole box answers a click, the button keeps its
// mouse events to itself, and a code change of value raises Click like a user's click.
template <class Button> class ToggleControl : public Button, public ControlGeometry {
public:
    explicit ToggleControl(QWidget* parent);
    void setForeColor(const QColor& c);
    void setBackColor(const QColor& c);

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
};

// Option button: all option buttons with the same parent form one exclusive group. Selecting one
// from code raises its Click, as a user's click does.
class OptionButton : public ToggleControl<QRadioButton> {
public:
    explicit OptionButton(QWidget* parent) : ToggleControl(parent) {}
    bool Value() const { return isChecked(); }
    void setValue(bool v);
    QString Caption() const { return text(); }
    void setCaption(const QString& c) { setText(c); }
};

// Check box with a value of 0 or 1. Changing the value from code raises its Click.
class CheckBox : public ToggleControl<QCheckBox> {
public:
    explicit CheckBox(QWidget* parent) : ToggleControl(parent) {}
    int Value() const { return isChecked() ? 1 : 0; }
    void setValue(int v);
};

// The least size, in pixels at the designed scale, of anything a pupil clicks.
inline constexpr int MinTargetPixels = 24;

// An invisible margin round a small control that takes its clicks, so that a child's unsteady hand
// finds it; the control draws as designed. A click there presses a button, or puts the focus in a
// text box. It lies just beneath the control and follows it: what lies above the control keeps
// its own clicks.
class HitMargin : public QWidget {
public:
    HitMargin(QWidget* control, QMargins grow);
    QWidget* control() const { return control_; }

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void follow();
    QPointer<QWidget> control_;
    QMargins grow_;
};

// Single-line text box with a maximum length. KeyPress sees every character typed and Enter (13);
// the key is passed on unchanged.
class TextBox : public QLineEdit, public ControlGeometry {
public:
    explicit TextBox(QWidget* parent);
    QString Text() const { return text(); }
    KeyHandler KeyPress;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
};

class CommandButton : public QPushButton, public ControlGeometry {
public:
    explicit CommandButton(QWidget* parent);
    QString Caption() const { return text(); }
    void setCaption(const QString& c) { setText(c); }
    void setBackColor(const QColor& c);

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    // A double-click is one click.
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

// What picture boxes and images share: the picture they show, redrawn when it changes.
template <class Widget> class PictureControl : public OwnMouseControl<Widget> {
public:
    using OwnMouseControl<Widget>::OwnMouseControl;
    const ::Picture& Picture() const { return picture_; }
    void setPicture(const ::Picture& p) {
        picture_ = p;
        pictureChanged();
        this->update();
    }

protected:
    virtual void pictureChanged() {}
    ::Picture picture_;
};

// Picture box: a background colour and a picture drawn at its own size from the top-left corner,
// cut off at the box's edges.
class PictureBox : public PictureControl<QFrame> {
public:
    explicit PictureBox(QWidget* parent);
    void setBackColor(const QColor& c) {
        back_ = c;
        update();
    }
    QColor BackColor() const { return back_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor back_ = Colours::Silver;
};

// Image: a picture stretched to the box, or at its own size with the box taking that size.
class ImageBox : public PictureControl<QWidget> {
public:
    explicit ImageBox(QWidget* parent) : PictureControl(parent) {}
    void setStretch(bool s) {
        stretch_ = s;
        update();
    }

protected:
    void pictureChanged() override;
    void paintEvent(QPaintEvent*) override;

private:
    bool stretch_ = false;
};

// Straight line between two points in twips. It takes no mouse events: they fall through to the
// form, as on the old platform.
class Line : public QWidget {
public:
    explicit Line(QWidget* parent);
    void setPoints(Twips x1, Twips y1, Twips x2, Twips y2);
    void setBorderWidth(int w) {
        width_ = w;
        setPoints(x1_, y1_, x2_, y2_);
    }
    void setBorderColor(const QColor& c) {
        colour_ = c;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Twips x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    int width_ = 1;
    QColor colour_ = Colours::Black;
};

// Frame: a container with an etched border and an optional caption.
class Frame : public OwnMouseControl<QFrame> {
public:
    explicit Frame(QWidget* parent);
    void setBackColor(const QColor& c);
};

// Timer: while enabled, raises Timer every Interval milliseconds.
class Timer : public QObject {
public:
    explicit Timer(QObject* parent, int intervalMs = 0);
    void setInterval(int ms);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool e);
    std::function<void()> Tick;

private:
    void restart();
    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = false;
};
