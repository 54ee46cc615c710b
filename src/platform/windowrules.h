#pragma once

class QWidget;

// What a window manager needs to treat the program's windows as one program: the screens stay out
// of the taskbar and each is owned by the window beneath it, so it stacks, minimises and restores
// with it. Without an X11 display (offscreen, tests) only Qt's own record of the owner is kept.
namespace WindowRules {

// Before the window is first shown: the window manager reads this when it takes the window on.
void keepOutOfTaskbar(QWidget* window);

// Makes window owned by owner (nullptr: by nobody). Works on a shown window too.
void setOwner(QWidget* window, QWidget* owner);

// Whether a window manager runs that will put a frame round the program's windows. Asked before
// any window exists, so the screens can be sized to fit inside their frames.
bool windowManagerFrames();

} // namespace WindowRules
