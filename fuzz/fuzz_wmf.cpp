// libFuzzer target for the metafile reader and player: any input must load or be refused with a
// reason, and whatever loads must draw, without a crash, a hang or a runaway allocation, both small
// and at the size the page viewers draw it.
#include "fuzz_shared.h"
#include "platform/wmf/metafile.h"
#include "platform/wmf/player.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    QString error;
    const auto mf = wmf::readMetafile(bytes, &error);
    if (!mf) {
        FUZZ_CHECK(!error.isEmpty()); // a refusal always says why
        return 0;
    }
    // Small, as a thumbnail; then as a viewer shows a page: at its natural size, one pixel to 15
    // twips, in an image box 120 twips in from the left of an 800 x 600 window that clips it.
    QImage thumb(48, 48, QImage::Format_ARGB32_Premultiplied);
    thumb.fill(Qt::white);
    QPainter small(&thumb);
    wmf::Player player(*mf);
    player.play(small, QRectF(0, 0, 48, 48));
    QImage window(800, 600, QImage::Format_ARGB32_Premultiplied);
    window.fill(Qt::white);
    QPainter viewer(&window);
    const QSizeF natural(std::round(mf->widthTwips() / 15), std::round(mf->heightTwips() / 15));
    player.play(viewer, QRectF(QPointF(8, 0), natural));
    return 0;
}
