#include "platform/form.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPalette>

Form::Form(QWidget* parent) : QWidget(parent, Qt::Window) {
    setMouseTracking(true);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Form::~Form() = default;

QColor Form::BackColor() const { return palette().color(QPalette::Window); }

void Form::setBackColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::Window, c);
    setPalette(p);
}

Twips Form::Left() const { return pixelsToTwips(frameGeometry().x()); }
Twips Form::Top() const { return pixelsToTwips(frameGeometry().y()); }
Twips Form::Width() const { return pixelsToTwips(frameGeometry().width()); }
Twips Form::Height() const { return pixelsToTwips(frameGeometry().height()); }

void Form::setLeft(Twips v) { move(twipsToPixels(v), pos().y()); }
void Form::setTop(Twips v) { move(pos().x(), twipsToPixels(v)); }

void Form::setOuterSize(Twips width, Twips height) {
    // Before the window is shown its frame is unknown; the client area then takes the whole size,
    // which is what a window without decorations (and every test) has.
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    setFixedSize(QSize(twipsToPixels(width), twipsToPixels(height)) - frameExtra);
}

void Form::setClientSize(Twips width, Twips height) { setFixedSize(twipsToPixels(width), twipsToPixels(height)); }

void Form::Show() {
    show();
    raise();
    activateWindow();
}

void Form::Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    hide();
    // Handlers of this screen may still be running further up the stack.
    deleteLater();
    if (afterUnload)
        afterUnload();
}

void Form::mouseMoveEvent(QMouseEvent* e) {
    const QPointF p = e->position();
    int button = 0;
    if (e->buttons() & Qt::LeftButton)
        button |= LeftButton;
    if (e->buttons() & Qt::RightButton)
        button |= RightButton;
    Form_MouseMove(button, 0, pixelsToTwips(p.x()), pixelsToTwips(p.y()));
}

void Form::closeEvent(QCloseEvent* e) {
    // Closing the window from its title bar unloads the screen, as its own Exit would.
    e->accept();
    Unload();
}
