#include "platform/picture.h"

#include "platform/files.h"
#include "platform/jpegdecoder.h"
#include "platform/units.h"
#include "platform/wmf/player.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QPainter>
#include <QtMath>

namespace {

class RasterPicture : public PictureData {
public:
    // An image drawn at more pixels than designed (a 2x picture) keeps its designed size.
    explicit RasterPicture(QImage image) : image_(std::move(image)) {}
    QSizeF sizeTwips() const override { return image_.deviceIndependentSize() * TwipsPerPixel; }
    void draw(QPainter& painter, const QRectF& target) const override {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image_);
        painter.restore();
    }

private:
    QImage image_;
};

// Pictures shipped with the program are a few hundred kilobytes; this keeps a broken or hostile
// file from costing much memory.
constexpr qint64 MaxPictureFileBytes = 32 * 1024 * 1024;
constexpr int MaxImageSide = 8192;

// Raster pictures come in 1x and, for screens drawn larger, in 2x and 3x ("london@2x.jpg" beside
// "london.jpg"). Picks the densest one that the display can use, falling back to the designed one.
std::pair<QString, int> sharpestVariant(const QString& relativePath) {
    const QString suffix = QFileInfo(relativePath).suffix();
    if (suffix.compare("wmf", Qt::CaseInsensitive) != 0 && !suffix.isEmpty() && qGuiApp) {
        const QString stem = relativePath.chopped(suffix.size() + 1);
        for (int ratio = std::min(3, qCeil(qGuiApp->devicePixelRatio() - 0.25)); ratio > 1; --ratio) {
            const QString path =
                resolveDataPath(QStringLiteral("%1@%2x.%3").arg(stem).arg(ratio).arg(suffix));
            if (!path.isEmpty() && QFileInfo::exists(path)) return {path, ratio};
        }
    }
    return {resolveDataPath(relativePath), 1};
}

} // namespace

std::vector<wmf::DrawnText> PictureData::drawTexts(QPainter& painter, const QRectF& target, int) const {
    draw(painter, target);
    return {};
}

void Picture::draw(QPainter& painter, const QRectF& target) const {
    if (d_) d_->draw(painter, target);
}

Picture pictureFromImage(const QImage& image) {
    if (image.isNull()) return {};
    return Picture(std::make_shared<RasterPicture>(image));
}

Picture LoadPicture(const QString& relativePath, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return Picture();
    };
    if (relativePath.isEmpty()) return {};
    const auto [path, pixelRatio] = sharpestVariant(relativePath);
    if (QFileInfo(path).suffix().compare("wmf", Qt::CaseInsensitive) == 0) {
        QString why;
        const auto read = readRegularFile(path, MaxPictureFileBytes, &why);
        if (!read) return fail(QStringLiteral("cannot read %1: %2").arg(relativePath, why));
        auto metafile = loadMetafilePicture(*read, error);
        return metafile ? Picture(metafile) : Picture();
    }
    // Decoded from the file itself, not from its bytes in memory: for a file Qt loads only the
    // image plugin that its suffix names, where for a buffer it loads every plugin to ask each
    // whether it can read it. A suffix that lies is still recognised by the contents.
    // As for any data file, a named pipe or a device is never opened.
    const QFileInfo info(path);
    if (!info.isFile()) return fail(QStringLiteral("cannot read %1: it is not a file").arg(relativePath));
    if (info.size() > MaxPictureFileBytes) return fail(QStringLiteral("%1 is too large").arg(relativePath));
#ifdef TELLWYN_HAVE_LIBJPEG
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg")) {
        const auto read = readRegularFile(path, MaxPictureFileBytes);
        if (read) {
            if (std::optional<QImage> image = decodeJpeg(*read, MaxImageSide)) {
                image->setDevicePixelRatio(pixelRatio);
                return pictureFromImage(*image);
            }
        }
    }
#endif
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1: it cannot be opened").arg(relativePath));
    QImageReader reader(&file);
    const QSize size = reader.size();
    if (size.width() > MaxImageSide || size.height() > MaxImageSide)
        return fail(QStringLiteral("%1 is too large").arg(relativePath));
    QImage image = reader.read();
    if (image.isNull()) return fail(QStringLiteral("%1: %2").arg(relativePath, reader.errorString()));
    image.setDevicePixelRatio(pixelRatio);
    return pictureFromImage(image);
}
