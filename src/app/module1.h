#pragma once

#include "platform/screenref.h"
#include "state/sharedstate.h"

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
class WhoAreYouScreen;
class ClassRecordScreen;

// The program's shared state: the plain variables, and beside them one global reference per
// screen.
struct Module1State : SharedState {
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
    ScreenRef<WhoAreYouScreen> whoareyou;
    ScreenRef<ClassRecordScreen> classrecord;

    // Destroys every screen at once and empties every variable: program end, and a fresh start
    // for each test.
    void reset();
};

extern Module1State Module1;
