#include "platform/windows1252.h"
#include "platform/wmf/dib.h"
#include "platform/wmf/metafile.h"

#include <algorithm>

namespace wmf {

namespace {

constexpr std::uint32_t PlaceableKey = 0x9AC6CDD7;
constexpr std::size_t PlaceableHeaderBytes = 22;
constexpr std::size_t HeaderBytes = 18;
constexpr int HeaderWords = 9;
constexpr int MemoryMetafile = 1, DiskMetafile = 2;
constexpr int Version1 = 0x0100, Version3 = 0x0300;
constexpr std::size_t RecordHeadBytes = 6; // size in words (32 bits), function (16 bits)
// A metafile without a placeable header is measured in screen pixels.
constexpr int PixelsPerInch = 96;
// A font record: height, width, escapement, orientation, weight (words), italic, underline,
// strike-out, character set and four more bytes, then the face name.
constexpr std::size_t FontStyleByte = 10, FontFaceByte = 18, FontFaceBytes = 32;
// Extended text options: a rectangle follows the options.
constexpr int ETO_OPAQUE = 0x0002, ETO_CLIPPED = 0x0004;

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

std::uint16_t rd16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t rd32(const unsigned char* p) {
    return rd16(p) | std::uint32_t(rd16(p + 2)) << 16;
}
int rds16(const unsigned char* p) {
    return static_cast<std::int16_t>(rd16(p));
}

QString fromWindows1252(const unsigned char* s, std::size_t n) {
    return decodeWindows1252(
        QByteArray::fromRawData(reinterpret_cast<const char*>(s), static_cast<qsizetype>(n)));
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
        return rds16(d_ + word * 2);
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
    // Points are stored y first.
    QPoint point(std::size_t word) { return QPoint(s16(word + 1), s16(word)); }
    // Rectangles are stored bottom, right, top, left.
    QRectF box(std::size_t word) {
        const QPointF topLeft(s16(word + 3), s16(word + 2));
        return QRectF(topLeft, QPointF(s16(word + 1), s16(word))).normalized();
    }
    const unsigned char* at(std::size_t byteOffset) const { return d_ + byteOffset; }

    bool bad = false;

private:
    const unsigned char* d_;
    std::size_t n_;
};

using Records = std::vector<Record>;
// Reads one record's parameters into records, given the kind its function stands for within its
// family (which window or viewport setting, which mode, which shape); false when they do not fit.
using Decoder = bool (*)(Params&, int kind, Records&);

bool add(Records& out, Record r) {
    out.push_back(std::move(r));
    return true;
}

// ---- Families of records read field by field --------------------------------------------------

bool mapping(Params& p, int kind, Records& out) {
    return add(out, SetMapping{SetMapping::Kind(kind), p.point(0)});
}
bool scaleExtent(Params& p, int window, Records& out) {
    return add(out, ScaleExtent{window != 0, p.s16(3), p.s16(2), p.s16(1), p.s16(0)});
}
bool mode(Params& p, int kind, Records& out) {
    return add(out, SetMode{SetMode::Kind(kind), p.u16(0)});
}
bool colour(Params& p, int kind, Records& out) {
    return add(out, SetColour{SetColour::Kind(kind), p.colour(0)});
}
bool shape(Params& p, int kind, Records& out) {
    return add(out, Shape{Shape::Kind(kind), p.box(0)});
}
bool clipRect(Params& p, int exclude, Records& out) {
    return add(out, ClipRect{exclude != 0, p.box(0)});
}
bool arc(Params& p, int kind, Records& out) {
    return add(out, ArcShape{ArcShape::Kind(kind), p.box(4), p.point(2), p.point(0)});
}

// ---- Single records ---------------------------------------------------------------------------

bool setPixel(Params& p, int, Records& out) {
    return add(out, SetPixel{p.point(2), p.colour(0)});
}

bool roundRect(Params& p, int, Records& out) {
    return add(out, RoundRect{p.box(2), QSize(p.s16(1), p.s16(0))});
}

bool createPen(Params& p, int, Records& out) {
    return add(out, CreatePen{p.u16(0), p.s16(1), p.colour(3)});
}

bool createBrush(Params& p, int, Records& out) {
    return add(out, CreateBrush{p.u16(0), p.u16(3), p.colour(1), nullptr});
}

// An old device-dependent pattern: shown as a plain grey, the usual look of such fills.
bool devicePatternBrush(Params&, int, Records& out) {
    return add(out, CreateBrush{SolidBrush, 0, QColor(128, 128, 128), nullptr});
}

bool dibPatternBrush(Params& p, int, Records& out) {
    constexpr std::size_t DibByte = 4; // after the style and the colour usage
    if (!p.has(DibByte, 0)) return false;
    CreateBrush brush{PatternBrush, 0, Qt::black, nullptr};
    QImage image;
    const DibResult r = decodeDib(p.at(DibByte), p.bytes() - DibByte, &image);
    if (r == DibResult::Malformed) return false;
    if (r == DibResult::Ok) brush.pattern = std::make_shared<const QImage>(std::move(image));
    out.push_back(std::move(brush));
    return true;
}

bool createFont(Params& p, int, Records& out) {
    CreateFont font;
    font.height = p.s16(0);
    font.width = p.s16(1);
    font.escapement = p.s16(2);
    font.weight = p.s16(4); // after the orientation, which writers set as the escapement
    if (!p.has(FontFaceByte, 0)) return false;
    const unsigned char* style = p.at(FontStyleByte);
    font.italic = style[0] != 0;
    font.underline = style[1] != 0;
    font.strikeOut = style[2] != 0;
    const unsigned char* face = p.at(FontFaceByte);
    const std::size_t room = std::min(FontFaceBytes, p.bytes() - FontFaceByte);
    const std::size_t len = static_cast<std::size_t>(std::find(face, face + room, 0) - face);
    font.face = fromWindows1252(face, len).trimmed();
    out.push_back(std::move(font));
    return true;
}

bool readPoints(Params& p, std::size_t firstWord, std::size_t count, QPolygonF* out) {
    if (!p.has(firstWord * 2, count * 4)) return false;
    out->reserve(static_cast<qsizetype>(count));
    for (std::size_t i = 0; i < count; ++i)
        out->append(QPointF(p.s16(firstWord + 2 * i), p.s16(firstWord + 2 * i + 1)));
    return true;
}

bool poly(Params& p, int closed, Records& out) {
    const int n = p.s16(0);
    if (n < 0) return false;
    Poly poly{closed != 0, {}};
    if (!readPoints(p, 1, static_cast<std::size_t>(n), &poly.points)) return false;
    out.push_back(std::move(poly));
    return true;
}

bool polyPolygon(Params& p, int, Records& out) {
    const int polys = p.u16(0);
    if (!p.has(2, std::size_t(polys) * 2)) return false;
    PolyPolygon pp;
    std::size_t total = 0;
    for (int i = 0; i < polys; ++i) {
        pp.counts.push_back(p.u16(1 + static_cast<std::size_t>(i)));
        total += static_cast<std::size_t>(pp.counts.back());
    }
    if (!readPoints(p, 1 + static_cast<std::size_t>(polys), total, &pp.points)) return false;
    out.push_back(std::move(pp));
    return true;
}

// ---- Text -------------------------------------------------------------------------------------

bool readText(Params& p, std::size_t byteOffset, std::size_t count, QString* out) {
    if (!p.has(byteOffset, count)) return false;
    *out = fromWindows1252(p.at(byteOffset), count);
    return true;
}

std::size_t paddedToWords(std::size_t bytes) {
    return (bytes + 1) & ~std::size_t(1);
}

bool textOut(Params& p, int, Records& out) {
    const int n = p.s16(0);
    if (n < 0) return false;
    Text text;
    if (!readText(p, 2, static_cast<std::size_t>(n), &text.text)) return false;
    text.at = p.point(1 + paddedToWords(static_cast<std::size_t>(n)) / 2);
    out.push_back(std::move(text));
    return true;
}

// Writers pad the string to whole words; the spacing array, when present, follows.
void readSpacing(const Params& p, std::size_t textByte, std::size_t count, std::vector<double>* dx) {
    std::size_t at = textByte + paddedToWords(count);
    if (!p.has(at, count * 2) && p.has(textByte + count, count * 2)) at = textByte + count;
    if (!p.has(at, count * 2)) return;
    dx->reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        dx->push_back(rds16(p.at(at + 2 * i)));
}

bool extTextOut(Params& p, int, Records& out) {
    Text text;
    text.at = p.point(0);
    const int n = p.s16(2);
    text.options = p.u16(3);
    if (n < 0) return false;
    std::size_t textByte = 8;
    if (text.options & (ETO_OPAQUE | ETO_CLIPPED)) {
        // Unlike the shape records, this rectangle is stored left, top, right, bottom.
        text.box = QRectF(QPointF(p.s16(4), p.s16(5)), QPointF(p.s16(6), p.s16(7))).normalized();
        textByte = 16;
    }
    const auto count = static_cast<std::size_t>(n);
    if (!readText(p, textByte, count, &text.text)) return false;
    readSpacing(p, textByte, count, &text.dx);
    out.push_back(std::move(text));
    return true;
}

// ---- Bitmaps ----------------------------------------------------------------------------------

QRectF boxOf(int x, int y, int w, int h) {
    return QRectF(QPointF(x, y), QPointF(x + w, y + h)).normalized();
}

bool patBlt(Params& p, int, Records& out) {
    out.push_back(Blit{boxOf(p.s16(5), p.s16(4), p.s16(3), p.s16(2)), p.u32(0), nullptr, {}});
    return true;
}

// Where a bitmap record puts its bitmap: destination in logical units, source in pixels, and the
// word at which the bitmap itself starts.
struct Placement {
    int x, y, w, h;
    int sx, sy, sw, sh;
    std::size_t dibWord;
    bool bottomUpSource = false;
};

bool bitmap(Params& p, std::uint32_t rop, Placement at, Records& out) {
    if (!p.has(at.dibWord * 2, 0)) return false;
    QImage image;
    switch (decodeDib(p.at(at.dibWord * 2), p.bytes() - at.dibWord * 2, &image)) {
    case DibResult::Malformed:
        return false;
    case DibResult::Unsupported:
        return true;
    case DibResult::Ok:
        break;
    }
    if (at.sw == 0 && at.sh == 0) at.sw = image.width(), at.sh = image.height();
    if (at.bottomUpSource) at.sy = image.height() - at.sy - at.sh;
    Blit blit{boxOf(at.x, at.y, at.w, at.h), rop, std::make_shared<const QImage>(std::move(image)), {}};
    blit.source = QRect(at.sx, at.sy, at.sw, at.sh).intersected(blit.image->rect());
    out.push_back(std::move(blit));
    return true;
}

// Without a bitmap (just the raster operation and the box) these records fill with the brush.
bool dibBitBlt(Params& p, int, Records& out) {
    constexpr std::size_t WithoutBitmap = 18;
    if (p.bytes() == WithoutBitmap) {
        out.push_back(Blit{boxOf(p.s16(8), p.s16(7), p.s16(6), p.s16(5)), p.u32(0), nullptr, {}});
        return true;
    }
    const int w = p.s16(5), h = p.s16(4);
    return bitmap(p, p.u32(0), {p.s16(7), p.s16(6), w, h, p.s16(3), p.s16(2), w, h, 8}, out);
}

bool dibStretchBlt(Params& p, int, Records& out) {
    constexpr std::size_t WithoutBitmap = 22;
    if (p.bytes() == WithoutBitmap) {
        out.push_back(Blit{boxOf(p.s16(10), p.s16(9), p.s16(8), p.s16(7)), p.u32(0), nullptr, {}});
        return true;
    }
    return bitmap(p, p.u32(0),
                  {p.s16(9), p.s16(8), p.s16(7), p.s16(6), p.s16(5), p.s16(4), p.s16(3), p.s16(2), 10}, out);
}

bool stretchDib(Params& p, int, Records& out) {
    return bitmap(p, p.u32(0),
                  {p.s16(10), p.s16(9), p.s16(8), p.s16(7), p.s16(6), p.s16(5), p.s16(4), p.s16(3), 11, true},
                  out);
}

// ---- The records this player draws ------------------------------------------------------------

struct Entry {
    std::uint16_t fn;
    Decoder decode;
    int kind = 0;
};

// Escapes, palette and region work and the records missing here change nothing a page shows.
constexpr Entry Decoders[] = {
    // The window, then the viewport.
    {SETWINDOWORG, mapping, SetMapping::WindowOrg},
    {SETWINDOWEXT, mapping, SetMapping::WindowExt},
    {SCALEWINDOWEXT, scaleExtent, true},
    {OFFSETWINDOWORG, mapping, SetMapping::OffsetWindowOrg},
    {SETVIEWPORTORG, mapping, SetMapping::ViewportOrg},
    {SETVIEWPORTEXT, mapping, SetMapping::ViewportExt},
    {SCALEVIEWPORTEXT, scaleExtent, false},
    {OFFSETVIEWPORTORG, mapping, SetMapping::OffsetViewportOrg},
    // The rest of the drawing state, and saving and restoring it all.
    {SETMAPMODE, mode, SetMode::MapMode},
    {SETPOLYFILLMODE, mode, SetMode::PolyFillMode},
    {SETBKMODE, mode, SetMode::BackgroundMode},
    {SETBKCOLOR, colour, SetColour::Background},
    {SAVEDC, [](Params&, int, Records& o) { return add(o, SaveDC{}); }},
    {RESTOREDC, [](Params& p, int, Records& o) { return add(o, RestoreDC{p.s16(0)}); }},
    {SETTEXTALIGN, mode, SetMode::TextAlign},
    {SETTEXTCOLOR, colour, SetColour::Text},
    {SELECTOBJECT, [](Params& p, int, Records& o) { return add(o, SelectObject{p.u16(0)}); }},
    {DELETEOBJECT, [](Params& p, int, Records& o) { return add(o, DeleteObject{p.u16(0)}); }},
    {CREATEPENINDIRECT, createPen},
    {CREATEBRUSHINDIRECT, createBrush},
    {DIBCREATEPATTERNBRUSH, dibPatternBrush},
    {CREATEPATTERNBRUSH, devicePatternBrush},
    {CREATEFONTINDIRECT, createFont},
    {CREATEPALETTE, [](Params&, int, Records& o) { return add(o, CreatePlaceholder{}); }},
    {CREATEREGION, [](Params&, int, Records& o) { return add(o, CreatePlaceholder{}); }},
    {MOVETO, [](Params& p, int, Records& o) { return add(o, MoveTo{p.point(0)}); }},
    {LINETO, [](Params& p, int, Records& o) { return add(o, LineTo{p.point(0)}); }},
    {SETPIXEL, setPixel},
    {RECTANGLE, shape, Shape::Rectangle},
    {ELLIPSE, shape, Shape::Ellipse},
    {INTERSECTCLIPRECT, clipRect, false},
    {EXCLUDECLIPRECT, clipRect, true},
    {ROUNDRECT, roundRect},
    {ARC, arc, ArcShape::Arc},
    {PIE, arc, ArcShape::Pie},
    {CHORD, arc, ArcShape::Chord},
    {POLYGON, poly, true},
    {POLYLINE, poly, false},
    {POLYPOLYGON, polyPolygon},
    {TEXTOUT, textOut},
    {EXTTEXTOUT, extTextOut},
    {PATBLT, patBlt},
    {DIBBITBLT, dibBitBlt},
    {DIBSTRETCHBLT, dibStretchBlt},
    {STRETCHDIB, stretchDib},
};

bool decode(std::uint16_t fn, Params& p, Records& out) {
    for (const Entry& e : Decoders)
        if (e.fn == fn) return e.decode(p, e.kind, out);
    return true;
}

// ---- The file ---------------------------------------------------------------------------------

class Reader {
public:
    explicit Reader(const QByteArray& bytes)
        : data_(reinterpret_cast<const unsigned char*>(bytes.constData())),
          size_(static_cast<std::size_t>(bytes.size())) {}

