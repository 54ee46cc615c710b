#pragma once

// Installs the services of a real session: sound through Qt Multimedia, message boxes on screen,
// the program's end through the event loop, the clock-seeded random source and the real display.
// The printer is installed separately (it depends on the command line).
void installRealServices();

// Gives every window the program's logo as its icon; the screens need not wait for it.
void installProgramIcon();
