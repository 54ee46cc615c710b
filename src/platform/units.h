#pragma once

#include <QRect>
#include <cmath>

// Positions and sizes are twips held in single precision: copying one box's left and top onto
// another control must make later equality tests exact, as the drag-and-drop screens rely on.
using Twips = float;

constexpr Twips TwipsPerPixel = 15.0f;

inline int twipsToPixels(Twips t) {
    return static_cast<int>(std::lround(t / TwipsPerPixel));
}
inline Twips pixelsToTwips(double px) {
    return static_cast<Twips>(px * TwipsPerPixel);
}

struct TwipRect {
    Twips left = 0, top = 0, width = 0, height = 0;
    QRect toPixels() const {
        return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    }
};
