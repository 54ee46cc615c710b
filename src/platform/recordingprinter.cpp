#include "platform/recordingprinter.h"

namespace {

class RecordingSurface : public PrintSurface {
public:
    explicit RecordingSurface(RecordingPrinter& owner) : owner_(owner) {
        owner_.pages.emplace_back();
        index_ = owner_.pages.size() - 1;
    }
    Twips scaleWidth() const override { return RecordingPrinter::PageWidth; }
    Twips scaleHeight() const override { return RecordingPrinter::PageHeight; }
    Twips textWidth(const QString& text, const QString&, double points) const override {
        return RecordingPrinter::charWidth(points) * static_cast<Twips>(text.size());
    }
    Twips textHeight(const QString&, double points) const override {
        return RecordingPrinter::lineHeight(points);
    }
    // Each record on as few lines as it reads best.
    // clang-format off
    void drawText(Twips x, Twips y, const QString& text, const QString& font, double points,
                  const QColor& colour) override {
        record({.kind = PrintOp::Text, .x1 = x, .y1 = y,
                .text = text, .fontName = font, .points = points, .colour = colour});
    }
    void drawLine(Twips x1, Twips y1, Twips x2, Twips y2, int width, const QColor& colour) override {
        record({.kind = PrintOp::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = colour, .width = width});
    }
    void drawPicture(const Picture& picture, Twips x, Twips y) override {
        const QSizeF size = picture.sizeTwips();
        record({.kind = PrintOp::Picture, .x1 = x, .y1 = y,
                .x2 = x + static_cast<Twips>(size.width()), .y2 = y + static_cast<Twips>(size.height())});
    }
    // clang-format on
    void endDoc() override {
        if (owner_.failOnEndDoc) throw PrintError("the page could not be sent");
        record({.kind = PrintOp::EndDoc});
        page().ended = true;
    }

private:
    void record(PrintOp op) { page().ops.push_back(std::move(op)); }
    RecordedPage& page() { return owner_.pages[index_]; }
    RecordingPrinter& owner_;
    size_t index_ = 0;
};

} // namespace

std::unique_ptr<PrintSurface> RecordingPrinter::open(const QString& title) {
    if (failOnOpen) throw PrintError("no printer");
    auto surface = std::make_unique<RecordingSurface>(*this);
    pages.back().title = title;
    return surface;
}
