#include "platform/wmf/player.h"

#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>

namespace wmf {

namespace {

struct PenDesc {
    int style = 0;
    int width = 0;
    QColor colour = Qt::black;
};

struct BrushDesc {
    int style = 0;
    int hatch = 0;
    QColor colour = Qt::white;
    std::shared_ptr<const QImage> image;
};

struct FontDesc {
    int height = 0, width = 0, escapement = 0, weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    QString face;
};

struct Placeholder {};
using Object = std::variant<Placeholder, PenDesc, BrushDesc, FontDesc>;

// What the writer's device context held: mapping, colours, modes and the selected objects.
struct DC {
    QPointF windowOrg, viewportOrg;
    QSizeF windowExt, viewportExt;
    int mapMode = 1;
    bool bkOpaque = true;
    QColor bk = Qt::white, text = Qt::black;
    int textAlign = 0;
    Qt::FillRule fill = Qt::OddEvenFill;
    PenDesc pen;
    BrushDesc brush;
    FontDesc font;
    QPointF current;
    std::optional<QPainterPath> clip; // in the painter's own coordinates
};

enum : int { TA_UPDATECP = 1, TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24 };
enum : int { ETO_OPAQUE = 2, ETO_CLIPPED = 4 };
constexpr int MaxSavedStates = 1024;
constexpr int MaxObjects = 65536;
// How much more one axis of a glyph may be stretched than the other and still go through the
// glyph cache; writers' condensed and widened fonts stay well within it.
constexpr double MaxGlyphStretch = 8;

class Playback {
public:
    Playback(Player& owner, const Metafile& mf, QPainter& painter, const QRectF& target)
        : owner_(owner), mf_(mf), p_(painter), target_(target), base_(painter.transform()),
          entryClip_(painter.hasClipping() ? std::optional<QPainterPath>(painter.clipPath()) : std::nullopt) {
        const QRectF b(mf.bounds.left(), mf.bounds.top(), mf.bounds.width(), mf.bounds.height());
        dc_.windowOrg = dc_.viewportOrg = b.topLeft();
        dc_.windowExt = dc_.viewportExt = b.size();
        objects_.resize(static_cast<std::size_t>(std::max(mf.objectCount, 1)));
        if (entryClip_) entryClip_ = base_.map(*entryClip_);
    }

    void run() {
        updateTransform();
        for (const Op& op : mf_.ops)
            step(op);
    }

private:
    void updateTransform() {
        const QRectF b(mf_.bounds.left(), mf_.bounds.top(), mf_.bounds.width(), mf_.bounds.height());
        double sx = dc_.windowExt.width() ? dc_.viewportExt.width() / dc_.windowExt.width() : 1;
        double sy = dc_.windowExt.height() ? dc_.viewportExt.height() / dc_.windowExt.height() : 1;
        if (dc_.mapMode == 7) { // isotropic: one scale for both axes
            const double s = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(s, sx);
            sy = std::copysign(s, sy);
        }
        const QTransform logical(sx, 0, 0, sy, dc_.viewportOrg.x() - dc_.windowOrg.x() * sx,
                                 dc_.viewportOrg.y() - dc_.windowOrg.y() * sy);
        QTransform toTarget;
        toTarget.translate(target_.left(), target_.top());
        toTarget.scale(target_.width() / b.width(), target_.height() / b.height());
        toTarget.translate(-b.left(), -b.top());
        mapping_ = logical * toTarget;
        p_.setTransform(mapping_ * base_);
    }

