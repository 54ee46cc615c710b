// The page pictures and the printer. The metafile player: no broken file gets further than an empty
// picture and a reason, the pages the fuzzer found to crash the program draw, and each committed
// page picture looks like the SVG drawing it was made from, drawn by QtSvg at that size (records no
// committed page holds cannot show wrongly to anyone). The fuzz target's seeds hold a wrong magic
// number, a zero-size record and an oversized polygon and bitmap. The printer: real pages through
// QPrinter into PDF files; where printed text lands is pinned by the printout tests, a failed job and
// the next one by the viewers'. That the text comes out as text is read back with pdftotext from the
// real program's PDF folder by check-wm.sh, and from a CUPS queue by check-cups-print.sh.
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/qtprinter.h"
#include "platform/units.h"
#include "platform/wmf/metafile.h"
#include "platform/wmf/player.h"
#include "support/testenv.h"
#include "support/wmfwriter.h"

#include <QDir>
#include <QPainter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int PageWidth = 699, PageHeight = 797;
// Pages are compared as 4 x 4 pixel blocks of grey: glyph hinting and antialiasing differ between
// the two renderers within a block, a misplaced word or a missing rule does not.
constexpr int Block = 4;
// An agreeing page measures a mean block difference well under 1; a word moved by half its width
// or set in the wrong size measures several.
constexpr double MeanTolerance = 1.5, BlockTolerance = 0.01;

QImage render(const std::function<void(QPainter&)>& draw, const QColor& background) {
    QImage image(PageWidth, PageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
    return image;
}

// The mean difference of the pages' blocks of grey, in levels of 255, and the share of blocks
// differing by more than a quarter of the grey range.
std::pair<double, double> difference(const QImage& a, const QImage& b) {
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8),
                 gb = b.convertToFormat(QImage::Format_Grayscale8);
    const int bw = PageWidth / Block, bh = PageHeight / Block;
    std::vector<double> sums(bw * bh);
    for (int y = 0; y < bh * Block; ++y)
        for (int x = 0; x < bw * Block; ++x)
            sums[y / Block * bw + x / Block] += ga.constScanLine(y)[x] - gb.constScanLine(y)[x];
    double mean = 0, big = 0;
    for (const double sum : sums) {
        mean += std::abs(sum) / (Block * Block) / sums.size();
        big += std::abs(sum) / (Block * Block) > 64 ? 1.0 / sums.size() : 0;
    }
    return {mean, big};
}

} // namespace

class PagesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        registerBundledFonts();
        // The drawings are laid out by the same tool that made the committed pictures.
        const QString source = QStringLiteral(TELLWYN_SOURCE_DATA_DIR "/..");
        QStringList args{source + "/tools/make-pages.py", svgDir_.path()};
        for (const QString& f : QDir(source + "/assets/pages").entryList({"*.txt"}, QDir::Files))
            args << source + "/assets/pages/" + f;
        QProcess make;
        make.start(QStringLiteral("python3"), args);
        haveSvg_ =
            make.waitForFinished(60000) && make.exitStatus() == QProcess::NormalExit && make.exitCode() == 0;
        if (!haveSvg_) qWarning("make-pages.py did not run: %s", make.readAllStandardError().constData());
    }

    void pageMatchesItsDrawing() {
        setDataFolder(bundledDataFolder());
        for (const QString scheme : {"screen", "paper"})
            for (const QString name : {"guide1", "guide2", "guide3", "guide4", "acknowledgments", "key moona",
                                       "key caesar", "moon", "caesar"}) {
                QString error;
                const Picture picture =
                    LoadPicture((scheme == "screen" ? "wmf\\" : "wmf2\\") + name + ".wmf", &error);
                QVERIFY2(!picture.isNull(), qPrintable(error));
                if (!haveSvg_) continue;
                QSvgRenderer svg(svgDir_.path() + '/' + scheme + '/' + name + ".svg");
                QVERIFY(svg.isValid());
                // Screen pages carry light text for the blue screen, paper pages dark text for white.
                const QColor background = scheme == "screen" ? QColor(39, 63, 137) : QColor(Qt::white);
                const QRectF page(0, 0, PageWidth, PageHeight);
                const QImage ours = render([&](QPainter& p) { picture.draw(p, page); }, background);
                const QImage theirs = render([&](QPainter& p) { svg.render(&p, page); }, background);
                const auto [mean, bigBlocks] = difference(ours, theirs);
                QVERIFY2(mean < MeanTolerance && bigBlocks < BlockTolerance,
                         qPrintable(QString("%1 %2: %3, %4").arg(scheme, name).arg(mean).arg(bigBlocks)));
            }
        if (!haveSvg_)
            QSKIP("the page drawings could not be laid out (python3 and fonts-liberation are needed)");
    }

    void brokenFiles() {
        // A bitmap header of 40 bytes (size, width, height, planes, depth 8, then zeros), no palette.
        const QByteArray dibBitBlt = words({0x20, 0xCC, 0, 0, 1, 1, 0, 0, 40, 0, 1, 0, 1, 0, 1, 8});
        for (const QByteArray& bytes :
             {WmfWriter(0, 0).finish(),                                              // an empty bounding box
              WmfWriter().head(0xFFFFFFFF, 0x0324).finish(),                         // a size that overflows
              WmfWriter().raw(0x0A32, words({10, 10, 32000, 0}) + "abc").finish(),   // text past its record
              WmfWriter().raw(0x0940, dibBitBlt + QByteArray(24, '\0')).finish()}) { // a palette past it
            QString error;
            QVERIFY(!loadMetafilePicture(bytes, &error));
            QVERIFY(!error.isEmpty());
        }
    }

    // Cutting a real page anywhere leaves no end record or a record that runs past the end: this
    // stands for the empty file, the header alone and the missing end record.
    void everyCutOfARealPageIsRefused() {
        const QByteArray page = fileBytes(bundledDataFolder() + "/wmf/guide1.wmf");
        QString error;
        QVERIFY(loadMetafilePicture(page, &error));
        for (qsizetype cut = 0; cut < page.size(); cut += 7)
            QVERIFY2(!loadMetafilePicture(page.left(cut), &error), qPrintable(QString::number(cut)));
    }

    // The legibility check measures each text of a page against the page drawn without it: leaving
    // a text out takes away its letters, inside the box it is listed with, and nothing else.
    void aTextLeftOutTakesOnlyItsOwnLetters() {
        const Picture page(loadMetafilePicture(fileBytes(bundledDataFolder() + "/wmf/guide1.wmf"), nullptr));
        const QRectF target(QPointF(0, 0), page.sizeTwips() / TwipsPerPixel);
        auto drawn = [&](int leaveOut, std::vector<wmf::DrawnText>* texts = nullptr) {
            QImage image(target.size().toSize(), QImage::Format_ARGB32);
            image.fill(Qt::black);
            QPainter painter(&image);
            const auto listed = page.data()->drawTexts(painter, target, leaveOut);
            if (texts) *texts = listed;
            return image;
        };
        std::vector<wmf::DrawnText> texts;
        const QImage whole = drawn(-1, &texts);
        QVERIFY(texts.size() > 10);
        QCOMPARE(texts[0].text, QString("Teachers' Guide: Welcome to Tellwyn"));
        QCOMPARE(texts[0].colour, QColor(Qt::yellow));
        for (int i : {0, 1}) {
            const QImage without = drawn(i);
            QRect changed;
            for (int y = 0; y < whole.height(); ++y)
                for (int x = 0; x < whole.width(); ++x)
                    if (whole.pixel(x, y) != without.pixel(x, y)) changed |= QRect(x, y, 1, 1);
            QVERIFY(!changed.isEmpty());
            QVERIFY2(texts[i].area.adjusted(-1, -1, 1, 1).contains(changed), qPrintable(texts[i].text));
        }
    }

    // Text stretched thousands of times more along one axis than the other made the glyph cache ask
    // for glyphs thousands of pixels wide and under one high, and crash. It must draw, on screen and
    // at a printer's resolution, and be drawn, not left out.
    void distortedTextIsDrawnWithoutACrash() {
        // The huge text falls below its page; the wide font's is a fifteenth of a pixel high on screen.
        const QDir seeds(bundledDataFolder() + "/../fuzz/corpus/wmf");
        for (const QString name : {"distorted-text", "distorted-text-paper", "distorted-text-wide-font",
                                   "distorted-text-tall", "distorted-text-sheared", "distorted-text-huge"}) {
            QString error;
            const Picture page(loadMetafilePicture(fileBytes(seeds.filePath(name + ".wmf")), &error));
            QVERIFY2(!page.isNull(), qPrintable(error));
            const bool huge = name.endsWith("huge");
            for (const auto& [pixelsPerTwip, inked] :
                 {std::pair(1.0 / TwipsPerPixel, !(huge || name.endsWith("wide-font"))),
                  std::pair(300.0 / 1440, !huge)}) {
                const QSizeF size = page.sizeTwips() * pixelsPerTwip;
                QImage image(size.toSize(), QImage::Format_ARGB32_Premultiplied);
                image.fill(Qt::white);
                const QImage white = image.copy();
                QPainter painter(&image);
                page.draw(painter, QRectF(QPointF(0, 0), size));
                painter.end();
                QVERIFY2((image != white) == inked, qPrintable(name)); // some of the text lands on the page
            }
        }
    }

    // One file per page, text measured at the printer's resolution; an abandoned job leaves no file.
    void pdfJobs() {
        TestEnv env;
        setDataFolder(bundledDataFolder());
        QTemporaryDir dir;
        Printer printer(pdfFolderBackend(dir.path() + "/out"));
        // A4 less the printer's margins: a little under 8.27 x 11.69 inches.
        QVERIFY(printer.ScaleWidth() > 10000 && printer.ScaleWidth() < 11910);
        QVERIFY(printer.ScaleHeight() > 15000 && printer.ScaleHeight() < 16840);
        printer.FontName = "Times New Roman";
        printer.FontSize = 12;
        const Twips wide = printer.TextWidth("WWWW");
        // Liberation Serif stands in for Times New Roman with the same widths: "W" is 0.944 em.
        QVERIFY2(std::abs(wide - 4 * 0.944 * 240) < 20, qPrintable(QString::number(wide)));
        printer.FontSize = 24;
        QVERIFY(std::abs(printer.TextWidth("WWWW") - 2 * wide) < 10);
        QVERIFY(printer.TextHeight() > 24 * 20);
        printer.Print("First page of Tellwyn");
        printer.EndDoc();
        printer.PaintPicture(LoadPicture("wmf2\\guide1.wmf"), 1000, 1000);
        printer.EndDoc();
        printer.Print("never printed");
        QCOMPARE(QDir(dir.path() + "/out").entryList({"*.pdf"}, QDir::Files).size(), 3);
        printer.abandon();
        QCOMPARE(QDir(dir.path() + "/out").entryList({"*.pdf"}, QDir::Files).size(), 2);
    }

    void printerThatCannotOpenIsAFailure() {
        QTemporaryDir dir;
        writeFileBytes(dir.path() + "/file", {}); // a file where a folder should be
        Printer printer(pdfFolderBackend(dir.path() + "/file/inside"));
        QVERIFY_THROWS_EXCEPTION(PrintError, printer.Print("x"));
        QVERIFY(!printer.jobOpen());
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        Printer none(systemPrinterBackend());
        QVERIFY_THROWS_EXCEPTION(PrintError, none.Print(""));
        QVERIFY(!none.jobOpen());
    }

private:
    QTemporaryDir svgDir_;
    bool haveSvg_ = false;
};

QTEST_MAIN(PagesTest)
#include "tst_pages.moc"
