#include "platform/picture.h"
#include "platform/wmf/player.h"

#include <algorithm>

namespace {

class MetafilePicture : public PictureData {
public:
    explicit MetafilePicture(wmf::Metafile mf) : mf_(std::move(mf)), player_(mf_) {}
    QSizeF sizeTwips() const override { return QSizeF(mf_.widthTwips(), mf_.heightTwips()); }
    void draw(QPainter& painter, const QRectF& target) const override { player_.play(painter, target); }
    QString text() const override;
    std::vector<wmf::DrawnText> drawTexts(QPainter& painter, const QRectF& target,
                                          int leaveOut) const override {
        return player_.playTexts(painter, target, leaveOut);
    }

private:
    wmf::Metafile mf_;
    // Keeps the fonts it resolved between paints.
    mutable wmf::Player player_;
};

// A writer may put a line's words in several records, and in any order: they are read top to
// bottom, each line left to right.
QString MetafilePicture::text() const {
    std::vector<const wmf::Text*> pieces;
    for (const wmf::Record& r : mf_.records)
        if (const auto* t = std::get_if<wmf::Text>(&r); t && !t->text.trimmed().isEmpty())
            pieces.push_back(t);
    std::stable_sort(pieces.begin(), pieces.end(), [](const wmf::Text* a, const wmf::Text* b) {
        return a->at.y() != b->at.y() ? a->at.y() < b->at.y() : a->at.x() < b->at.x();
    });
    QString all;
    const wmf::Text* previous = nullptr;
    for (const wmf::Text* t : pieces) {
        const QString piece = t->text.trimmed();
        if (previous && previous->at.y() != t->at.y())
            all += '\n';
        else if (previous && !QStringLiteral(".,;:)!?").contains(piece.front()))
            all += ' ';
        all += piece;
        previous = t;
    }
    return all;
}

} // namespace

std::shared_ptr<const PictureData> loadMetafilePicture(const QByteArray& bytes, QString* error) {
    auto mf = wmf::readMetafile(bytes, error);
    if (!mf) return nullptr;
    return std::make_shared<MetafilePicture>(std::move(*mf));
}
