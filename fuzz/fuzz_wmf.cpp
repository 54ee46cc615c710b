// libFuzzer target for the metafile reader and player: any input must load or be refused with a
// reason, and whatever loads must draw, without a crash, a hang or a runaway allocation.
#include "platform/wmf/metafile.h"
#include "platform/wmf/player.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QString error;
    const auto mf = wmf::readMetafile(bytes, &error);
    if (!mf) {
        if (error.isEmpty()) std::abort(); // a refusal always says why
        return 0;
    }
    QImage image(48, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    wmf::Player(*mf).play(painter, QRectF(0, 0, 48, 48));
    return 0;
}
