#include "platform/wmf/dib.h"
#include "platform/wmf/metafile.h"

#include <cstdint>

namespace wmf {

namespace {

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;

enum Fn : std::uint16_t {
    EndOfFile = 0x0000,
    SETBKCOLOR = 0x0201,
    SETBKMODE = 0x0102,
    SETMAPMODE = 0x0103,
    SETPOLYFILLMODE = 0x0106,
    SETTEXTCOLOR = 0x0209,
    SETWINDOWORG = 0x020B,
    SETWINDOWEXT = 0x020C,
    SETVIEWPORTORG = 0x020D,
    SETVIEWPORTEXT = 0x020E,
    OFFSETWINDOWORG = 0x020F,
    SCALEWINDOWEXT = 0x0410,
    OFFSETVIEWPORTORG = 0x0211,
    SCALEVIEWPORTEXT = 0x0412,
    LINETO = 0x0213,
    MOVETO = 0x0214,
    EXCLUDECLIPRECT = 0x0415,
    INTERSECTCLIPRECT = 0x0416,
    ARC = 0x0817,
    ELLIPSE = 0x0418,
    PIE = 0x081A,
    RECTANGLE = 0x041B,
    ROUNDRECT = 0x061C,
    PATBLT = 0x061D,
    SAVEDC = 0x001E,
    SETPIXEL = 0x041F,
    TEXTOUT = 0x0521,
    POLYGON = 0x0324,
    POLYLINE = 0x0325,
    RESTOREDC = 0x0127,
    SELECTOBJECT = 0x012D,
    SETTEXTALIGN = 0x012E,
    CHORD = 0x0830,
    EXTTEXTOUT = 0x0A32,
    POLYPOLYGON = 0x0538,
    DIBBITBLT = 0x0940,
    DIBSTRETCHBLT = 0x0B41,
    DIBCREATEPATTERNBRUSH = 0x0142,
    STRETCHDIB = 0x0F43,
    DELETEOBJECT = 0x01F0,
    CREATEPALETTE = 0x00F7,
    CREATEPATTERNBRUSH = 0x01F9,
    CREATEPENINDIRECT = 0x02FA,
    CREATEFONTINDIRECT = 0x02FB,
    CREATEBRUSHINDIRECT = 0x02FC,
    CREATEREGION = 0x06FF,
};

constexpr std::uint32_t SRCCOPY = 0x00CC0020;

std::uint16_t rd16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t rd32(const unsigned char* p) {
    return rd16(p) | std::uint32_t(rd16(p + 2)) << 16;
}

// The words after a record's size and function. Every read is checked against the record's own
// length; a read past it marks the record bad instead of reading on.
class Params {
public:
    Params(const unsigned char* data, std::size_t bytes) : d_(data), n_(bytes) {}
    std::size_t bytes() const { return n_; }
    bool has(std::size_t byteOffset, std::size_t len) const {
        return byteOffset <= n_ && len <= n_ - byteOffset;
    }
    int s16(std::size_t word) {
        if (!has(word * 2, 2)) {
            bad = true;
            return 0;
        }
        return static_cast<std::int16_t>(rd16(d_ + word * 2));
    }
    int u16(std::size_t word) { return static_cast<std::uint16_t>(s16(word)); }
    std::uint32_t u32(std::size_t word) {
        return static_cast<std::uint32_t>(u16(word)) | std::uint32_t(u16(word + 1)) << 16;
    }
    QColor colour(std::size_t word) {
        if (!has(word * 2, 4)) {
            bad = true;
            return {};
        }
        const unsigned char* c = d_ + word * 2;
        return QColor(c[0], c[1], c[2]);
    }
    const unsigned char* at(std::size_t byteOffset) const { return d_ + byteOffset; }

