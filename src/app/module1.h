#pragma once

#include "platform/screenref.h"

#include <QString>
#include <array>
#include <optional>

// The screens, each defined in its own folder; a reference needs the full class only where used.
class MainMenu;
class TitleScreen;
class GreyForm;
class ResultsScreen;
class QuizScreen;
class WizardScreen;
class CatalogueScreen;
class NotesViewer;
class WrongAnswersScreen;
class GuideViewer;
class MoonHub;
class CaesarHub;
class MoonOrdering;
class CaesarOrdering;
class MoonLabelling;
class CaesarLabelling;

// The program's shared state: plain globals of the process, empty at start, never saved.
// A value that may still be empty is an optional; an empty one equals no number.
struct Module1State {
    std::optional<int> SoundOn;               // 1 sounds on, 0 off; empty until the menu loads
    int WorksheetCount = 0;                   // titles listed in the worksheet index
    std::array<QString, 1001> WorksheetTitles; // entries 1..WorksheetCount used
    QString SelectedWorksheet;                // the title the catalogue is about to delete
    int CataloguePage = 0;                    // zero-based page of the catalogue
    QString SetTitle;                         // title of the loaded question set
    std::array<QString, 11> QuestionText;     // entries 1..10
    std::array<QString, 11> AnswerA, AnswerB, AnswerC, AnswerD;
    std::array<QString, 11> CorrectAnswer;    // "1".."4"
    int QuestionNumber = 0;                   // question on show, 11 after the last
    std::array<int, 11> QuestionMarks{};      // 1 answered right, else 0
    int Score = 0;
    int ScoreOutOf = 0;                       // also an open activity's card count
    QString QuizHeading;
    int PageNumber = 0;
    int PageCount = 0;
    QString PageBase;
    std::optional<int> LogoFrame;             // 0..19, shared across openings

    ScreenRef<MainMenu> intro0;
    ScreenRef<TitleScreen> Titlefrm;
    ScreenRef<GreyForm> Grey;
    ScreenRef<ResultsScreen> Welldone;
    ScreenRef<QuizScreen> multiple;
    ScreenRef<WizardScreen> wizard;
    ScreenRef<CatalogueScreen> worksheets;
    ScreenRef<NotesViewer> teacher;
    ScreenRef<WrongAnswersScreen> Wrong;
    ScreenRef<GuideViewer> guide;
    ScreenRef<MoonHub> moon;
    ScreenRef<CaesarHub> caesar;
    ScreenRef<MoonOrdering> moonord;
    ScreenRef<CaesarOrdering> caesarord;
    ScreenRef<MoonLabelling> moonlab;
    ScreenRef<CaesarLabelling> caesar2lab;

    // Destroys every screen at once and empties every variable: program end, and a fresh start
    // for each test.
    void reset();
};

extern Module1State Module1;
