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
