#include "activities/keyboardplacing.h"

#include "activities/activityscreen.h"
#include "platform/focus.h"
#include "platform/ring.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <numeric>

namespace {

const QColor ChosenColour(255, 140, 0);
constexpr int ChosenThickness = 4;

bool fromTouch(const QMouseEvent& e) {
    return e.device() && e.device()->type() == QInputDevice::DeviceType::TouchScreen;
}

} // namespace

KeyboardPlacing::KeyboardPlacing(ActivityScreen& screen)
    : QObject(&screen), screen_(screen), heldRing_(new RingMarker(&screen, ChosenColour, ChosenThickness)),
      boxRing_(new RingMarker(&screen, ChosenColour, ChosenThickness)) {}

void KeyboardPlacing::watchCard(Label* card) {
    Keyboard::setTakesFocus(card, true);
    card->installEventFilter(this);
}

void KeyboardPlacing::watchBox(Label* box) {
    box->installEventFilter(this);
}

std::vector<int> KeyboardPlacing::readingOrder(const std::vector<TwipRect>& boxes) {
    std::vector<int> order(boxes.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&boxes](int a, int b) {
        return boxes[a].top != boxes[b].top ? boxes[a].top < boxes[b].top : boxes[a].left < boxes[b].left;
    });
    return order;
}

int KeyboardPlacing::highlightedSlot() const {
    if (held_ < 0 || !boxRing_->target()) return -1;
    const std::vector<int> order = readingOrder(screen_.board().slots);
    return at_ < order.size() ? order[at_] : -1;
}

int KeyboardPlacing::cardIndex(const QObject* o) const {
    const DragBoard board = screen_.board();
    for (int i = 0; i < static_cast<int>(board.cards.size()); ++i)
        if (o == &screen_.Label2(i)) return i;
    return -1;
}

void KeyboardPlacing::pickUp(int card, bool showBox) {
    held_ = card;
    at_ = 0;
    heldRing_->frame(&screen_.Label2(card));
    boxRing_->frame(nullptr);
    if (showBox) moveHighlight(0);
}

void KeyboardPlacing::putBack() {
    held_ = -1;
    heldRing_->frame(nullptr);
    boxRing_->frame(nullptr);
}

void KeyboardPlacing::moveHighlight(int step) {
    const std::vector<int> order = readingOrder(screen_.board().slots);
    if (order.empty()) return;
    const int n = static_cast<int>(order.size());
    at_ = static_cast<size_t>((static_cast<int>(at_) + step + n) % n);
    boxRing_->frame(&screen_.Label1(order[at_]));
}

void KeyboardPlacing::dropOn(const TwipRect& box) {
    const int card = held_;
    putBack();
    // Put down with its corner on the box, then dropped as the mouse drops it.
    screen_.Label2(card).Move(box.left, box.top);
    screen_.Label2_MouseUp(card, LeftButton, 0, 0, 0);
}

bool KeyboardPlacing::key(QKeyEvent& k, QWidget* focus) {
    if (held_ < 0) {
        const int card = cardIndex(focus);
        if (card < 0 || !Keyboard::isActivation(k)) return false;
        if (!k.isAutoRepeat()) pickUp(card, true);
        return true;
    }
    switch (k.key()) {
    case Qt::Key_Escape:
        putBack();
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
        moveHighlight(1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Backtab:
        moveHighlight(-1);
        return true;
    case Qt::Key_Tab:
        moveHighlight(k.modifiers() & Qt::ShiftModifier ? -1 : 1);
        return true;
    default:
        break;
    }
    if (!Keyboard::isActivation(k)) return false;
    if (!boxRing_->target()) moveHighlight(0);
    if (const int slot = highlightedSlot(); slot >= 0 && !k.isAutoRepeat())
        dropOn(screen_.Label1(slot).twipRect());
    return true;
}

// A tap picks up the card, or puts the card held down on the box the tapped card lies on; a
// finger that moves drags the card as the mouse does.
bool KeyboardPlacing::touchOnCard(int card, QMouseEvent& e) {
    switch (e.type()) {
    case QEvent::MouseButtonPress:
        touchStart_ = e.globalPosition().toPoint();
        touchMoved_ = false;
        return false;
    case QEvent::MouseMove:
        if (!touchMoved_ && (e.globalPosition().toPoint() - touchStart_).manhattanLength() <
                                QApplication::startDragDistance())
            return true;
        touchMoved_ = true;
        return false;
    case QEvent::MouseButtonRelease:
        if (touchMoved_) return false;
        tapCard(card);
        return true;
    default:
        return false;
    }
}

const Label* KeyboardPlacing::boxUnder(int card) const {
    const DragBoard board = screen_.board();
    for (size_t i = 0; i < board.slots.size(); ++i) {
        if (DragBoard::liesOn(board.cards[card], board.slots[i])) return &screen_.Label1(static_cast<int>(i));
        if (DragBoard::liesOn(board.cards[card], board.homes[i])) return &screen_.Label4(static_cast<int>(i));
    }
    return nullptr;
}

void KeyboardPlacing::tapCard(int card) {
    if (held_ == card) {
        putBack();
        return;
    }
    // A filled box is tapped through the card lying on it.
    if (held_ >= 0)
        if (const Label* box = boxUnder(card)) {
            dropOn(box->twipRect());
            return;
        }
    pickUp(card, false);
}

bool KeyboardPlacing::eventFilter(QObject* watched, QEvent* e) {
    const bool mouse = e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseMove ||
                       e->type() == QEvent::MouseButtonRelease;
    if (!mouse) return false;
    auto& m = static_cast<QMouseEvent&>(*e);
    if (!fromTouch(m)) {
        // The mouse takes over from a card held by keyboard or touch.
        if (e->type() == QEvent::MouseButtonPress && held_ >= 0) putBack();
        return false;
    }
    if (const int card = cardIndex(watched); card >= 0) return touchOnCard(card, m);
    if (auto* box = dynamic_cast<Label*>(watched);
        box && e->type() == QEvent::MouseButtonRelease && held_ >= 0)
        dropOn(box->twipRect());
    return false;
}
