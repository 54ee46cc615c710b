// Page rendering: how long one page picture takes to draw at the size the viewers show it
// (699 x 797 pixels). Prints the median of many runs; with --save FILE also writes the image, and
// with --ratio N draws for a display scaled N times (a projector's 2, say).
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/picture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    registerBundledFonts();
    const QStringList args = QCoreApplication::arguments();
    QString page = QStringLiteral("wmf\\guide1.wmf");
    QString save;
    int runs = 200;
    double ratio = 1;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--save" && i + 1 < args.size())
            save = args[++i];
        else if (args[i] == "--ratio" && i + 1 < args.size())
            ratio = std::max(1.0, args[++i].toDouble());
        else if (args[i] == "--runs" && i + 1 < args.size())
            runs = std::max(1, args[++i].toInt());
        else
            page = args[i];
    }
    setDataFolder(QStringLiteral(TELLWYN_SOURCE_DATA_DIR));
    QString error;
    const Picture picture = LoadPicture(page, &error);
    if (picture.isNull()) {
        std::fprintf(stderr, "bench_page: %s: %s\n", qPrintable(page), qPrintable(error));
        return 1;
    }
    QImage image(qRound(699 * ratio), qRound(797 * ratio), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    std::vector<double> ms;
    for (int i = 0; i < runs + 5; ++i) {
        image.fill(QColor(39, 63, 137));
        QElapsedTimer t;
        t.start();
        {
            QPainter p(&image);
            picture.draw(p, QRectF(0, 0, 699, 797));
        }
        if (i >= 5) // the first runs warm the font and glyph caches
            ms.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%s at %gx: median %.2f ms, min %.2f ms, max %.2f ms over %d runs\n", qPrintable(page), ratio,
                ms[ms.size() / 2], ms.front(), ms.back(), runs);
    if (!save.isEmpty()) image.save(save);
    return 0;
}