    bool bad = false;

private:
    const unsigned char* d_;
    std::size_t n_;
};

// Windows-1252: Latin-1 with printable characters in place of most C1 controls.
QString fromWindows1252(const unsigned char* s, std::size_t n) {
    static const char16_t high[32] = {0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x8D,   0x017D, 0x8F,
                                      0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString out;
    out.reserve(static_cast<qsizetype>(n));
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char c = s[i];
        out.append(c >= 0x80 && c < 0xA0 ? QChar(high[c - 0x80]) : QChar(c));
    }
    return out;
}

class Reader {
public:
    Reader(const QByteArray& bytes)
        : data_(reinterpret_cast<const unsigned char*>(bytes.constData())),
          size_(static_cast<std::size_t>(bytes.size())) {}

    std::optional<Metafile> read(QString* error) {
        auto fail = [&](const QString& why) -> std::optional<Metafile> {
            if (error) *error = why;
            return std::nullopt;
        };
        std::size_t pos = 0;
        bool placeable = false;
        if (size_ >= 22 && rd32(data_) == PlaceableKey) {
            const int left = static_cast<std::int16_t>(rd16(data_ + 6));
            const int top = static_cast<std::int16_t>(rd16(data_ + 8));
            const int right = static_cast<std::int16_t>(rd16(data_ + 10));
            const int bottom = static_cast<std::int16_t>(rd16(data_ + 12));
            const int inch = rd16(data_ + 14);
            if (right <= left || bottom <= top)
                return fail(QStringLiteral("the picture's bounding box is empty"));
            if (inch == 0) return fail(QStringLiteral("the picture has no scale"));
            mf_.bounds = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
            mf_.unitsPerInch = inch;
            placeable = true;
            pos = 22;
        }
        if (size_ - pos < 18) return fail(QStringLiteral("not a Windows Metafile: the header is missing"));
        const unsigned char* h = data_ + pos;
        const int type = rd16(h), headerWords = rd16(h + 2), version = rd16(h + 4);
        if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
            return fail(QStringLiteral("not a Windows Metafile: bad header"));
        mf_.objectCount = rd16(h + 10);
        pos += 18;

        bool sawEnd = false;
        int index = 0;
        while (pos < size_) {
            if (size_ - pos < 6) return fail(QStringLiteral("record %1 is cut off").arg(index));
            const std::uint32_t words = rd32(data_ + pos);
            const std::uint16_t fn = rd16(data_ + pos + 4);
            if (words < 3)
                return fail(QStringLiteral("record %1 has a size of %2 words").arg(index).arg(words));
            if (words > (size_ - pos) / 2)
                return fail(QStringLiteral("record %1 runs past the end of the file").arg(index));
            if (fn == EndOfFile) {
                sawEnd = true;
                break;
            }
            Params p(data_ + pos + 6, std::size_t(words) * 2 - 6);
            if (!decode(fn, p) || p.bad)
                return fail(QStringLiteral("record %1 (function 0x%2) is malformed")
                                .arg(index)
                                .arg(fn, 4, 16, QLatin1Char('0')));
            pos += std::size_t(words) * 2;
            ++index;
        }
        if (!sawEnd) return fail(QStringLiteral("the picture ends without its end record"));
        if (!placeable && !boundsFromWindow()) return fail(QStringLiteral("the picture gives no size"));
        return std::move(mf_);
    }

private:
    // A metafile without a placeable header tells its size only through its window.
    bool boundsFromWindow() {
        QPoint org;
        for (const Op& op : mf_.ops) {
            if (op.kind == OpKind::SetWindowOrg) org = QPoint(op.v[0], op.v[1]);
            if (op.kind == OpKind::SetWindowExt && op.v[0] > 0 && op.v[1] > 0) {
                mf_.bounds = QRect(org, QSize(op.v[0], op.v[1]));
                mf_.unitsPerInch = 96;
                return true;
            }
        }
        return false;
    }

    Op& add(OpKind kind) {
        Op op;
        op.kind = kind;
        mf_.ops.push_back(std::move(op));
        return mf_.ops.back();
    }

    void addXY(OpKind kind, Params& p) {
        Op& op = add(kind);
        op.v[0] = p.s16(1);
        op.v[1] = p.s16(0);
    }

