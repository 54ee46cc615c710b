#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

// A ring drawn just outside another control, on top of everything else in its window. It marks
// the keyboard focus, a ticked answer or a chosen box without touching the control's own look.
// It follows the control when it moves and hides with it; it never takes a mouse event.
class RingMarker : public QWidget {
public:
    RingMarker(QWidget* window, QColor colour, int thickness);

    // Frames `target` (a control of the same window), or hides the ring for nullptr.
    void frame(QWidget* target);
    QWidget* target() const { return target_; }
    // Draws the ring along the inside of the control's edge instead of round it, where the
    // control's neighbours lie too close for a ring outside.
    void setInside(bool inside) {
        inside_ = inside;
        follow();
    }

protected:
    void paintEvent(QPaintEvent*) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void follow();

    QPointer<QWidget> target_;
    QColor colour_;
    int thickness_;
    bool inside_ = false;
};
