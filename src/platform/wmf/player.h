#pragma once

#include "platform/wmf/metafile.h"

#include <QColor>
#include <QRawFont>
#include <QRectF>
#include <QString>
#include <unordered_map>
#include <vector>

class QPainter;

namespace wmf {

// One text record as drawn: its words, colour and weight, its em in the target's units, and the
// box its letters take there (ascent to descent, the whole advance).
struct DrawnText {
    QString text;
    QColor colour;
    int weight = 400;
    double em = 0;
    QRectF area;
};

// Plays a metafile's steps on a painter, mapping its bounding box onto the target rectangle.
// Everything is drawn as vectors (text as glyph runs at the writer's character positions), so a
// page is as sharp on paper as on screen.
class Player {
public:
    explicit Player(const Metafile& mf) : mf_(mf) {}
    void play(QPainter& painter, const QRectF& target);
    // The same, leaving out the letters of the text record numbered `leaveOut` (counted among the
    // text records from 0) but keeping its ground, and listing every text record played.
    std::vector<DrawnText> playTexts(QPainter& painter, const QRectF& target, int leaveOut);

    // Fonts resolved once per face, weight and slant; text is laid out at this pixel size and
    // scaled to the writer's size.
    static constexpr double ReferencePixels = 256;
    const QRawFont& rawFont(const QString& face, int weight, bool italic);

private:
    const Metafile& mf_;
    std::unordered_map<QString, QRawFont> fonts_;
};

} // namespace wmf
