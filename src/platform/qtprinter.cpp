#include "platform/qtprinter.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {

// A page on a QPrinter. Positions arrive in twips of the printable area and are turned into the
// printer's own dots, and text is measured with the fonts as they print at its resolution, so
// the layout's centring holds on paper.
class QtPrintSurface : public PrintSurface {
public:
    // Takes a printer already set up (system queue or PDF file) and starts its page.
    QtPrintSurface(std::unique_ptr<QPrinter> printer, QString pdfFile)
        : printer_(std::move(printer)), pdfFile_(std::move(pdfFile)) {
        if (!painter_.begin(printer_.get())) throw PrintError("the printer could not start a page");
        dotsPerTwip_ = printer_->resolution() / 1440.0;
        const QRectF area = printer_->pageRect(QPrinter::DevicePixel);
        width_ = static_cast<Twips>(area.width() / dotsPerTwip_);
        height_ = static_cast<Twips>(area.height() / dotsPerTwip_);
    }

    ~QtPrintSurface() override {
        if (painter_.isActive()) {
            // A job given up half way is thrown away, not printed.
            printer_->abort();
            painter_.end();
            if (!pdfFile_.isEmpty()) QFile::remove(pdfFile_);
        }
    }

    Twips scaleWidth() const override { return width_; }
    Twips scaleHeight() const override { return height_; }

    Twips textWidth(const QString& text, const QString& fontName, double points) const override {
        return static_cast<Twips>(metrics(fontName, points).horizontalAdvance(text) / dotsPerTwip_);
    }
    Twips textHeight(const QString& fontName, double points) const override {
        return static_cast<Twips>(metrics(fontName, points).lineSpacing() / dotsPerTwip_);
    }

    void drawText(Twips x, Twips y, const QString& text, const QString& fontName, double points,
                  const QColor& colour) override {
        painter_.setFont(font(fontName, points));
        painter_.setPen(colour);
        // The print position is the top of the line; text stands on its baseline below it.
        painter_.drawText(QPointF(x * dotsPerTwip_, y * dotsPerTwip_ + metrics(fontName, points).ascent()),
                          text);
    }

    void drawLine(Twips x1, Twips y1, Twips x2, Twips y2, int width, const QColor& colour) override {
        QPen pen(colour);
        pen.setWidthF(std::max(1, width));
        pen.setCapStyle(Qt::SquareCap);
        painter_.setPen(pen);
        painter_.drawLine(QPointF(x1 * dotsPerTwip_, y1 * dotsPerTwip_),
                          QPointF(x2 * dotsPerTwip_, y2 * dotsPerTwip_));
    }

    void drawPicture(const Picture& picture, Twips x, Twips y) override {
        const QSizeF size = picture.sizeTwips() * dotsPerTwip_;
        picture.draw(painter_, QRectF(QPointF(x * dotsPerTwip_, y * dotsPerTwip_), size));
    }

    void endDoc() override {
        if (!painter_.end() || printer_->printerState() == QPrinter::Error)
            throw PrintError("the page could not be sent to the printer");
        if (!pdfFile_.isEmpty() && QFileInfo(pdfFile_).size() <= 0)
            throw PrintError("the PDF file could not be written");
    }

private:
    QFont font(const QString& name, double points) const {
        QFont f(name);
        f.setPointSizeF(points);
        return f;
    }
    QFontMetricsF metrics(const QString& name, double points) const {
        return QFontMetricsF(font(name, points), printer_.get());
    }

    std::unique_ptr<QPrinter> printer_;
    QString pdfFile_;
    QPainter painter_;
    double dotsPerTwip_ = 1;
    Twips width_ = 0, height_ = 0;
};

class SystemPrinterBackend : public PrinterBackend {
public:
    std::unique_ptr<PrintSurface> open(const QString& title) override {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull()) throw PrintError("there is no default printer");
        auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
        printer->setDocName(title);
        printer->setFullPage(false);
        return std::make_unique<QtPrintSurface>(std::move(printer), QString());
    }
};

class PdfFolderBackend : public PrinterBackend {
public:
    explicit PdfFolderBackend(QString folder) : folder_(std::move(folder)) {}
    std::unique_ptr<PrintSurface> open(const QString& title) override {
        if (!QDir().mkpath(folder_)) throw PrintError("the PDF folder cannot be made");
        const QString file = QDir(folder_).filePath(nextPdfFileName(folder_));
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
        printer->setPageSize(QPageSize(QPageSize::A4));
        printer->setDocName(title);
        printer->setCreator(QStringLiteral("Tellwyn"));
        printer->setFullPage(false);
        return std::make_unique<QtPrintSurface>(std::move(printer), file);
    }

private:
    QString folder_;
};

} // namespace

QString nextPdfFileName(const QString& folder) {
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QDir dir(folder);
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("tellwyn-%1-%2.pdf").arg(stamp).arg(n);
        if (!dir.exists(name)) return name;
    }
}

std::shared_ptr<PrinterBackend> systemPrinterBackend() {
    return std::make_shared<SystemPrinterBackend>();
}

std::shared_ptr<PrinterBackend> pdfFolderBackend(const QString& folder) {
    return std::make_shared<PdfFolderBackend>(folder);
}
