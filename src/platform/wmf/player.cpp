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

using Object = std::variant<CreatePlaceholder, CreatePen, CreateBrush, CreateFont>;

// Map modes that tie the window to the viewport; every other mode draws as anisotropic.
constexpr int MM_ISOTROPIC = 7;
constexpr int OPAQUE = 2;  // background mode
constexpr int WINDING = 2; // polygon fill mode
constexpr int PS_NULL = 5;
constexpr int PenStyleMask = 0x000F, PenCapMask = 0x0F00, PenJoinMask = 0xF000;
constexpr int PS_ENDCAP_SQUARE = 0x0100, PS_ENDCAP_FLAT = 0x0200;
constexpr int PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000;
enum : int { TA_UPDATECP = 1, TA_RIGHT = 2, TA_CENTER = 6, TA_BOTTOM = 8, TA_BASELINE = 24 };
enum : int { ETO_OPAQUE = 2, ETO_CLIPPED = 4 };
// Ternary raster operations: the pattern's and the destination's bits of the full operation.
constexpr int BLACKNESS = 0x00, WHITENESS = 0xFF, PATCOPY = 0xF0;
constexpr int DSTINVERT = 0x55, PATINVERT = 0x5A, DSTCOPY = 0xAA;
constexpr int MaxSavedStates = 1024;
constexpr int MaxObjects = 65536;
// How much more one axis of a glyph may be stretched than the other and still go through the
// glyph cache; writers' condensed and widened fonts stay well within it.
constexpr double MaxGlyphStretch = 8;
// Clipping starts from a rectangle larger than any page.
constexpr double Everywhere = 1e7;

// What the writer's device context held: mapping, colours, modes and the selected objects.
struct DC {
    QPointF windowOrg, viewportOrg;
    QSizeF windowExt, viewportExt;
    int mapMode = 1;
    bool bkOpaque = true;
    QColor bk = Qt::white, text = Qt::black;
    int textAlign = 0;
    Qt::FillRule fill = Qt::OddEvenFill;
    CreatePen pen;
    CreateBrush brush;
    CreateFont font;
    QPointF current;
    std::optional<QPainterPath> clip; // in the painter's own coordinates
};

// A line of text laid out in the font's reference size: glyphs, their positions, and the scale
// from there to logical units.
struct TextLayout {
    QList<quint32> glyphs;
    QList<QPointF> positions;
    double sx = 1, sy = 1;
    double width = 0; // logical units
};

QPen penOf(const CreatePen& d) {
    const int style = d.style & PenStyleMask;
    if (style == PS_NULL) return Qt::NoPen;
    QPen pen(d.colour);
    pen.setWidthF(d.width <= 0 ? 0 : d.width);
    static const Qt::PenStyle styles[] = {Qt::SolidLine,      Qt::DashLine, Qt::DotLine,  Qt::DashDotLine,
                                          Qt::DashDotDotLine, Qt::NoPen,    Qt::SolidLine};
    pen.setStyle(style <= 6 ? styles[style] : Qt::SolidLine);
    const int cap = d.style & PenCapMask, join = d.style & PenJoinMask;
    pen.setCapStyle(cap == PS_ENDCAP_SQUARE ? Qt::SquareCap
                    : cap == PS_ENDCAP_FLAT ? Qt::FlatCap
                                            : Qt::RoundCap);
    pen.setJoinStyle(join == PS_JOIN_BEVEL   ? Qt::BevelJoin
                     : join == PS_JOIN_MITER ? Qt::MiterJoin
                                             : Qt::RoundJoin);
    return pen;
}

QBrush brushOf(const CreateBrush& d) {
    switch (d.style) {
    case SolidBrush:
        return QBrush(d.colour);
    case HatchedBrush: {
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        return QBrush(d.colour, d.hatch >= 0 && d.hatch < 6 ? hatches[d.hatch] : Qt::SolidPattern);
    }
    case PatternBrush:
    case DibPatternBrush:
        return d.pattern ? QBrush(*d.pattern) : QBrush(Qt::black);
    default:
        return Qt::NoBrush;
    }
}

