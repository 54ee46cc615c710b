#include "app/displayscale.h"

#include <QSettings>
#include <algorithm>
#include <cmath>

namespace {

// Most screens are 800 x 600 with the window manager's frame; the quiz and its results keep their
// client area, at most 794 x 592 inside the frame.
constexpr QSizeF DesignSize{800, 600};
constexpr QSizeF LargestClient{794, 592};
const QString SettingKey = QStringLiteral("display/scale");

QSettings userSettings() {
    return QSettings(QStringLiteral("Tellwyn"), QStringLiteral("Tellwyn"));
}

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