    std::optional<Metafile> read(QString* error) {
        const bool placeable = size_ >= PlaceableHeaderBytes && rd32(data_) == PlaceableKey;
        QString why = placeable ? placeableHeader() : QString();
        if (why.isEmpty()) why = header(placeable ? PlaceableHeaderBytes : 0);
        if (why.isEmpty()) why = records(placeable ? PlaceableHeaderBytes + HeaderBytes : HeaderBytes);
        if (why.isEmpty() && !placeable && !boundsFromWindow())
            why = QStringLiteral("the picture gives no size");
        if (why.isEmpty()) return std::move(mf_);
        if (error) *error = why;
        return std::nullopt;
    }

private:
    QString placeableHeader() {
        const int left = rds16(data_ + 6), top = rds16(data_ + 8);
        const int right = rds16(data_ + 10), bottom = rds16(data_ + 12);
        const int inch = rd16(data_ + 14);
        if (right <= left || bottom <= top) return QStringLiteral("the picture's bounding box is empty");
        if (inch == 0) return QStringLiteral("the picture has no scale");
        mf_.bounds = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
        mf_.unitsPerInch = inch;
        return {};
    }

    QString header(std::size_t pos) {
        if (size_ - pos < HeaderBytes) return QStringLiteral("not a Windows Metafile: the header is missing");
        const unsigned char* h = data_ + pos;
        const int type = rd16(h), headerWords = rd16(h + 2), version = rd16(h + 4);
        if ((type != MemoryMetafile && type != DiskMetafile) || headerWords != HeaderWords ||
            (version != Version1 && version != Version3))
            return QStringLiteral("not a Windows Metafile: bad header");
        mf_.objectCount = rd16(h + 10);
        return {};
    }

