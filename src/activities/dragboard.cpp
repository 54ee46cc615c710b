#include "activities/dragboard.h"

#include <algorithm>

TwipPoint DragBoard::centredOn(const TwipRect& card, Twips x, Twips y) {
    return {card.left + x - card.width / 2, card.top + y - card.height / 2};
}

bool DragBoard::inZone(const TwipRect& box, TwipPoint corner) {
    return box.left - box.width / 2 < corner.left && corner.left < box.left + box.width &&
           box.top - box.height / 2 < corner.top && corner.top < box.top + box.height;
}

std::vector<Snap> DragBoard::drop(TwipPoint& corner) const {
    std::vector<Snap> snaps;
    const size_t n = std::max(slots.size(), homes.size());
    for (size_t i = 0; i < n; ++i) {
        if (i < slots.size() && inZone(slots[i], corner)) {
            corner = {slots[i].left, slots[i].top};
            snaps.push_back({Snap::Slot, static_cast<int>(i)});
        }
        if (i < homes.size() && inZone(homes[i], corner)) {
            corner = {homes[i].left, homes[i].top};
            snaps.push_back({Snap::Home, static_cast<int>(i)});
        }
    }
    return snaps;
}

std::vector<Snap> DragBoard::place(int card, TwipPoint corner, const TwipRect& visible) {
    const TwipRect& home = homes[card];
    const Twips midX = corner.left + home.width / 2, midY = corner.top + home.height / 2;
    const bool seen = visible.left <= midX && midX < visible.left + visible.width && visible.top <= midY &&
                      midY < visible.top + visible.height;
    std::vector<Snap> snaps;
    if (seen) {
        snaps = drop(corner);
    } else {
        corner = {home.left, home.top};
        snaps.push_back({Snap::Home, card});
    }
    // A card's start place stays free for it: dropped on the start place of a card lying there, a
    // card goes to its own instead.
    for (size_t j = 0; j < cards.size(); ++j)
        if (static_cast<int>(j) != card && liesOn(corner, homes[j]) && cards[j] == corner)
            corner = {home.left, home.top};
    cards[card] = corner;
    // Each card sent home may find another parked on its home box; every card moves at most once.
    std::vector<bool> moved(cards.size(), false);
    moved[card] = true;
    for (int mover = card, next = -1;; mover = next, next = -1) {
        for (size_t k = 0; k < cards.size() && next < 0; ++k)
            if (!moved[k] && cards[k] == cards[mover]) next = static_cast<int>(k);
        if (next < 0) break;
        moved[next] = true;
        cards[next] = {homes[next].left, homes[next].top};
    }
    return snaps;
}

int DragBoard::completionCount() const {
    int c = 0;
    for (const TwipPoint& card : cards)
        for (const TwipRect& slot : slots)
            if (liesOn(card, slot)) ++c;
    return c;
}

int DragBoard::score() const {
    int s = 0;
    const size_t n = std::min(cards.size(), slots.size());
    for (size_t i = 0; i < n; ++i)
        if (liesOn(cards[i], slots[i])) ++s;
    return s;
}
