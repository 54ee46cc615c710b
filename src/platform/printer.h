#pragma once

#include "platform/colours.h"
#include "platform/picture.h"
#include "platform/units.h"

#include <QColor>
#include <QString>
#include <memory>
#include <stdexcept>
#include <utility>

// Raised by a print job that cannot go on (no printer, a failed page); the printing screens catch
// it and tell the user.
class PrintError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The page surface a backend draws on, in twips of the printable area. Backends: the system's
// default printer, a PDF file, and a recording for tests.
class PrintSurface {
public:
    virtual ~PrintSurface() = default;
    virtual Twips scaleWidth() const = 0;
    virtual Twips scaleHeight() const = 0;
    // Width and line height of a text in a font, in twips of this surface.
    virtual Twips textWidth(const QString& text, const QString& fontName, double points) const = 0;
    virtual Twips textHeight(const QString& fontName, double points) const = 0;
    virtual void drawText(Twips x, Twips y, const QString& text, const QString& fontName, double points,
                          const QColor& colour) = 0;
    virtual void drawLine(Twips x1, Twips y1, Twips x2, Twips y2, int width, const QColor& colour) = 0;
    virtual void drawPicture(const Picture& picture, Twips x, Twips y) = 0;
    // Sends the page out. Throws PrintError when it could not be.
    virtual void endDoc() = 0;
};

// Opens print jobs. A job that cannot be opened throws PrintError.
class PrinterBackend {
public:
    virtual ~PrinterBackend() = default;
    // The title names the job in the printer's queue (and the file some printers write).
    virtual std::unique_ptr<PrintSurface> open(const QString& title) = 0;
};

// The printer as the printing screens use it: current font, colour, line width and print position;
// the first output opens the job and EndDoc sends the page. Every operation may throw PrintError.
class Printer {
public:
    explicit Printer(std::shared_ptr<PrinterBackend> backend) : backend_(std::move(backend)) {}

    QString DocName = QStringLiteral("Tellwyn"); // the title of the next job
    QString FontName = QStringLiteral("Times New Roman");
    double FontSize = 12;
    QColor ForeColor = Colours::Black;
    int DrawWidth = 1;
    Twips CurrentX = 0;
    Twips CurrentY = 0;

    Twips ScaleWidth();
    Twips ScaleHeight();
    Twips TextWidth(const QString& text);
    Twips TextHeight();
    // Prints at the current position; with a line end the position moves to the left edge of the
    // next line, otherwise to just after the text.
    void Print(const QString& text, bool lineEnd = true);
    void Line(Twips x1, Twips y1, Twips x2, Twips y2, const QColor& colour);
    void PaintPicture(const Picture& picture, Twips x, Twips y);
    void EndDoc();
    // Drops an open job unprinted (a failed operation drops its job by itself).
    void abandon();

    bool jobOpen() const { return job_ != nullptr; }

private:
    PrintSurface& surface();
    template <class F> auto guarded(F&& f) -> decltype(f(std::declval<PrintSurface&>()));

    std::shared_ptr<PrinterBackend> backend_;
    std::unique_ptr<PrintSurface> job_;
};

// The printer the program prints on (a service); throws PrintError when none is available.
Printer& SystemPrinter();