// Qt's glyph cache renders a glyph as a bitmap of its transformed size and takes any transform
// whose area is small, however thin: a glyph thousands of pixels wide and under one high makes
// FreeType refuse and Qt 6.4 copy from nothing. Such text, and text squeezed below a pixel, is
// drawn from its outlines; text a person can read keeps the cache's look.
bool glyphsFitTheCache(const QTransform& m) {
    const double sum = m.m11() * m.m11() + m.m12() * m.m12() + m.m21() * m.m21() + m.m22() * m.m22();
    const double det = std::abs(m.determinant());
    const double gap = std::sqrt(std::max(0.0, sum * sum - 4 * det * det));
    const double longest = std::sqrt((sum + gap) / 2), shortest = std::sqrt(std::max(0.0, (sum - gap) / 2));
    return shortest * Player::ReferencePixels >= 1 && longest <= MaxGlyphStretch * shortest;
}

QPainterPath glyphOutlines(const QRawFont& raw, const TextLayout& t, const CreateFont& f) {
    QPainterPath path;
    for (qsizetype i = 0; i < t.glyphs.size(); ++i)
        path.addPath(raw.pathForGlyph(t.glyphs[i]).translated(t.positions[i]));
    const double thickness = std::max(1.0, raw.lineThickness()), width = t.width / t.sx;
    if (f.underline) path.addRect(QRectF(0, raw.underlinePosition(), width, thickness));
    if (f.strikeOut) path.addRect(QRectF(0, -raw.ascent() / 3, width, thickness));
    path.setFillRule(Qt::WindingFill);
    return path;
}

class Playback {
public:
    Playback(Player& owner, const Metafile& mf, QPainter& painter, const QRectF& target, int leaveOut = -1)
        : leaveOut_(leaveOut), owner_(owner), mf_(mf), p_(painter), target_(target),
          base_(painter.transform()),
          entryClip_(painter.hasClipping() ? std::optional<QPainterPath>(painter.clipPath()) : std::nullopt) {
        const QRectF b(mf.bounds.left(), mf.bounds.top(), mf.bounds.width(), mf.bounds.height());
        dc_.windowOrg = dc_.viewportOrg = b.topLeft();
        dc_.windowExt = dc_.viewportExt = b.size();
        objects_.resize(static_cast<std::size_t>(std::max(mf.objectCount, 1)));
        if (entryClip_) entryClip_ = base_.map(*entryClip_);
    }

    std::vector<DrawnText> drawn;
    const int leaveOut_;

    void run() {
        updateTransform();
        for (const Record& r : mf_.records)
            std::visit([this](const auto& record) { play(record); }, r);
    }

private:
    // ---- Mapping and clipping -----------------------------------------------------------------

