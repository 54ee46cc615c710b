#include "platform/ring.h"

#include <QEvent>
#include <QPainter>

namespace {
// A dark edge on both sides of the band keeps the ring visible on light pictures as well as on
// the screen blue and the black and navy buttons.
constexpr int Edge = 1;
constexpr int Gap = 1;
} // namespace

RingMarker::RingMarker(QWidget* window, QColor colour, int thickness)
    : QWidget(window), colour_(colour), thickness_(thickness) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void RingMarker::frame(QWidget* target) {
    if (target_ == target) {
        follow();
        return;
    }
    if (target_) target_->removeEventFilter(this);
    target_ = target;
    if (target_) target_->installEventFilter(this);
    follow();
}

void RingMarker::follow() {
    if (!target_ || !target_->isVisibleTo(parentWidget())) {
        hide();
        return;
    }
    const int out = inside_ ? 0 : Gap + thickness_ + 2 * Edge;
    const QRect r(target_->mapTo(parentWidget(), QPoint(0, 0)), target_->size());
    setGeometry(r.adjusted(-out, -out, out, out));
    raise();
    show();
    update();
}

bool RingMarker::eventFilter(QObject* watched, QEvent* e) {
    if (watched == target_) {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            follow();
            break;
        default:
            break;
        }
    }
    return false;
}

void RingMarker::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect outer = rect();
    const QRect band = outer.adjusted(Edge, Edge, -Edge, -Edge);
    const QRect innerEdge = band.adjusted(thickness_, thickness_, -thickness_, -thickness_);
    const QRect hole = innerEdge.adjusted(Edge, Edge, -Edge, -Edge);
    // Only the ring is painted: the control inside keeps its own look.
    p.setClipRegion(QRegion(outer).subtracted(QRegion(hole)));
    p.fillRect(outer, Qt::black);
    p.fillRect(band, colour_);
    p.fillRect(innerEdge, Qt::black);
}
