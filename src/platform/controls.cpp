#include "platform/controls.h"

#include "platform/focus.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>

int mouseButtonMask(Qt::MouseButtons b) {
    int m = 0;
    if (b & Qt::LeftButton) m |= LeftButton;
    if (b & Qt::RightButton) m |= RightButton;
    if (b & Qt::MiddleButton) m |= MiddleButton;
    return m;
}

int shiftKeyMask(Qt::KeyboardModifiers k) {
    int m = 0;
    if (k & Qt::ShiftModifier) m |= 1;
    if (k & Qt::ControlModifier) m |= 2;
    if (k & Qt::AltModifier) m |= 4;
    return m;
}

namespace {

void setPaletteColour(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    if (role == QPalette::WindowText) p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

} // namespace

// ---- ControlGeometry --------------------------------------------------------------------------

ControlGeometry::ControlGeometry(QWidget* self) : self_(self) {
    Keyboard::install();
}

void ControlGeometry::apply() {
    const QWidget* parent = self_->parentWidget();
    const QPoint shift = parent ? parent->property(ContentOffsetProperty).toPoint() : QPoint();
    self_->setGeometry(r_.toPixels().translated(shift));
}

void ControlGeometry::deliver(const MouseHandler& h, QMouseEvent* e, bool release) {
    if (!h) return;
    // On a release the mask names the button that went up; on a move, the buttons held.
    const int button = release ? mouseButtonMask(e->button()) : mouseButtonMask(e->buttons());
    const QPointF p = e->position();
    h(button, shiftKeyMask(e->modifiers()), pixelsToTwips(p.x()), pixelsToTwips(p.y()));
}

void ControlGeometry::handleMouse(QMouseEvent* e) {
    e->accept();
    switch (e->type()) {
    case QEvent::MouseButtonPress:
        pressed_ = true;
        deliver(MouseDown, e, true);
        break;
    case QEvent::MouseButtonDblClick:
        // The second press of a double-click: the first already clicked, and pupils double-click
        // buttons. Its release still puts down whatever is being dragged.
        break;
    case QEvent::MouseMove:
        deliver(MouseMove, e, false);
        break;
    case QEvent::MouseButtonRelease: {
        const bool inside = self_->rect().contains(e->position().toPoint());
        const bool wasPressed = pressed_;
        pressed_ = e->buttons() != Qt::NoButton;
        deliver(MouseUp, e, true);
        // A click is a left press and release over the same control.
        if (wasPressed && inside && e->button() == Qt::LeftButton && Click && self_->isEnabled()) Click();
        break;
    }
    default:
        break;
    }
}

// ---- Label ------------------------------------------------------------------------------------

Label::Label(QWidget* parent) : OwnMouseControl(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void Label::setFontSize(double points) {
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
    update();
}

void Label::copyLookFrom(const Label& other) {
    setFont(other.font());
    fore_ = other.fore_;
    back_ = other.back_;
    opaque_ = other.opaque_;
    border_ = other.border_;
    align_ = other.align_;
    setWidth(other.Width());
    setHeight(other.Height());
    update();
}

void Label::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (opaque_) p.fillRect(rect(), back_);
    QRect textRect = rect();
    if (border_) {
        p.setPen(QPen(Colours::Black, 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        textRect.adjust(1, 1, -1, -1);
    }
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    flags |= align_ == Align::Center  ? Qt::AlignHCenter
             : align_ == Align::Right ? Qt::AlignRight
                                      : Qt::AlignLeft;
    p.setFont(font());
    if (isEnabled()) {
        p.setPen(fore_);
        p.drawText(textRect, flags, caption_);
    } else {
        // Greyed, engraved text, as disabled captions have always looked.
        p.setPen(Colours::White);
        p.drawText(textRect.translated(1, 1), flags, caption_);
        p.setPen(Colours::DimGrey);
        p.drawText(textRect, flags, caption_);
    }
}

// ---- OptionButton and CheckBox ---------------------------------------------------------------

template <class Button>
ToggleControl<Button>::ToggleControl(QWidget* parent) : Button(parent), ControlGeometry(this) {
    this->setMouseTracking(true);
    this->setAutoFillBackground(true);
    QObject::connect(this, &QAbstractButton::clicked, this, [this] {
        if (Click) Click();
    });
}

template <class Button> void ToggleControl<Button>::setForeColor(const QColor& c) {
    setPaletteColour(this, QPalette::WindowText, c);
}

template <class Button> void ToggleControl<Button>::setBackColor(const QColor& c) {
    setPaletteColour(this, QPalette::Window, c);
    setPaletteColour(this, QPalette::Button, c);
}

template <class Button> void ToggleControl<Button>::mouseMoveEvent(QMouseEvent* e) {
    Button::mouseMoveEvent(e);
    deliver(MouseMove, e, false);
    e->accept();
}

template <class Button> void ToggleControl<Button>::mousePressEvent(QMouseEvent* e) {
    Button::mousePressEvent(e);
    e->accept();
}

template <class Button> void ToggleControl<Button>::mouseReleaseEvent(QMouseEvent* e) {
    Button::mouseReleaseEvent(e);
    e->accept();
}

template <class Button> void ToggleControl<Button>::mouseDoubleClickEvent(QMouseEvent* e) {
    // Taken as a press, Qt's default, it would toggle the box a second time.
    e->accept();
}

template class ToggleControl<QRadioButton>;
template class ToggleControl<QCheckBox>;

void OptionButton::setValue(bool v) {
    if (v == isChecked()) return;
    setChecked(v);
    if (v && Click) Click();
}

void CheckBox::setValue(int v) {
    const bool want = v != 0;
    if (want == isChecked()) return;
    setChecked(want);
    if (Click) Click();
}

// ---- HitMargin --------------------------------------------------------------------------------

HitMargin::HitMargin(QWidget* control, QMargins grow)
    : QWidget(control->parentWidget()), control_(control), grow_(grow) {
    setFocusPolicy(Qt::NoFocus);
    control->installEventFilter(this);
    follow();
}

void HitMargin::follow() {
    if (!control_) return;
    setGeometry(control_->geometry().marginsAdded(grow_));
    stackUnder(control_);
    setVisible(!control_->isHidden());
}

bool HitMargin::eventFilter(QObject* watched, QEvent* e) {
    if (watched == control_ && (e->type() == QEvent::Move || e->type() == QEvent::Resize ||
                                e->type() == QEvent::Show || e->type() == QEvent::Hide))
        follow();
    return false;
}

void HitMargin::mousePressEvent(QMouseEvent* e) {
    e->accept();
}

void HitMargin::mouseReleaseEvent(QMouseEvent* e) {
    e->accept();
    if (!control_ || !control_->isEnabled() || e->button() != Qt::LeftButton ||
        !rect().contains(e->position().toPoint()))
        return;
    if (auto* button = qobject_cast<QAbstractButton*>(control_))
        button->click();
    else if (auto* geometry = dynamic_cast<ControlGeometry*>(control_.data()); geometry && geometry->Click)
        geometry->Click();
    else
        control_->setFocus(Qt::MouseFocusReason);
}

// ---- TextBox ----------------------------------------------------------------------------------

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), ControlGeometry(this) {
    setMouseTracking(true);
    setMaxLength(32767);
}

void TextBox::keyPressEvent(QKeyEvent* e) {
    if (KeyPress) {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
            KeyPress(13);
        else if (!e->text().isEmpty() && e->text().at(0).unicode() >= 32)
            KeyPress(e->text().at(0).unicode());
    }
    QLineEdit::keyPressEvent(e);
}

void TextBox::mouseMoveEvent(QMouseEvent* e) {
    QLineEdit::mouseMoveEvent(e);
    deliver(MouseMove, e, false);
    e->accept();
}

// ---- CommandButton ----------------------------------------------------------------------------

CommandButton::CommandButton(QWidget* parent) : QPushButton(parent), ControlGeometry(this) {
    setMouseTracking(true);
    setAutoDefault(false);
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (Click) Click();
    });
}