    // Rectangles are stored bottom, right, top, left.
    void addRect(OpKind kind, Params& p, std::size_t first = 0) {
        Op& op = add(kind);
        op.v[0] = p.s16(first + 3);
        op.v[1] = p.s16(first + 2);
        op.v[2] = p.s16(first + 1);
        op.v[3] = p.s16(first + 0);
    }

    bool points(Params& p, std::size_t firstWord, std::size_t count, QPolygonF* out) {
        if (!p.has(firstWord * 2, count * 4)) return false;
        out->reserve(static_cast<qsizetype>(count));
        for (std::size_t i = 0; i < count; ++i)
            out->append(QPointF(p.s16(firstWord + 2 * i), p.s16(firstWord + 2 * i + 1)));
        return true;
    }

    bool text(Params& p, std::size_t byteOffset, std::size_t count, QString* out) {
        if (!p.has(byteOffset, count)) return false;
        *out = fromWindows1252(p.at(byteOffset), count);
        return true;
    }

    // A bitmap record: destination (x, y, w, h) in logical units, source in pixels, the DIB after.
    bool bitmap(Params& p, std::uint32_t rop, int dx, int dy, int dw, int dh, int sx, int sy, int sw, int sh,
                std::size_t dibWord, bool bottomUpSource) {
        if (!p.has(dibWord * 2, 0)) return false;
        QImage image;
        switch (decodeDib(p.at(dibWord * 2), p.bytes() - dibWord * 2, &image)) {
        case DibResult::Malformed:
            return false;
        case DibResult::Unsupported:
            return true;
        case DibResult::Ok:
            break;
        }
        if (sw == 0 && sh == 0) {
            sw = image.width();
            sh = image.height();
        }
        if (bottomUpSource) sy = image.height() - sy - sh;
        Op& op = add(OpKind::Bitmap);
        op.v = {dx, dy, dx + dw, dy + dh, static_cast<int>(rop & 0xFFFF), static_cast<int>(rop >> 16)};
        op.image = std::make_shared<const QImage>(std::move(image));
        op.source = QRect(sx, sy, sw, sh).intersected(op.image->rect());
        return true;
    }

    void patBlt(std::uint32_t rop, int x, int y, int w, int h) {
        Op& op = add(OpKind::PatBlt);
        op.v = {x, y, x + w, y + h, static_cast<int>(rop & 0xFFFF), static_cast<int>(rop >> 16)};
    }

