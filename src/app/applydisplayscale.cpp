#include "app/displayscale.h"

#include "platform/qtscalefactor.h"
#include "platform/windowrules.h"

#include <QGuiApplication>
#include <QScreen>

// The half of the display scale that needs the display itself; the arithmetic and the remembered
// choice need no window (displayscale.cpp).

namespace {

// Room for a window manager's title bar and borders, which it draws unscaled outside our windows:
// the larger of xfwm4's (10 x 34 pixels) and openbox's (2 x 21) on Debian 12.
constexpr QSizeF TypicalFrame{10, 34};

double appliedScale = 1.0;

} // namespace

double resolveDisplayScale(std::optional<double> choice) {
    if (choice) return *choice;
    // The display and its window manager stay for the program's life; the menu asks again.
    static std::optional<double> fitting;
    if (fitting) return *fitting;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return MinDisplayScale;
    // Sizes in device-independent pixels of the desktop: a desktop that already doubles its pixels
    // (device pixel ratio 2) reports half its size, so nothing is scaled twice. Our own factor, if
    // already applied, is taken back out; the frame is drawn in device pixels.
    const double ours = currentDisplayScale();
    const double desktop = screenScaleFactor(*screen) / ours;
    const QSizeF frame = WindowRules::windowManagerFrames() ? TypicalFrame / desktop : QSizeF();
    fitting = fittingDisplayScale(QSizeF(screen->availableGeometry().size()) * ours, frame);
    return *fitting;
}

void presetDisplayScale(std::optional<double> choice) {
    if (programScaleFactorSettable() || !choice || qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    presetProgramScaleFactor(*choice);
    appliedScale = *choice;
}

void applyDisplayScale(double scale) {
    // Someone who sets Qt's own factor by hand keeps it.
    if (scale == appliedScale || qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    if (setProgramScaleFactor(scale)) appliedScale = scale;
}

double currentDisplayScale() {
    return appliedScale;
}
