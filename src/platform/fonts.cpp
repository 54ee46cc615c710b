#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>

QFont screenFont(const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

void registerBundledFonts() {
    static bool done = false;
    if (done)
        return;
    done = true;
    bool haveTahoma = false;
    for (const char* path : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0)
            haveTahoma = true;
    }
    if (!haveTahoma)
        QFont::insertSubstitutions("Tahoma", {"DejaVu Sans", "Liberation Sans"});
    QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}
