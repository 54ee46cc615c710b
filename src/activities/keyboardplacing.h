#pragma once

#include "platform/units.h"

#include <QObject>
#include <QPoint>
#include <vector>

class ActivityScreen;
class Label;
class QKeyEvent;
class QMouseEvent;
class RingMarker;

// Placing cards without dragging them. From the keyboard: Enter or Space picks up the focused
// card, the arrow keys and Tab move a highlight over the answer boxes in reading order, Enter or
// Space drops the card there and Esc puts it back. By touch: tap a card, then tap a box. Either
// way the card is dropped with its corner on the box, through the mouse's own drop, so the snap,
// the sound and the completion test are the mouse's.
class KeyboardPlacing : public QObject {
public:
    explicit KeyboardPlacing(ActivityScreen& screen);

    // Cards, answer boxes and home boxes take part in tap-and-tap placing.
    void watchCard(Label* card);
    void watchBox(Label* box);

    bool key(QKeyEvent& key, QWidget* focus);
    int heldCard() const { return held_; }
    // The answer box under the highlight while a card is held by keyboard, else -1.
    int highlightedSlot() const;

    // Answer boxes ordered by top, then left: never in answer order, which would give it away.
    static std::vector<int> readingOrder(const std::vector<TwipRect>& boxes);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    int cardIndex(const QObject* o) const;
    void pickUp(int card, bool showBox);
    void putBack();
    void dropOn(const TwipRect& box);
    void moveHighlight(int step);
    bool touchOnCard(int card, QMouseEvent& e);
    void tapCard(int card);
    const Label* boxUnder(int card) const;

    ActivityScreen& screen_;
    int held_ = -1;
    size_t at_ = 0; // place in the reading order of the answer boxes
    QPoint touchStart_;
    bool touchMoved_ = false;
    RingMarker* heldRing_;
    RingMarker* boxRing_;
};
