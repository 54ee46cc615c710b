#pragma once

#include <QSizeF>
#include <QString>
#include <optional>

// How much larger than designed the screens are drawn. Every screen is designed at 800 x 600; on a
// classroom projector that is a small window in a sea of blue, so the program draws everything
// (text, pictures, message boxes) larger while all its arithmetic stays in twips.

constexpr double MinDisplayScale = 1.0;
constexpr double MaxDisplayScale = 4.0;
constexpr double DisplayScaleStep = 0.25;

// The largest scale, in steps of 0.25 and never below 1, at which every screen with the window
// manager's frame fits the available area (all in device-independent pixels).
double fittingDisplayScale(const QSizeF& available, const QSizeF& frame);

// A scale as written on the command line or stored in the settings: "auto" (or empty) gives
// nothing, meaning "fit the display"; otherwise a multiple of 0.25 from 1 to 4. `ok` is false for
// anything else.
std::optional<double> parseDisplayScale(const QString& text, bool* ok = nullptr);
QString displayScaleText(std::optional<double> scale);

// The scale the teacher chose last time, kept per user ("auto" when never chosen).
std::optional<double> rememberedDisplayScale();
void rememberDisplayScale(std::optional<double> scale);

// The scale to use for a choice on this display: the choice itself, or the fitting scale.
double resolveDisplayScale(std::optional<double> choice);

// Before the application object exists: where this Qt cannot change the scale later, a chosen size
// goes the public way (QT_SCALE_FACTOR) and "auto" stays at the designed size.
void presetDisplayScale(std::optional<double> choice);
// Draws every window at the scale from now on. Call before the first window shows; calling it
// later rescales the windows already open.
void applyDisplayScale(double scale);
double currentDisplayScale();

// The menu's "Screen size" control steps through auto, 1, 1.25, ... up to the largest size that
// fits, then back to auto. Qt sets the factor once, before any window exists, so a new choice
// shows from the next start; the caption says so.
std::optional<double> nextDisplayScaleChoice(std::optional<double> choice, double largestFitting);
QString displayScaleCaption(std::optional<double> choice, double running, double fitting);