    void applyClip() {
        p_.setWorldTransform(QTransform());
        if (entryClip_)
            p_.setClipPath(*entryClip_);
        else
            p_.setClipping(false);
        if (dc_.clip) p_.setClipPath(*dc_.clip, entryClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
        p_.setTransform(mapping_ * base_);
    }

    QPen pen() const {
        const PenDesc& d = dc_.pen;
        const int style = d.style & 0x0F;
        if (style == 5) return Qt::NoPen;
        QPen pen(d.colour);
        pen.setWidthF(d.width <= 0 ? 0 : d.width);
        static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                              Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
        pen.setStyle(style <= 6 ? styles[style] : Qt::SolidLine);
        const int cap = d.style & 0x0F00, join = d.style & 0xF000;
        pen.setCapStyle(cap == 0x100 ? Qt::SquareCap : cap == 0x200 ? Qt::FlatCap : Qt::RoundCap);
        pen.setJoinStyle(join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
        return pen;
    }

    QBrush brush() const {
        const BrushDesc& d = dc_.brush;
        switch (d.style) {
        case 0:
            return QBrush(d.colour);
        case 2: {
            static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,
                                                     Qt::FDiagPattern, Qt::BDiagPattern,
                                                     Qt::CrossPattern, Qt::DiagCrossPattern};
            return QBrush(d.colour, d.hatch >= 0 && d.hatch < 6 ? hatches[d.hatch] : Qt::SolidPattern);
        }
        case 3:
        case 5:
            return d.image ? QBrush(*d.image) : QBrush(Qt::black);
        default:
            return Qt::NoBrush;
        }
    }

    void shapeTools() {
        p_.setPen(pen());
        p_.setBrush(brush());
        if (dc_.brush.style == 2 && dc_.bkOpaque)
            p_.setBackgroundMode(Qt::OpaqueMode), p_.setBackground(dc_.bk);
        else
            p_.setBackgroundMode(Qt::TransparentMode);
    }

    static QRectF rectOf(const Op& op) {
        return QRectF(QPointF(op.v[0], op.v[1]), QPointF(op.v[2], op.v[3])).normalized();
    }

    void select(int index) {
        if (index < 0 || static_cast<std::size_t>(index) >= objects_.size() || !objects_[index]) return;
        const Object& o = *objects_[index];
        if (auto* pen = std::get_if<PenDesc>(&o))
            dc_.pen = *pen;
        else if (auto* brush = std::get_if<BrushDesc>(&o))
            dc_.brush = *brush;
        else if (auto* font = std::get_if<FontDesc>(&o))
            dc_.font = *font;
    }

    // A new object takes the lowest free slot of the table, as the writer's device did.
    void create(Object o) {
        for (auto& slot : objects_)
            if (!slot) {
                slot = std::move(o);
                return;
            }
        if (objects_.size() < MaxObjects) objects_.push_back(std::move(o));
    }

    double arcAngle(const QRectF& r, double x, double y) const {
        const double rx = r.width() / 2, ry = r.height() / 2;
        if (rx <= 0 || ry <= 0) return 0;
        return std::atan2(-(y - r.center().y()) / ry, (x - r.center().x()) / rx) * 180.0 / M_PI;
    }

    // Arcs run counterclockwise on the device from the start radial to the end radial.
    void arcAngles(const Op& op, const QRectF& r, double* start, double* span) const {
        *start = arcAngle(r, op.v[4], op.v[5]);
        const double end = arcAngle(r, op.v[6], op.v[7]);
        double s = end - *start;
        while (s <= 0)
            s += 360;
        if (mapping_.determinant() < 0) s -= 360;
        *span = s;
    }

    void text(const Op& op) {
        const FontDesc& f = dc_.font;
        const QRawFont& raw = owner_.rawFont(f.face, f.weight, f.italic);
        if (!raw.isValid() || op.text.isEmpty()) return;
        const double ref = Player::ReferencePixels;
        double em = std::abs(f.height);
        if (f.height > 0) em = f.height * ref / std::max(1.0, raw.ascent() + raw.descent());
        if (em == 0) em = mf_.unitsPerInch * 12.0 / 72.0;
        const double sy = em / ref;
        double sx = sy;
        if (f.width > 0 && raw.averageCharWidth() > 0) sx = f.width / raw.averageCharWidth();

        const QList<quint32> glyphs = raw.glyphIndexesForString(op.text);
        QList<QPointF> positions;
        positions.reserve(glyphs.size());
        double x = 0;
        const bool spaced =
            op.dx.size() == static_cast<std::size_t>(op.text.size()) && glyphs.size() == op.text.size();
        const QList<QPointF> advances = spaced ? QList<QPointF>() : raw.advancesForGlyphIndexes(glyphs);
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            positions.append(QPointF(x / sx, 0));
            x += spaced ? op.dx[static_cast<std::size_t>(i)] : advances[i].x() * sx;
        }
        const double width = x;

        QPointF origin(op.v[0], op.v[1]);
        if (dc_.textAlign & TA_UPDATECP) origin = dc_.current;
        const int horizontal = dc_.textAlign & TA_CENTER;
        const double shift = horizontal == TA_CENTER ? -width / 2 : horizontal == TA_RIGHT ? -width : 0;
        const int vertical = dc_.textAlign & TA_BASELINE;
        const double ascent = raw.ascent() * sy, descent = raw.descent() * sy;
        const double drop = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -descent : ascent;
        if (dc_.textAlign & TA_UPDATECP)
            dc_.current.rx() += horizontal == TA_CENTER ? 0 : horizontal == TA_RIGHT ? -width : width;

        const int options = op.v[2];
        p_.save();
        if (options & (ETO_OPAQUE | ETO_CLIPPED)) {
            const QRectF box = QRectF(QPointF(op.v[3], op.v[4]), QPointF(op.v[5], op.v[6])).normalized();
            if (options & ETO_OPAQUE) p_.fillRect(box, dc_.bk);
            if (options & ETO_CLIPPED) p_.setClipRect(box, Qt::IntersectClip);
        }
        p_.translate(origin);
        if (f.escapement) p_.rotate(-f.escapement / 10.0);
        p_.translate(shift, drop);
        if (dc_.bkOpaque && !(options & ETO_OPAQUE))
            p_.fillRect(QRectF(0, -ascent, width, ascent + descent), dc_.bk);
        p_.scale(sx, sy);
        if (glyphsFitTheCache(p_.combinedTransform())) {
            QGlyphRun run;
            run.setRawFont(raw);
            run.setGlyphIndexes(glyphs);
            run.setPositions(positions);
            run.setUnderline(f.underline);
            run.setStrikeOut(f.strikeOut);
            p_.setPen(dc_.text);
            p_.drawGlyphRun(QPointF(0, 0), run);
        } else {
            p_.fillPath(glyphOutlines(raw, glyphs, positions, f, width / sx), dc_.text);
        }
        p_.restore();
    }

