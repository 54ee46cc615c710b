#pragma once

#include "menu/mainmenu.h"
#include "platform/units.h"

#include <array>

struct MenuEntry {
    int index;
    const char* caption;
    TwipRect rect;
    double points;
    bool navy;
    bool enabled;
};

// The menu's entries as laid out on the screen.
inline constexpr std::array<MenuEntry, 20> MenuEntries{{
    {MainMenu::AlexanderTheGreat, "Alexander the Great", {120, 2760, 3195, 375}, 12, false, false},
    {MainMenu::JuliusCaesar, "Julius Caesar", {120, 3480, 3195, 375}, 12, false, true},
    {MainMenu::Mohammed, "Mohammed", {120, 4200, 3195, 375}, 12, false, false},
    {MainMenu::QueenElizabeth, "Queen Elizabeth II", {120, 4920, 3195, 375}, 12, false, false},
    {MainMenu::MahatmaGandhi, "Mahatma Gandhi", {120, 5640, 3195, 375}, 12, false, false},
    {MainMenu::JohnLennon, "John Lennon", {120, 6360, 3195, 375}, 12, false, false},
    {MainMenu::NelsonMandela, "Nelson Mandela", {120, 7080, 3195, 375}, 12, false, false},
    {MainMenu::GreatFireOfLondon, "The Great Fire of London", {3480, 2040, 3195, 375}, 12, false, false},
    {MainMenu::OlympicGames, "The Olympic Games", {3480, 2760, 3195, 375}, 12, false, false},
    {MainMenu::BattleOfHastings, "The Battle of Hastings", {3480, 3480, 3195, 375}, 12, false, false},
    {MainMenu::MongolInvasions, "The Mongol Invasions", {3480, 4200, 3195, 375}, 12, false, false},
    {MainMenu::GunpowderPlot, "The Gunpowder Plot", {3480, 4920, 3195, 375}, 12, false, false},
    {MainMenu::FrenchRevolution, "The French Revolution", {3480, 5640, 3195, 375}, 12, false, false},
    {MainMenu::MoonLandings, "The Moon Landings", {3480, 6360, 3195, 375}, 12, false, true},
    {MainMenu::FlorenceNightingale, "Florence Nightingale", {120, 2040, 3195, 375}, 12, false, false},
    {MainMenu::ExitButton, "Exit", {10560, 7920, 1245, 495}, 18, false, true},
    {MainMenu::MultipleChoiceWizard, "Multiple Choice Wizard", {7080, 5880, 4635, 495}, 18, true, true},
    {MainMenu::WorksheetCatalogue, "Worksheet Catalogue", {7080, 6720, 4635, 495}, 18, true, true},
    {MainMenu::Acknowledgments, "Acknowledgments", {120, 7920, 3075, 495}, 14.25, true, true},
    {MainMenu::TeachersGuide, "Teachers' Guide", {120, 1200, 3075, 495}, 14.25, true, true},
}};