    QString records(std::size_t pos) {
        for (int index = 0; pos < size_; ++index) {
            if (size_ - pos < RecordHeadBytes) return QStringLiteral("record %1 is cut off").arg(index);
            const std::uint32_t words = rd32(data_ + pos);
            const std::uint16_t fn = rd16(data_ + pos + 4);
            if (words < RecordHeadBytes / 2)
                return QStringLiteral("record %1 has a size of %2 words").arg(index).arg(words);
            if (words > (size_ - pos) / 2)
                return QStringLiteral("record %1 runs past the end of the file").arg(index);
            if (fn == EndOfFile) return {};
            Params p(data_ + pos + RecordHeadBytes, std::size_t(words) * 2 - RecordHeadBytes);
            if (!decode(fn, p, mf_.records) || p.bad)
                return QStringLiteral("record %1 (function 0x%2) is malformed")
                    .arg(index)
                    .arg(fn, 4, 16, QLatin1Char('0'));
            pos += std::size_t(words) * 2;
        }
        return QStringLiteral("the picture ends without its end record");
    }

    // A metafile without a placeable header tells its size only through its window.
    bool boundsFromWindow() {
        QPoint org;
        for (const Record& r : mf_.records) {
            const auto* m = std::get_if<SetMapping>(&r);
            if (m && m->kind == SetMapping::WindowOrg) org = m->value;
            if (m && m->kind == SetMapping::WindowExt && m->value.x() > 0 && m->value.y() > 0) {
                mf_.bounds = QRect(org, QSize(m->value.x(), m->value.y()));
                mf_.unitsPerInch = PixelsPerInch;
                return true;
            }
        }
        return false;
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
