#include "platform/picture.h"
#include "platform/wmf/player.h"

namespace {

class MetafilePicture : public PictureData {
public:
    explicit MetafilePicture(wmf::Metafile mf) : mf_(std::move(mf)), player_(mf_) {}
    QSizeF sizeTwips() const override { return QSizeF(mf_.widthTwips(), mf_.heightTwips()); }
    void draw(QPainter& painter, const QRectF& target) const override { player_.play(painter, target); }

private:
    wmf::Metafile mf_;
    // Keeps the fonts it resolved between paints.
    mutable wmf::Player player_;
};

} // namespace

std::shared_ptr<const PictureData> loadMetafilePicture(const QByteArray& bytes, QString* error) {
    auto mf = wmf::readMetafile(bytes, error);
    if (!mf) return nullptr;
    return std::make_shared<MetafilePicture>(std::move(*mf));
}
