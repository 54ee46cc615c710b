#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPolygonF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <variant>
#include <vector>

// A Windows Metafile turned into drawing records. Reading checks every count, size and offset once,
// so playing the records back can never run past anything. Points and boxes are in the writer's
// logical units; boxes are normalised.
namespace wmf {

// Setting or moving the window's or the viewport's origin or extent.
struct SetMapping {
    enum Kind { WindowOrg, WindowExt, ViewportOrg, ViewportExt, OffsetWindowOrg, OffsetViewportOrg };
    Kind kind;
    QPoint value;
};

// Scaling the window's or the viewport's extent by two fractions.
struct ScaleExtent {
    bool window;
    int xNum, xDenom, yNum, yDenom;
};

// One of the device context's plain modes.
struct SetMode {
    enum Kind { MapMode, BackgroundMode, PolyFillMode, TextAlign };
    Kind kind;
    int value;
};

struct SetColour {
    enum Kind { Background, Text };
    Kind kind;
    QColor colour;
};

struct SaveDC {};
struct RestoreDC {
    int which; // negative: relative to the last save
};

struct CreatePen {
    int style = 0, width = 0;
    QColor colour = Qt::black;
};

// Brush styles as writers store them; the rest draw nothing.
enum BrushStyle : int { SolidBrush = 0, HatchedBrush = 2, PatternBrush = 3, DibPatternBrush = 5 };

struct CreateBrush {
    int style = 0, hatch = 0;
    QColor colour = Qt::white;
    std::shared_ptr<const QImage> pattern;
};

struct CreateFont {
    int height = 0, width = 0, escapement = 0, weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    QString face;
};

// A palette or a region: takes a slot in the object table and does nothing else.
struct CreatePlaceholder {};

struct SelectObject {
    int index;
};
struct DeleteObject {
    int index;
};

struct MoveTo {
    QPoint to;
};
struct LineTo {
    QPoint to;
};

struct Shape {
    enum Kind { Rectangle, Ellipse };
    Kind kind;
    QRectF box;
};

struct RoundRect {
    QRectF box;
    QSize corner; // the ellipse that rounds each corner
};

// An arc, a pie or a chord of the ellipse in the box, from the radial through `start` to the one
// through `end`.
struct ArcShape {
    enum Kind { Arc, Pie, Chord };
    Kind kind;
    QRectF box;
    QPoint start, end;
};

struct Poly {
    bool closed; // a polygon, else a polyline
    QPolygonF points;
};

struct PolyPolygon {
    QPolygonF points;
    std::vector<int> counts; // points of each polygon
};

struct Text {
    QPoint at;
    QString text;
    int options = 0;        // opaque and clipped flags
    QRectF box;             // the rectangle the flags refer to
    std::vector<double> dx; // advance of each character (may be empty)
};

// A bitmap or a pattern fill into a box, by a raster operation.
struct Blit {
    QRectF box;
    std::uint32_t rop = 0;
    std::shared_ptr<const QImage> image; // none: the brush's pattern fills the box
    QRect source;                        // the part of the image drawn
};

struct SetPixel {
    QPoint at;
    QColor colour;
};

struct ClipRect {
    bool exclude; // else intersect
    QRectF box;
};

using Record =
    std::variant<SetMapping, ScaleExtent, SetMode, SetColour, SaveDC, RestoreDC, CreatePen, CreateBrush,
                 CreateFont, CreatePlaceholder, SelectObject, DeleteObject, MoveTo, LineTo, Shape, RoundRect,
                 ArcShape, Poly, PolyPolygon, Text, Blit, SetPixel, ClipRect>;

struct Metafile {
    QRect bounds; // logical units, from the placeable header
    int unitsPerInch = 1440;
    int objectCount = 0; // size of the object table from the standard header
    std::vector<Record> records;

    double widthTwips() const { return bounds.width() * 1440.0 / unitsPerInch; }
    double heightTwips() const { return bounds.height() * 1440.0 / unitsPerInch; }
};

// Reads a whole metafile. A file that is not a metafile, or whose records run past its end, or
// whose counts do not fit their records, gives nothing and the reason.
std::optional<Metafile> readMetafile(const QByteArray& bytes, QString* error);

} // namespace wmf