    // Qt's glyph cache renders a glyph as a bitmap of its transformed size and takes any transform
    // whose area is small, however thin: a glyph thousands of pixels wide and under one high makes
    // FreeType refuse and Qt 6.4 copy from nothing. Such text, and text squeezed below a pixel,
    // is drawn from its outlines; text a person can read keeps the cache's look.
    static bool glyphsFitTheCache(const QTransform& m) {
        const double sum = m.m11() * m.m11() + m.m12() * m.m12() + m.m21() * m.m21() + m.m22() * m.m22();
        const double det = std::abs(m.determinant());
        const double gap = std::sqrt(std::max(0.0, sum * sum - 4 * det * det));
        const double longest = std::sqrt((sum + gap) / 2),
                     shortest = std::sqrt(std::max(0.0, (sum - gap) / 2));
        return shortest * Player::ReferencePixels >= 1 && longest <= MaxGlyphStretch * shortest;
    }

    static QPainterPath glyphOutlines(const QRawFont& raw, const QList<quint32>& glyphs,
                                      const QList<QPointF>& positions, const FontDesc& f, double width) {
        QPainterPath path;
        for (qsizetype i = 0; i < glyphs.size(); ++i)
            path.addPath(raw.pathForGlyph(glyphs[i]).translated(positions[i]));
        const double thickness = std::max(1.0, raw.lineThickness());
        if (f.underline) path.addRect(QRectF(0, raw.underlinePosition(), width, thickness));
        if (f.strikeOut) path.addRect(QRectF(0, -raw.ascent() / 3, width, thickness));
        path.setFillRule(Qt::WindingFill);
        return path;
    }

