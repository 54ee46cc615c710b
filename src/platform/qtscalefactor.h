#pragma once

class QScreen;

// Qt's one scale factor for the whole program. Qt only offers it publicly as QT_SCALE_FACTOR,
// read once when the application object is made; setting it later, once the program knows its
// display, needs Qt's private high-DPI class. This file is the one place that uses it.

// Whether this Qt lets the factor change after the application object exists.
bool programScaleFactorSettable();
// Sets the factor for every window from now on; false where this Qt cannot (see above).
bool setProgramScaleFactor(double factor);
// Before the application object exists: the factor through QT_SCALE_FACTOR, the public route.
void presetProgramScaleFactor(double factor);
// The factor Qt applies on this screen: the desktop's own, times ours.
double screenScaleFactor(const QScreen& screen);
