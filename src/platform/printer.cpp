#include "platform/printer.h"

PrintSurface& Printer::surface() {
    if (!job_) {
        if (!backend_)
            throw PrintError("no printer");
        job_ = backend_->open();
        if (!job_)
            throw PrintError("the printer could not start a page");
        CurrentX = 0;
        CurrentY = 0;
    }
    return *job_;
}

Twips Printer::ScaleWidth() { return surface().scaleWidth(); }
Twips Printer::ScaleHeight() { return surface().scaleHeight(); }
Twips Printer::TextWidth(const QString& text) { return surface().textWidth(text, FontName, FontSize); }
Twips Printer::TextHeight() { return surface().textHeight(FontName, FontSize); }

void Printer::Print(const QString& text, bool lineEnd) {
    PrintSurface& s = surface();
    if (!text.isEmpty())
        s.drawText(CurrentX, CurrentY, text, FontName, FontSize, ForeColor);
    if (lineEnd) {
        CurrentX = 0;
        CurrentY += s.textHeight(FontName, FontSize);
    } else {
        CurrentX += s.textWidth(text, FontName, FontSize);
    }
}

void Printer::Line(Twips x1, Twips y1, Twips x2, Twips y2, const QColor& colour) {
    surface().drawLine(x1, y1, x2, y2, DrawWidth, colour);
    CurrentX = x2;
    CurrentY = y2;
}

void Printer::PaintPicture(const Picture& picture, Twips x, Twips y) { surface().drawPicture(picture, x, y); }

void Printer::EndDoc() {
    if (!job_)
        return;
    auto job = std::move(job_);
    job->endDoc();
}

void Printer::abandon() { job_.reset(); }

#include "platform/services.h"

Printer& SystemPrinter() {
    auto& p = services().printer;
    if (!p)
        throw PrintError("no printer");
    return *p;
}