    void blit(const Op& op, bool withImage) {
        const int ternary = (op.v[5] & 0xFF);
        const QRectF r = rectOf(op);
        switch (ternary) {
        case 0x00:
            p_.fillRect(r, Qt::black);
            return;
        case 0xFF:
            p_.fillRect(r, Qt::white);
            return;
        case 0xF0:
            p_.fillRect(r, brush());
            return;
        case 0x55:
        case 0x5A:
        case 0xAA:
            return; // inverting or leaving the destination: nothing a page shows
        default:
            if (withImage && op.image)
                p_.drawImage(r, *op.image, op.source);
            else if (!withImage)
                p_.fillRect(r, brush());
        }
    }

    void step(const Op& op) {
        switch (op.kind) {
        case OpKind::SetWindowOrg:
            dc_.windowOrg = QPointF(op.v[0], op.v[1]);
            updateTransform();
            break;
        case OpKind::SetWindowExt:
            if (op.v[0] && op.v[1]) dc_.windowExt = QSizeF(op.v[0], op.v[1]);
            updateTransform();
            break;
        case OpKind::SetViewportOrg:
            dc_.viewportOrg = QPointF(op.v[0], op.v[1]);
            updateTransform();
            break;
        case OpKind::SetViewportExt:
            if (op.v[0] && op.v[1]) dc_.viewportExt = QSizeF(op.v[0], op.v[1]);
            updateTransform();
            break;
        case OpKind::OffsetWindowOrg:
            dc_.windowOrg += QPointF(op.v[0], op.v[1]);
            updateTransform();
            break;
        case OpKind::OffsetViewportOrg:
            dc_.viewportOrg += QPointF(op.v[0], op.v[1]);
            updateTransform();
            break;
        case OpKind::ScaleWindowExt:
        case OpKind::ScaleViewportExt: {
            if (!op.v[1] || !op.v[3]) break;
            QSizeF& ext = op.kind == OpKind::ScaleWindowExt ? dc_.windowExt : dc_.viewportExt;
            const QSizeF scaled(ext.width() * op.v[0] / op.v[1], ext.height() * op.v[2] / op.v[3]);
            if (scaled.width() != 0 && scaled.height() != 0) ext = scaled;
            updateTransform();
            break;
        }
        case OpKind::SetMapMode:
            dc_.mapMode = op.v[0];
            updateTransform();
            break;
        case OpKind::SetBkMode:
            dc_.bkOpaque = op.v[0] == 2;
            break;
        case OpKind::SetBkColor:
            dc_.bk = op.colour;
            break;
        case OpKind::SetTextColor:
            dc_.text = op.colour;
            break;
        case OpKind::SetTextAlign:
            dc_.textAlign = op.v[0];
            break;
        case OpKind::SetPolyFillMode:
            dc_.fill = op.v[0] == 2 ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case OpKind::SaveDC:
            if (saved_.size() < MaxSavedStates) saved_.push_back(dc_);
            break;
        case OpKind::RestoreDC: {
            const int n = op.v[0];
            const long long size = static_cast<long long>(saved_.size());
            const long long index = n < 0 ? size + n : n - 1;
            if (index < 0 || index >= size) break;
            dc_ = saved_[static_cast<std::size_t>(index)];
            saved_.resize(static_cast<std::size_t>(index));
            updateTransform();
            applyClip();
            break;
        }
        case OpKind::CreatePen:
            create(PenDesc{op.v[0], op.v[1], op.colour});
            break;
        case OpKind::CreateBrush:
            create(BrushDesc{op.v[0], op.v[1], op.colour, op.image});
            break;
        case OpKind::CreateFont:
            create(FontDesc{op.v[0], op.v[1], op.v[2], op.v[3], op.v[4] != 0, op.v[5] != 0, op.v[6] != 0,
                            op.text});
            break;
        case OpKind::CreatePlaceholder:
            create(Placeholder{});
            break;
        case OpKind::SelectObject:
            select(op.v[0]);
            break;
        case OpKind::DeleteObject:
            if (op.v[0] >= 0 && static_cast<std::size_t>(op.v[0]) < objects_.size())
                objects_[static_cast<std::size_t>(op.v[0])].reset();
            break;
        case OpKind::MoveTo:
            dc_.current = QPointF(op.v[0], op.v[1]);
            break;
        case OpKind::LineTo: {
            const QPointF to(op.v[0], op.v[1]);
            p_.setPen(pen());
            p_.drawLine(dc_.current, to);
            dc_.current = to;
            break;
        }
        case OpKind::Rectangle:
            shapeTools();
            p_.drawRect(rectOf(op));
            break;
        case OpKind::RoundRect:
            shapeTools();
            p_.drawRoundedRect(rectOf(op), std::abs(op.v[4]) / 2.0, std::abs(op.v[5]) / 2.0);
            break;
        case OpKind::Ellipse:
            shapeTools();
            p_.drawEllipse(rectOf(op));
            break;
        case OpKind::Arc:
        case OpKind::Pie:
        case OpKind::Chord: {
            const QRectF r = rectOf(op);
            double start, span;
            arcAngles(op, r, &start, &span);
            QPainterPath path;
            if (op.kind == OpKind::Pie)
                path.moveTo(r.center());
            else
                path.arcMoveTo(r, start);
            path.arcTo(r, start, span);
            shapeTools();
            if (op.kind == OpKind::Arc) {
                p_.strokePath(path, pen());
            } else {
                path.closeSubpath();
                p_.drawPath(path);
            }
            break;
        }
        case OpKind::Polygon:
            shapeTools();
            p_.drawPolygon(op.points, dc_.fill);
            break;
        case OpKind::Polyline:
            p_.setPen(pen());
            p_.drawPolyline(op.points);
            break;
        case OpKind::PolyPolygon: {
            QPainterPath path;
            path.setFillRule(dc_.fill);
            qsizetype at = 0;
            for (int n : op.counts) {
                if (n > 0) path.addPolygon(op.points.mid(at, n));
                path.closeSubpath();
                at += n;
            }
            shapeTools();
            p_.drawPath(path);
            break;
        }
        case OpKind::Text:
            text(op);
            break;
        case OpKind::Bitmap:
            blit(op, true);
            break;
        case OpKind::PatBlt:
            blit(op, false);
            break;
        case OpKind::SetPixel:
            p_.fillRect(QRectF(op.v[0], op.v[1], 1, 1), op.colour);
            break;
        case OpKind::IntersectClipRect:
        case OpKind::ExcludeClipRect: {
            QPainterPath rect;
            rect.addRect(rectOf(op));
            rect = (mapping_ * base_).map(rect);
            QPainterPath everything;
            everything.addRect(QRectF(-1e7, -1e7, 2e7, 2e7));
            const QPainterPath current = dc_.clip ? *dc_.clip : everything;
            dc_.clip =
                op.kind == OpKind::IntersectClipRect ? current.intersected(rect) : current.subtracted(rect);
            applyClip();
            break;
        }
        }
    }