    void updateTransform() {
        const QRectF b(mf_.bounds.left(), mf_.bounds.top(), mf_.bounds.width(), mf_.bounds.height());
        double sx = dc_.windowExt.width() ? dc_.viewportExt.width() / dc_.windowExt.width() : 1;
        double sy = dc_.windowExt.height() ? dc_.viewportExt.height() / dc_.windowExt.height() : 1;
        if (dc_.mapMode == MM_ISOTROPIC) { // one scale for both axes
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

    void play(const SetMapping& m) {
        const QPointF v(m.value);
        switch (m.kind) {
        case SetMapping::WindowOrg:
            dc_.windowOrg = v;
            break;
        case SetMapping::ViewportOrg:
            dc_.viewportOrg = v;
            break;
        case SetMapping::OffsetWindowOrg:
            dc_.windowOrg += v;
            break;
        case SetMapping::OffsetViewportOrg:
            dc_.viewportOrg += v;
            break;
        case SetMapping::WindowExt:
        case SetMapping::ViewportExt:
            if (v.x() && v.y())
                (m.kind == SetMapping::WindowExt ? dc_.windowExt : dc_.viewportExt) = QSizeF(v.x(), v.y());
            break;
        }
        updateTransform();
    }

    void play(const ScaleExtent& s) {
        if (!s.xDenom || !s.yDenom) return;
        QSizeF& ext = s.window ? dc_.windowExt : dc_.viewportExt;
        const QSizeF scaled(ext.width() * s.xNum / s.xDenom, ext.height() * s.yNum / s.yDenom);
        if (scaled.width() != 0 && scaled.height() != 0) ext = scaled;
        updateTransform();
    }

    void play(const SetMode& m) {
        switch (m.kind) {
        case SetMode::MapMode:
            dc_.mapMode = m.value;
            updateTransform();
            break;
        case SetMode::BackgroundMode:
            dc_.bkOpaque = m.value == OPAQUE;
            break;
        case SetMode::PolyFillMode:
            dc_.fill = m.value == WINDING ? Qt::WindingFill : Qt::OddEvenFill;
            break;
        case SetMode::TextAlign:
            dc_.textAlign = m.value;
            break;
        }
    }

    void play(const SetColour& c) { (c.kind == SetColour::Background ? dc_.bk : dc_.text) = c.colour; }

    void play(const SaveDC&) {
        if (saved_.size() < MaxSavedStates) saved_.push_back(dc_);
    }

    void play(const RestoreDC& r) {
        const long long size = static_cast<long long>(saved_.size());
        const long long index = r.which < 0 ? size + r.which : r.which - 1;
        if (index < 0 || index >= size) return;
        dc_ = saved_[static_cast<std::size_t>(index)];
        saved_.resize(static_cast<std::size_t>(index));
        updateTransform();
        applyClip();
    }

    void play(const ClipRect& c) {
        QPainterPath rect;
        rect.addRect(c.box);
        rect = (mapping_ * base_).map(rect);
        QPainterPath everything;
        everything.addRect(QRectF(-Everywhere, -Everywhere, 2 * Everywhere, 2 * Everywhere));
        const QPainterPath current = dc_.clip ? *dc_.clip : everything;
        dc_.clip = c.exclude ? current.subtracted(rect) : current.intersected(rect);
        applyClip();
    }

    // ---- Objects ------------------------------------------------------------------------------

    // A new object takes the lowest free slot of the table, as the writer's device did.
    void create(Object o) {
        for (auto& slot : objects_)
            if (!slot) {
                slot = std::move(o);
                return;
            }
        if (objects_.size() < MaxObjects) objects_.push_back(std::move(o));
    }

    void play(const CreatePen& o) { create(o); }
    void play(const CreateBrush& o) { create(o); }
    void play(const CreateFont& o) { create(o); }
    void play(const CreatePlaceholder& o) { create(o); }

    void play(const SelectObject& s) {
        if (s.index < 0 || static_cast<std::size_t>(s.index) >= objects_.size() || !objects_[s.index]) return;
        const Object& o = *objects_[s.index];
        if (auto* pen = std::get_if<CreatePen>(&o))
            dc_.pen = *pen;
        else if (auto* brush = std::get_if<CreateBrush>(&o))
            dc_.brush = *brush;
        else if (auto* font = std::get_if<CreateFont>(&o))
            dc_.font = *font;
    }

    void play(const DeleteObject& d) {
        if (d.index >= 0 && static_cast<std::size_t>(d.index) < objects_.size())
            objects_[static_cast<std::size_t>(d.index)].reset();
    }

    // ---- Lines and shapes ---------------------------------------------------------------------

    void shapeTools() {
        p_.setPen(penOf(dc_.pen));
        p_.setBrush(brushOf(dc_.brush));
        if (dc_.brush.style == HatchedBrush && dc_.bkOpaque)
            p_.setBackgroundMode(Qt::OpaqueMode), p_.setBackground(dc_.bk);
        else
            p_.setBackgroundMode(Qt::TransparentMode);
    }

    void play(const MoveTo& m) { dc_.current = m.to; }

    void play(const LineTo& l) {
        p_.setPen(penOf(dc_.pen));
        p_.drawLine(dc_.current, QPointF(l.to));
        dc_.current = l.to;
    }

    void play(const SetPixel& s) { p_.fillRect(QRectF(s.at, QSizeF(1, 1)), s.colour); }

    void play(const Shape& s) {
        shapeTools();
        if (s.kind == Shape::Rectangle)
            p_.drawRect(s.box);
        else
            p_.drawEllipse(s.box);
    }

    void play(const RoundRect& r) {
        shapeTools();
        p_.drawRoundedRect(r.box, std::abs(r.corner.width()) / 2.0, std::abs(r.corner.height()) / 2.0);
    }

    double arcAngle(const QRectF& r, QPointF at) const {
        const double rx = r.width() / 2, ry = r.height() / 2;
        if (rx <= 0 || ry <= 0) return 0;
        return std::atan2(-(at.y() - r.center().y()) / ry, (at.x() - r.center().x()) / rx) * 180.0 / M_PI;
    }

    // Arcs run counterclockwise on the device from the start radial to the end radial.
    void play(const ArcShape& a) {
        const double start = arcAngle(a.box, a.start);
        double span = arcAngle(a.box, a.end) - start;
        while (span <= 0)
            span += 360;
        if (mapping_.determinant() < 0) span -= 360;
        QPainterPath path;
        if (a.kind == ArcShape::Pie)
            path.moveTo(a.box.center());
        else
            path.arcMoveTo(a.box, start);
        path.arcTo(a.box, start, span);
        shapeTools();
        if (a.kind == ArcShape::Arc) {
            p_.strokePath(path, penOf(dc_.pen));
        } else {
            path.closeSubpath();
            p_.drawPath(path);
        }
    }

    void play(const Poly& poly) {
        if (poly.closed) {
            shapeTools();
            p_.drawPolygon(poly.points, dc_.fill);
        } else {
            p_.setPen(penOf(dc_.pen));
            p_.drawPolyline(poly.points);
        }
    }

    void play(const PolyPolygon& pp) {
        QPainterPath path;
        path.setFillRule(dc_.fill);
        qsizetype at = 0;
        for (int n : pp.counts) {
            if (n > 0) path.addPolygon(pp.points.mid(at, n));
            path.closeSubpath();
            at += n;
        }
        shapeTools();
        p_.drawPath(path);
    }

    // ---- Text ---------------------------------------------------------------------------------

    TextLayout layOut(const Text& t, const QRawFont& raw) const {
        const CreateFont& f = dc_.font;
        const double ref = Player::ReferencePixels;
        double em = std::abs(f.height);
        if (f.height > 0) em = f.height * ref / std::max(1.0, raw.ascent() + raw.descent());
        if (em == 0) em = mf_.unitsPerInch * 12.0 / 72.0;
        TextLayout out;
        out.sy = out.sx = em / ref;
        if (f.width > 0 && raw.averageCharWidth() > 0) out.sx = f.width / raw.averageCharWidth();
        out.glyphs = raw.glyphIndexesForString(t.text);
        out.positions.reserve(out.glyphs.size());
        const bool spaced =
            t.dx.size() == static_cast<std::size_t>(t.text.size()) && out.glyphs.size() == t.text.size();
        const QList<QPointF> advances = spaced ? QList<QPointF>() : raw.advancesForGlyphIndexes(out.glyphs);
        for (qsizetype i = 0; i < out.glyphs.size(); ++i) {
            out.positions.append(QPointF(out.width / out.sx, 0));
            out.width += spaced ? t.dx[static_cast<std::size_t>(i)] : advances[i].x() * out.sx;
        }
        return out;
    }

    // Moves the painter to the start of the baseline, as the alignment asks, and moves the current
    // position where the alignment updates it.
    void alignText(const Text& t, const TextLayout& layout, double ascent, double descent) {
        const int horizontal = dc_.textAlign & TA_CENTER, vertical = dc_.textAlign & TA_BASELINE;
        const double width = layout.width;
        const double shift = horizontal == TA_CENTER ? -width / 2 : horizontal == TA_RIGHT ? -width : 0;
        const double drop = vertical == TA_BASELINE ? 0 : vertical == TA_BOTTOM ? -descent : ascent;
        const QPointF origin = dc_.textAlign & TA_UPDATECP ? dc_.current : QPointF(t.at);
        if (dc_.textAlign & TA_UPDATECP)
            dc_.current.rx() += horizontal == TA_CENTER ? 0 : horizontal == TA_RIGHT ? -width : width;
        p_.translate(origin);
        if (dc_.font.escapement) p_.rotate(-dc_.font.escapement / 10.0);
        p_.translate(shift, drop);
    }

    void drawGlyphs(const QRawFont& raw, const TextLayout& layout) {
        const CreateFont& f = dc_.font;
        if (!glyphsFitTheCache(p_.combinedTransform())) {
            p_.fillPath(glyphOutlines(raw, layout, f), dc_.text);
            return;
        }
        QGlyphRun run;
        run.setRawFont(raw);
        run.setGlyphIndexes(layout.glyphs);
        run.setPositions(layout.positions);
        run.setUnderline(f.underline);
        run.setStrikeOut(f.strikeOut);
        p_.setPen(dc_.text);
        p_.drawGlyphRun(QPointF(0, 0), run);
    }

    void play(const Text& t) {
        const CreateFont& f = dc_.font;
        const QRawFont& raw = owner_.rawFont(f.face, f.weight, f.italic);
        if (!raw.isValid() || t.text.isEmpty()) return;
        const TextLayout layout = layOut(t, raw);
        const double ascent = raw.ascent() * layout.sy, descent = raw.descent() * layout.sy;
        p_.save();
        if (t.options & ETO_OPAQUE) p_.fillRect(t.box, dc_.bk);
        if (t.options & ETO_CLIPPED) p_.setClipRect(t.box, Qt::IntersectClip);
        alignText(t, layout, ascent, descent);
        if (dc_.bkOpaque && !(t.options & ETO_OPAQUE))
            p_.fillRect(QRectF(0, -ascent, layout.width, ascent + descent), dc_.bk);
        const QTransform toTarget = p_.transform() * base_.inverted();
        drawn.push_back({t.text, dc_.text, f.weight == 0 ? 400 : f.weight,
                         layout.sy * Player::ReferencePixels * std::hypot(toTarget.m12(), toTarget.m22()),
                         toTarget.mapRect(QRectF(0, -ascent, layout.width, ascent + descent))});
        p_.scale(layout.sx, layout.sy);
        if (static_cast<int>(drawn.size()) - 1 != leaveOut_) drawGlyphs(raw, layout);
        p_.restore();
    }

    // ---- Bitmaps ------------------------------------------------------------------------------

    void play(const Blit& b) {
        switch ((b.rop >> 16) & 0xFF) {
        case BLACKNESS:
            p_.fillRect(b.box, Qt::black);
            return;
        case WHITENESS:
            p_.fillRect(b.box, Qt::white);
            return;
        case PATCOPY:
            p_.fillRect(b.box, brushOf(dc_.brush));
            return;
        case DSTINVERT:
        case PATINVERT:
        case DSTCOPY:
            return; // inverting or leaving the destination: nothing a page shows
        default:
            if (b.image)
                p_.drawImage(b.box, *b.image, b.source);
            else
                p_.fillRect(b.box, brushOf(dc_.brush));
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
    playTexts(painter, target, -1);
}

std::vector<DrawnText> Player::playTexts(QPainter& painter, const QRectF& target, int leaveOut) {
    if (target.isEmpty() || mf_.bounds.isEmpty()) return {};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    Playback playback(*this, mf_, painter, target, leaveOut);
    playback.run();
    painter.restore();
    return std::move(playback.drawn);
}

} // namespace wmf
