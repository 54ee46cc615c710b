#include "platform/printer.h"

PrintSurface& Printer::surface() {
    if (!job_) {
        if (!backend_) throw PrintError("no printer");
        job_ = backend_->open(DocName);
        if (!job_) throw PrintError("the printer could not start a page");
    }
    return *job_;
}

// A job that fails part way is dropped at once: nothing half drawn waits to come out with the next
// page.
template <class F> auto Printer::guarded(F&& f) -> decltype(f(std::declval<PrintSurface&>())) {
    try {
        return f(surface());
    } catch (...) {
        abandon();
        throw;
    }
}

Twips Printer::ScaleWidth() {
    return guarded([](PrintSurface& s) { return s.scaleWidth(); });
}
Twips Printer::ScaleHeight() {
    return guarded([](PrintSurface& s) { return s.scaleHeight(); });
}
Twips Printer::TextWidth(const QString& text) {
    return guarded([&](PrintSurface& s) { return s.textWidth(text, FontName, FontSize); });
}
Twips Printer::TextHeight() {
    return guarded([&](PrintSurface& s) { return s.textHeight(FontName, FontSize); });
}

void Printer::Print(const QString& text, bool lineEnd) {
    guarded([&](PrintSurface& s) {
        if (!text.isEmpty()) s.drawText(CurrentX, CurrentY, text, FontName, FontSize, ForeColor);
        if (lineEnd) {
            CurrentX = 0;
            CurrentY += s.textHeight(FontName, FontSize);
        } else {
            CurrentX += s.textWidth(text, FontName, FontSize);
        }
    });
}

void Printer::Line(Twips x1, Twips y1, Twips x2, Twips y2, const QColor& colour) {
    guarded([&](PrintSurface& s) { s.drawLine(x1, y1, x2, y2, DrawWidth, colour); });
    CurrentX = x2;
    CurrentY = y2;
}

void Printer::PaintPicture(const Picture& picture, Twips x, Twips y) {
    guarded([&](PrintSurface& s) { s.drawPicture(picture, x, y); });
}

void Printer::EndDoc() {
    if (!job_) return;
    auto job = std::move(job_);
    CurrentX = 0;
    CurrentY = 0;
    job->endDoc();
}

// Each page starts at the top left, whether the last one came out or not.
void Printer::abandon() {
    job_.reset();
    CurrentX = 0;
    CurrentY = 0;
}

#include "platform/services.h"

Printer& SystemPrinter() {
    auto& p = services().printer;
    if (!p) throw PrintError("no printer");
    return *p;
}
