#pragma once

#include "platform/wmf/metafile.h"

#include <QRawFont>
#include <QRectF>
#include <QString>
#include <unordered_map>

class QPainter;

namespace wmf {

// Plays a metafile's steps on a painter, mapping its bounding box onto the target rectangle.
// Everything is drawn as vectors (text as glyph runs at the writer's character positions), so a
// page is as sharp on paper as on screen.
class Player {
public:
    explicit Player(const Metafile& mf) : mf_(mf) {}
    void play(QPainter& painter, const QRectF& target);

    // Fonts resolved once per face, weight and slant; text is laid out at this pixel size and
    // scaled to the writer's size.
    static constexpr double ReferencePixels = 256;
    const QRawFont& rawFont(const QString& face, int weight, bool italic);

private:
    const Metafile& mf_;
    std::unordered_map<QString, QRawFont> fonts_;
};

} // namespace wmf
