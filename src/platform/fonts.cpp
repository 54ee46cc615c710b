#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>

#ifdef TELLWYN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

QFont screenFont(const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void registerBundledFonts() {
    static bool done = false;
    if (done) return;
    done = true;
    // Only the regular face: Wine's bold Tahoma has strokes hardly heavier than the regular one,
    // so bold captions looked regular. Without a bold file Qt emboldens the regular face, which
    // reads clearly bold and still fits the captions' boxes.
    const char* path = "/usr/share/wine/fonts/tahoma.ttf";
    const bool haveTahoma = QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0;
    if (!haveTahoma) QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "Liberation Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}

std::jthread readFontConfigurationEarly() {
#ifdef TELLWYN_HAVE_FONTCONFIG
    // FcInit loads the configuration once for the process; Qt's own call later finds it loaded.
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}
