#pragma once

#include "platform/printer.h"

#include <vector>

// A printer backend for tests: keeps every operation with its twip coordinates. Text measures by a
// fixed rule (a width per character in proportion to the size), so layouts can be pinned exactly.
struct PrintOp {
    enum Kind { Text, Line, Picture, EndDoc };
    Kind kind = Text;
    Twips x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QString text{};
    QString fontName{};
    double points = 0;
    QColor colour{};
    int width = 0;
};

struct RecordedPage {
    std::vector<PrintOp> ops;
    bool ended = false;
    QString title;
};

class RecordingPrinter : public PrinterBackend {
public:
    static constexpr Twips PageWidth = 11520;  // 8 inches of printable width
    static constexpr Twips PageHeight = 15840; // 11 inches

    std::unique_ptr<PrintSurface> open(const QString& title) override;

    // Rules for measuring: a character is points * 10 twips wide, a line is points * 23 twips high.
    static Twips charWidth(double points) { return static_cast<Twips>(points * 10); }
    static Twips lineHeight(double points) { return static_cast<Twips>(points * 23); }

    bool failOnOpen = false;
    bool failOnEndDoc = false;
    std::vector<RecordedPage> pages;
};