    Player& owner_;
    const Metafile& mf_;
    QPainter& p_;
    QRectF target_;
    QTransform base_, mapping_;
    std::optional<QPainterPath> entryClip_;
    DC dc_;
    std::vector<DC> saved_;
    std::vector<std::optional<Object>> objects_;
};

} // namespace

const QRawFont& Player::rawFont(const QString& face, int weight, bool italic) {
    const QString key =
        face + QLatin1Char('/') + QString::number(weight) + (italic ? QStringLiteral("/i") : QString());
    auto it = fonts_.find(key);
    if (it == fonts_.end()) {
        QFont font(face.isEmpty() ? QStringLiteral("Liberation Sans") : face);
        font.setPixelSize(static_cast<int>(ReferencePixels));
        font.setWeight(static_cast<QFont::Weight>(std::clamp(weight == 0 ? 400 : weight, 1, 1000)));
        font.setItalic(italic);
        font.setHintingPreference(QFont::PreferNoHinting);
        it = fonts_.emplace(key, QRawFont::fromFont(font)).first;
    }
    return it->second;
}

void Player::play(QPainter& painter, const QRectF& target) {
    if (target.isEmpty() || mf_.bounds.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Playback(*this, mf_, painter, target).run();
    painter.restore();
}

} // namespace wmf
