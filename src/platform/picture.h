#pragma once

#include <QByteArray>
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
namespace wmf {
struct DrawnText;
}

// What a loaded picture can do: tell its natural size and draw itself into a rectangle, on screen
// or on paper. Raster pictures and metafiles both implement it.
class PictureData {
public:
    virtual ~PictureData() = default;
    virtual QSizeF sizeTwips() const = 0;
    virtual void draw(QPainter& painter, const QRectF& target) const = 0;
    // The words the picture shows, line by line in reading order; none for a photograph.
    virtual QString text() const { return {}; }
    // Draws the picture without the letters of its text numbered `leaveOut` (none: -1) and lists
    // every text drawn, so that a check can tell each text's colour from the pixels behind it.
    virtual std::vector<wmf::DrawnText> drawTexts(QPainter& painter, const QRectF& target,
                                                  int leaveOut) const;
};

class Picture {
public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const PictureData> d) : d_(std::move(d)) {}

    bool isNull() const { return !d_; }
    QSizeF sizeTwips() const { return d_ ? d_->sizeTwips() : QSizeF(); }
    void draw(QPainter& painter, const QRectF& target) const;
    QString text() const { return d_ ? d_->text() : QString(); }
    const PictureData* data() const { return d_.get(); }

private:
    std::shared_ptr<const PictureData> d_;
};

// Loads JPEG, GIF and BMP through Qt's image readers and Windows Metafiles through our own player.
// A missing or broken file gives an empty picture and, where asked, the reason.
Picture LoadPicture(const QString& relativePath, QString* error = nullptr);

// Raster picture from an image already in memory (logos, tests).
Picture pictureFromImage(const QImage& image);

// The metafile player's entry: parses a whole file already read into memory.
std::shared_ptr<const PictureData> loadMetafilePicture(const QByteArray& bytes, QString* error);
