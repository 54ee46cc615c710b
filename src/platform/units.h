#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <cmath>

// Positions and sizes are twips held in single precision: copying one box's left and top onto
// another control must make later equality tests exact, as the drag-and-drop screens rely on.
using Twips = float;

constexpr Twips TwipsPerPixel = 15.0f;

inline int twipsToPixels(Twips t) { return static_cast<int>(std::lround(t / TwipsPerPixel)); }
inline Twips pixelsToTwips(double px) { return static_cast<Twips>(px * TwipsPerPixel); }

struct TwipRect {
    Twips left = 0, top = 0, width = 0, height = 0;
    QRect toPixels() const {
        return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    }
};

inline QColor RGB(int r, int g, int b) { return QColor(r, g, b); }

// Colours the screens share.
namespace Colours {
inline const QColor Yellow{255, 255, 0};
inline const QColor Black{0, 0, 0};
inline const QColor White{255, 255, 255};
inline const QColor Navy{0, 0, 128};
inline const QColor ScreenBlue{39, 63, 137};
} // namespace Colours
