#pragma once

#include "platform/units.h"

#include <QColor>
#include <QString>
#include <array>

struct MenuEntry {
    int index;
    const char* caption;
    TwipRect rect;
    double points;
    bool navy;
    bool enabled;
};

// The menu's entries as laid out on the screen; index 14 does not exist.
inline constexpr std::array<MenuEntry, 20> MenuEntries{{
    {0, "Alexander the Great", {120, 2760, 3195, 375}, 12, false, false},
    {1, "Julius Caesar", {120, 3480, 3195, 375}, 12, false, true},
    {2, "Mohammed", {120, 4200, 3195, 375}, 12, false, false},
    {3, "Queen Elizabeth II", {120, 4920, 3195, 375}, 12, false, false},
    {4, "Mahatma Gandhi", {120, 5640, 3195, 375}, 12, false, false},
    {5, "John Lennon", {120, 6360, 3195, 375}, 12, false, false},
    {6, "Nelson Mandela", {120, 7080, 3195, 375}, 12, false, false},
    {7, "The Great Fire of London", {3480, 2040, 3195, 375}, 12, false, false},
    {8, "The Olympic Games", {3480, 2760, 3195, 375}, 12, false, false},
    {9, "The Battle of Hastings", {3480, 3480, 3195, 375}, 12, false, false},
    {10, "The Mongol Invasions", {3480, 4200, 3195, 375}, 12, false, false},
    {11, "The Gunpowder Plot", {3480, 4920, 3195, 375}, 12, false, false},
    {12, "The French Revolution", {3480, 5640, 3195, 375}, 12, false, false},
    {13, "The Moon Landings", {3480, 6360, 3195, 375}, 12, false, true},
    {15, "Florence Nightingale", {120, 2040, 3195, 375}, 12, false, false},
    {16, "Exit", {10560, 7920, 1245, 495}, 18, false, true},
    {17, "Multiple Choice Wizard", {7080, 5880, 4635, 495}, 18, true, true},
    {18, "Worksheet Catalogue", {7080, 6720, 4635, 495}, 18, true, true},
    {19, "Acknowledgments", {120, 7920, 3075, 495}, 14.25, true, true},
    {20, "Teachers' Guide", {120, 1200, 3075, 495}, 14.25, true, true},
}};
