#include "app/displayscale.h"

#include "platform/windowrules.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <algorithm>
#include <cmath>

// Qt scales a whole program by one factor when QT_SCALE_FACTOR is set before start-up; this is the
// same factor set from inside, once the program knows its display.
#include <QtGui/private/qhighdpiscaling_p.h>

namespace {

// Most screens are 800 x 600 with the window manager's frame; the quiz and its results keep their
// client area, at most 794 x 592 inside the frame.
constexpr QSizeF DesignSize{800, 600};
constexpr QSizeF LargestClient{794, 592};
const QString SettingKey = QStringLiteral("display/scale");

// Room for a window manager's title bar and borders, which it draws unscaled outside our windows:
// the larger of xfwm4's (10 x 34 pixels) and openbox's (2 x 21) on Debian 12.
constexpr QSizeF TypicalFrame{10, 34};

QSettings userSettings() {
    return QSettings(QStringLiteral("Tellwyn"), QStringLiteral("Tellwyn"));
}

double appliedScale = 1.0;

} // namespace

double fittingDisplayScale(const QSizeF& available, const QSizeF& frame) {
    const double fit =
        std::min({available.width() / DesignSize.width(), available.height() / DesignSize.height(),
                  (available.width() - frame.width()) / LargestClient.width(),
                  (available.height() - frame.height()) / LargestClient.height()});
    const double stepped = std::floor(fit / DisplayScaleStep) * DisplayScaleStep;
    return std::clamp(stepped, MinDisplayScale, MaxDisplayScale);
}

std::optional<double> parseDisplayScale(const QString& text, bool* ok) {
    if (ok) *ok = true;
    const QString t = text.trimmed();
    if (t.isEmpty() || t.compare(QLatin1String("auto"), Qt::CaseInsensitive) == 0) return std::nullopt;
    bool number = false;
    const double v = t.toDouble(&number);
    const double steps = v / DisplayScaleStep;
    if (number && v >= MinDisplayScale && v <= MaxDisplayScale && steps == std::round(steps)) return v;
    if (ok) *ok = false;
    return std::nullopt;
}

QString displayScaleText(std::optional<double> scale) {
    return scale ? QString::number(*scale) : QStringLiteral("auto");
}

std::optional<double> rememberedDisplayScale() {
    return parseDisplayScale(userSettings().value(SettingKey).toString());
}

void rememberDisplayScale(std::optional<double> scale) {
    userSettings().setValue(SettingKey, displayScaleText(scale));
}

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
    const double desktop = QHighDpiScaling::factor(screen) / ours;
    const QSizeF frame = WindowRules::windowManagerFrames() ? TypicalFrame / desktop : QSizeF();
    fitting = fittingDisplayScale(QSizeF(screen->availableGeometry().size()) * ours, frame);
    return *fitting;
}

void applyDisplayScale(double scale) {
    // Someone who sets Qt's own factor by hand keeps it.
    if (scale == appliedScale || qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) return;
    appliedScale = scale;
    QHighDpiScaling::setGlobalFactor(scale);
}

double currentDisplayScale() {
    return appliedScale;
}

std::optional<double> nextDisplayScaleChoice(std::optional<double> choice, double largestFitting) {
    if (!choice) return MinDisplayScale;
    const double next = *choice + DisplayScaleStep;
    if (next > std::max(largestFitting, MinDisplayScale)) return std::nullopt;
    return next;
}

QString displayScaleCaption(std::optional<double> choice, double running, double fitting) {
    const double wanted = choice.value_or(fitting);
    const QString size =
        choice ? QStringLiteral("%1x").arg(*choice) : QStringLiteral("automatic (%1x)").arg(fitting);
    // Short enough for one line of the small button at every choice.
    return (wanted != running ? QStringLiteral("Next start: ") : QStringLiteral("Screen size: ")) + size;
}
