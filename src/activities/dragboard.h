#pragma once

#include "platform/units.h"

#include <vector>

// The rules of the drag-and-drop activities, on positions alone. A card's place is its top-left
// corner; it lies on a box when that corner equals the box's left and top exactly, which is why
// every position is single-precision twips and a snap copies the box's corner unchanged.

struct TwipPoint {
    Twips left = 0, top = 0;
    bool operator==(const TwipPoint&) const = default;
};

// One snap made by a drop: onto slot `index` or back onto home box `index`.
struct Snap {
    enum Kind { Slot, Home } kind;
    int index;
    bool operator==(const Snap&) const = default;
};

class DragBoard {
public:
    // Index i of each: slot i (where card i belongs), home box i (where card i starts), card i.
    std::vector<TwipRect> slots;
    std::vector<TwipRect> homes;
    std::vector<TwipPoint> cards;

    // Where a dragged card goes so that its centre lies under the pointer; x and y are relative to
    // the card's own corner. Nothing keeps it on the screen.
    static TwipPoint centredOn(const TwipRect& card, Twips x, Twips y);

    // A box catches a corner from half a box to its left and above to a whole box to its right and
    // below, every bound excluded.
    static bool inZone(const TwipRect& box, TwipPoint corner);
    static bool liesOn(TwipPoint corner, const TwipRect& box) {
        return corner.left == box.left && corner.top == box.top;
    }

    // Tests a released corner against slot 0, home 0, slot 1, home 1 and so on, each test from
    // where the ones before it left the corner, and moves it on every hit. A corner that hits
    // nothing stays where it was released.
    std::vector<Snap> drop(TwipPoint& corner) const;

    // Puts card `card` down with its corner released at `corner`, on a screen whose visible area
    // is `visible`. A card whose middle lies outside that area could be neither seen nor picked
    // up again: it goes home, and that counts as a snap home. A card that snaps onto a box where
    // another card lies sends that card home, so no card ever hides another; the box that is a
    // card's own start place is kept for it. Every card moved
    // ends in `cards`; returns the snaps made by the dropped card.
    std::vector<Snap> place(int card, TwipPoint corner, const TwipRect& visible);

    // Card-and-slot pairs that coincide, counted with repetition: two cards on one slot count twice.
    int completionCount() const;
    bool everySlotFilled() const { return completionCount() == static_cast<int>(slots.size()); }
    // Cards lying on their own slot.
    int score() const;
};
