#pragma once

#include <QColor>

// The screens' colours, one name each: a colour used on two screens is the same colour by name,
// not by two RGB triples that happen to agree.
namespace Colours {
inline const QColor Yellow{255, 255, 0};         // button captions
inline const QColor Black{0, 0, 0};              // button backgrounds, printed text
inline const QColor White{255, 255, 255};        // page counters
inline const QColor Navy{0, 0, 128};             // some menu entries; the certificate
inline const QColor ScreenBlue{39, 63, 137};     // the screens' background; the Moon hub
inline const QColor Bronze{126, 110, 59};        // the Caesar hub
inline const QColor Blue{0, 0, 255};             // title screen and catalogue text
inline const QColor Green{0, 255, 0};            // quiz and ordering text
inline const QColor DarkGreen{0, 128, 0};        // title screen text
inline const QColor Red{255, 0, 0};              // the catalogue's delete mode
inline const QColor Silver{192, 192, 192};       // control faces
inline const QColor Grey{128, 128, 128};         // control shadows
inline const QColor Periwinkle{128, 128, 255};   // quiz text, logo backgrounds
inline const QColor PaleCyan{128, 255, 255};     // labelling text
inline const QColor DeepBlue{0, 78, 152};        // the catalogue's and the wizard's tick boxes
inline const QColor LogoBlue{49, 135, 214};      // the animated logo's background after the frame
inline const QColor CreditsBlue{40, 104, 180};   // the Acknowledgments page, dark enough for its text
inline const QColor SoundFormBlue{48, 133, 214}; // the hidden form that carries the sound control
// Shades that keep a design colour's hue where the design colour would not read on its ground.
inline const QColor LightPeriwinkle{140, 140, 255}; // the quiz's set title on the screen blue
inline const QColor DarkGold{110, 85, 0};           // the Caesar hub's title on the pale sky
inline const QColor FernGreen{0, 90, 0};            // the title screen's rights notice
inline const QColor PaleRed{255, 180, 180};         // the catalogue's delete mode on the blue
inline const QColor DimGrey{150, 150, 150};         // greyed captions, still readable
} // namespace Colours

inline QColor RGB(int r, int g, int b) {
    return QColor(r, g, b);
}
