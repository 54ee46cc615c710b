#pragma once

// Installs the services of a real session: sound through Qt Multimedia, message boxes on screen,
// the program's end through the event loop, the clock-seeded random source and the real display.
// The printer is installed separately (it depends on the command line).
void installRealServices();