    bool decode(std::uint16_t fn, Params& p) {
        switch (fn) {
        case SETWINDOWORG:
            addXY(OpKind::SetWindowOrg, p);
            break;
        case SETWINDOWEXT:
            addXY(OpKind::SetWindowExt, p);
            break;
        case SETVIEWPORTORG:
            addXY(OpKind::SetViewportOrg, p);
            break;
        case SETVIEWPORTEXT:
            addXY(OpKind::SetViewportExt, p);
            break;
        case OFFSETWINDOWORG:
            addXY(OpKind::OffsetWindowOrg, p);
            break;
        case OFFSETVIEWPORTORG:
            addXY(OpKind::OffsetViewportOrg, p);
            break;
        case SCALEWINDOWEXT:
        case SCALEVIEWPORTEXT: {
            Op& op = add(fn == SCALEWINDOWEXT ? OpKind::ScaleWindowExt : OpKind::ScaleViewportExt);
            op.v = {p.s16(3), p.s16(2), p.s16(1), p.s16(0)}; // x num, x denom, y num, y denom
            break;
        }
        case SETMAPMODE:
            add(OpKind::SetMapMode).v[0] = p.u16(0);
            break;
        case SETBKMODE:
            add(OpKind::SetBkMode).v[0] = p.u16(0);
            break;
        case SETPOLYFILLMODE:
            add(OpKind::SetPolyFillMode).v[0] = p.u16(0);
            break;
        case SETTEXTALIGN:
            add(OpKind::SetTextAlign).v[0] = p.u16(0);
            break;
        case SETBKCOLOR:
            add(OpKind::SetBkColor).colour = p.colour(0);
            break;
        case SETTEXTCOLOR:
            add(OpKind::SetTextColor).colour = p.colour(0);
            break;
        case SAVEDC:
            add(OpKind::SaveDC);
            break;
        case RESTOREDC:
            add(OpKind::RestoreDC).v[0] = p.s16(0);
            break;
        case SELECTOBJECT:
            add(OpKind::SelectObject).v[0] = p.u16(0);
            break;
        case DELETEOBJECT:
            add(OpKind::DeleteObject).v[0] = p.u16(0);
            break;
        case CREATEPENINDIRECT: {
            Op& op = add(OpKind::CreatePen);
            op.v[0] = p.u16(0);
            op.v[1] = p.s16(1);
            op.colour = p.colour(3);
            break;
        }
        case CREATEBRUSHINDIRECT: {
            Op& op = add(OpKind::CreateBrush);
            op.v[0] = p.u16(0);
            op.colour = p.colour(1);
            op.v[1] = p.u16(3);
            break;
        }
        case DIBCREATEPATTERNBRUSH: {
            Op& op = add(OpKind::CreateBrush);
            op.v[0] = 3; // pattern
            op.colour = Qt::black;
            QImage image;
            if (!p.has(4, 0)) return false;
            const DibResult r = decodeDib(p.at(4), p.bytes() - 4, &image);
            if (r == DibResult::Malformed) return false;
            if (r == DibResult::Ok) op.image = std::make_shared<const QImage>(std::move(image));
            break;
        }
        case CREATEPATTERNBRUSH: {
            // An old device-dependent pattern: shown as a plain grey, the usual look of such fills.
            Op& op = add(OpKind::CreateBrush);
            op.v[0] = 0;
            op.colour = QColor(128, 128, 128);
            break;
        }
        case CREATEFONTINDIRECT: {
            Op& op = add(OpKind::CreateFont);
            op.v = {p.s16(0), p.s16(1), p.s16(2), p.s16(4), 0, 0, 0, 0};
            if (!p.has(18, 0)) return false;
            const unsigned char* b = p.at(10);
            op.v[4] = b[0];
            op.v[5] = b[1];
            op.v[6] = b[2];
            std::size_t len = 0;
            const std::size_t room = std::min<std::size_t>(32, p.bytes() - 18);
            while (len < room && p.at(18)[len] != 0)
                ++len;
            op.text = fromWindows1252(p.at(18), len).trimmed();
            break;
        }
        case CREATEPALETTE:
        case CREATEREGION:
            add(OpKind::CreatePlaceholder);
            break;
        case MOVETO:
            addXY(OpKind::MoveTo, p);
            break;
        case LINETO:
            addXY(OpKind::LineTo, p);
            break;
        case SETPIXEL: {
            Op& op = add(OpKind::SetPixel);
            op.colour = p.colour(0);
            op.v[0] = p.s16(3);
            op.v[1] = p.s16(2);
            break;
        }
        case RECTANGLE:
            addRect(OpKind::Rectangle, p);
            break;
        case ELLIPSE:
            addRect(OpKind::Ellipse, p);
            break;
        case INTERSECTCLIPRECT:
            addRect(OpKind::IntersectClipRect, p);
            break;
        case EXCLUDECLIPRECT:
            addRect(OpKind::ExcludeClipRect, p);
            break;
        case ROUNDRECT: {
            addRect(OpKind::RoundRect, p, 2);
            Op& op = mf_.ops.back();
            op.v[4] = p.s16(1);
            op.v[5] = p.s16(0);
            break;
        }
        case ARC:
        case PIE:
        case CHORD: {
            addRect(fn == ARC ? OpKind::Arc : fn == PIE ? OpKind::Pie : OpKind::Chord, p, 4);
            Op& op = mf_.ops.back();
            op.v[4] = p.s16(3);
            op.v[5] = p.s16(2);
            op.v[6] = p.s16(1);
            op.v[7] = p.s16(0);
            break;
        }
        case POLYGON:
        case POLYLINE: {
            const int n = p.s16(0);
            if (n < 0) return false;
            Op& op = add(fn == POLYGON ? OpKind::Polygon : OpKind::Polyline);
            return points(p, 1, static_cast<std::size_t>(n), &op.points);
        }
        case POLYPOLYGON: {
            const int polys = p.u16(0);
            if (!p.has(2, std::size_t(polys) * 2)) return false;
            Op& op = add(OpKind::PolyPolygon);
            std::size_t total = 0;
            for (int i = 0; i < polys; ++i) {
                const int n = p.u16(1 + i);
                op.counts.push_back(n);
                total += static_cast<std::size_t>(n);
            }
            return points(p, 1 + static_cast<std::size_t>(polys), total, &op.points);
        }
        case TEXTOUT: {
            const int n = p.s16(0);
            if (n < 0) return false;
            const std::size_t padded = (static_cast<std::size_t>(n) + 1) & ~std::size_t(1);
            Op& op = add(OpKind::Text);
            if (!text(p, 2, static_cast<std::size_t>(n), &op.text)) return false;
            op.v[1] = p.s16(1 + padded / 2);
            op.v[0] = p.s16(2 + padded / 2);
            break;
        }
        case EXTTEXTOUT: {
            Op& op = add(OpKind::Text);
            op.v[1] = p.s16(0);
            op.v[0] = p.s16(1);
            const int n = p.s16(2);
            const int options = p.u16(3);
            if (n < 0) return false;
            op.v[2] = options;
            std::size_t at = 8;
            if (options & 0x0006) { // opaque or clipped: a rectangle follows
                op.v[3] = p.s16(4);
                op.v[4] = p.s16(5);
                op.v[5] = p.s16(6);
                op.v[6] = p.s16(7);
                at = 16;
            }
            const auto count = static_cast<std::size_t>(n);
            if (!text(p, at, count, &op.text)) return false;
            // Writers pad the string to whole words; the spacing array, when present, follows.
            std::size_t dxAt = at + ((count + 1) & ~std::size_t(1));
            if (!p.has(dxAt, count * 2) && p.has(at + count, count * 2)) dxAt = at + count;
            if (p.has(dxAt, count * 2)) {
                op.dx.reserve(count);
                for (std::size_t i = 0; i < count; ++i)
                    op.dx.push_back(static_cast<std::int16_t>(rd16(p.at(dxAt + 2 * i))));
            }
            break;
        }
        case PATBLT:
            patBlt(p.u32(0), p.s16(5), p.s16(4), p.s16(3), p.s16(2));
            break;
        case DIBBITBLT: {
            const std::uint32_t rop = p.u32(0);
            if (p.bytes() == 18) // no bitmap: a pattern fill
                patBlt(rop, p.s16(8), p.s16(7), p.s16(6), p.s16(5));
            else if (!bitmap(p, rop, p.s16(7), p.s16(6), p.s16(5), p.s16(4), p.s16(3), p.s16(2), p.s16(5),
                             p.s16(4), 8, false))
                return false;
            break;
        }
        case DIBSTRETCHBLT: {
            const std::uint32_t rop = p.u32(0);
            if (p.bytes() == 22)
                patBlt(rop, p.s16(10), p.s16(9), p.s16(8), p.s16(7));
            else if (!bitmap(p, rop, p.s16(9), p.s16(8), p.s16(7), p.s16(6), p.s16(5), p.s16(4), p.s16(3),
                             p.s16(2), 10, false))
                return false;
            break;
        }
        case STRETCHDIB:
            if (!bitmap(p, p.u32(0), p.s16(10), p.s16(9), p.s16(8), p.s16(7), p.s16(6), p.s16(5), p.s16(4),
                        p.s16(3), 11, true))
                return false;
            break;
        default:
            // Escapes, palette and region work and the rest change nothing a page shows.
            break;
        }
        return true;
    }

    const unsigned char* data_;
    std::size_t size_;
    Metafile mf_;
};

} // namespace

std::optional<Metafile> readMetafile(const QByteArray& bytes, QString* error) {
    return Reader(bytes).read(error);
}

} // namespace wmf