void CommandButton::setBackColor(const QColor& c) {
    setPaletteColour(this, QPalette::Button, c);
}

void CommandButton::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
}

void CommandButton::keyPressEvent(QKeyEvent* e) {
    // Space presses a focused button already; Return and Enter do too, as on the old platform.
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        e->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

void CommandButton::mouseMoveEvent(QMouseEvent* e) {
    QPushButton::mouseMoveEvent(e);
    deliver(MouseMove, e, false);
    e->accept();
}

// ---- PictureBox -------------------------------------------------------------------------------

PictureBox::PictureBox(QWidget* parent) : PictureControl(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void PictureBox::paintEvent(QPaintEvent* e) {
    {
        QPainter p(this);
        p.fillRect(rect(), back_);
        const QRect inner = contentsRect();
        if (!picture_.isNull()) {
            p.setClipRect(inner);
            const QSizeF size = picture_.sizeTwips() / TwipsPerPixel;
            picture_.draw(p, QRectF(inner.topLeft(), size));
        }
    }
    QFrame::paintEvent(e);
}

// ---- ImageBox ---------------------------------------------------------------------------------

void ImageBox::pictureChanged() {
    if (stretch_ || picture_.isNull()) return;
    const QSizeF size = picture_.sizeTwips();
    setWidth(static_cast<Twips>(size.width()));
    setHeight(static_cast<Twips>(size.height()));
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter p(this);
    picture_.draw(p, QRectF(rect()));
}

// ---- Line -------------------------------------------------------------------------------------

Line::Line(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setPoints(Twips x1, Twips y1, Twips x2, Twips y2) {
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int pad = width_ + 1;
    const QRect box = QRect(QPoint(twipsToPixels(std::min(x1, x2)), twipsToPixels(std::min(y1, y2))),
                            QPoint(twipsToPixels(std::max(x1, x2)), twipsToPixels(std::max(y1, y2))))
                          .adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    update();
}

void Line::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    const QPoint origin = geometry().topLeft();
    p.drawLine(QPoint(twipsToPixels(x1_), twipsToPixels(y1_)) - origin,
               QPoint(twipsToPixels(x2_), twipsToPixels(y2_)) - origin);
}

// ---- Frame ------------------------------------------------------------------------------------

Frame::Frame(QWidget* parent) : OwnMouseControl(parent) {
    setFrameStyle(QFrame::Box | QFrame::Sunken);
}

void Frame::setBackColor(const QColor& c) {
    setPaletteColour(this, QPalette::Window, c);
    setAutoFillBackground(true);
}

// ---- Timer ------------------------------------------------------------------------------------

Timer::Timer(QObject* parent, int intervalMs) : QObject(parent), interval_(intervalMs) {
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (enabled_ && Tick) Tick();
    });
}

void Timer::setInterval(int ms) {
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool e) {
    if (e == enabled_) return;
    enabled_ = e;
    restart();
}

void Timer::restart() {
    timer_.stop();
    if (enabled_ && interval_ > 0) timer_.start(interval_);
}
