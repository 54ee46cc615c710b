#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPolygonF>
#include <QRect>
#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

// A Windows Metafile turned into drawing steps. Reading checks every count, size and offset once,
// so playing the steps back can never run past anything.
namespace wmf {

enum class OpKind {
    SetWindowOrg,
    SetWindowExt,
    SetViewportOrg,
    SetViewportExt,
    OffsetWindowOrg,
    OffsetViewportOrg,
    ScaleWindowExt,
    ScaleViewportExt,
    SetMapMode,
    SetBkMode,
    SetBkColor,
    SetTextColor,
    SetTextAlign,
    SetPolyFillMode,
    SaveDC,
    RestoreDC,
    CreatePen,
    CreateBrush,
    CreateFont,
    CreatePlaceholder,
    SelectObject,
    DeleteObject,
    MoveTo,
    LineTo,
    Rectangle,
    RoundRect,
    Ellipse,
    Arc,
    Pie,
    Chord,
    Polygon,
    Polyline,
    PolyPolygon,
    Text,
    Bitmap,
    PatBlt,
    SetPixel,
    IntersectClipRect,
    ExcludeClipRect,
};

struct Op {
    OpKind kind = OpKind::SaveDC;
    // Integer arguments in the order of each kind: rectangles as left, top, right, bottom; arcs
    // then start x, y and end x, y; objects as style, width/hatch; fonts as height, width,
    // escapement, weight, italic, underline, strikeout.
    std::array<int, 8> v{};
    QColor colour;
    QPolygonF points;
    std::vector<int> counts;             // poly-polygon: points of each polygon
    QString text;                        // text runs; the face name of a font
    std::vector<double> dx;              // text: advance of each character, logical units (may be empty)
    std::shared_ptr<const QImage> image; // bitmaps and pattern brushes
    QRect source;                        // bitmap: the part of the image drawn
};

struct Metafile {
    QRect bounds; // logical units, from the placeable header
    int unitsPerInch = 1440;
    int objectCount = 0; // size of the object table from the standard header
    std::vector<Op> ops;

    double widthTwips() const { return bounds.width() * 1440.0 / unitsPerInch; }
    double heightTwips() const { return bounds.height() * 1440.0 / unitsPerInch; }
};

// Reads a whole metafile. A file that is not a metafile, or whose records run past its end, or
// whose counts do not fit their records, gives nothing and the reason.
std::optional<Metafile> readMetafile(const QByteArray& bytes, QString* error);

} // namespace wmf
