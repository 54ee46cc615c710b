// Our metafile player against the drawings the page pictures were made from: each committed page
// picture reads, and drawn by the player must look like its SVG source drawn by QtSvg at that size.
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/picture.h"
#include "support/testenv.h"

#include <QDir>
#include <QPainter>
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

struct Difference {
    double mean = 0;      // of the block greys, in levels of 255
    double bigBlocks = 0; // share of blocks differing by more than a quarter of the grey range
};

Difference compare(const QImage& a, const QImage& b) {
    const QImage ga = a.convertToFormat(QImage::Format_Grayscale8),
                 gb = b.convertToFormat(QImage::Format_Grayscale8);
    const int bw = PageWidth / Block, bh = PageHeight / Block;
    Difference d;
    for (int by = 0; by < bh; ++by)
        for (int bx = 0; bx < bw; ++bx) {
            double sum = 0; // the difference of the block sums
            for (int y = by * Block; y < (by + 1) * Block; ++y)
                for (int x = bx * Block; x < (bx + 1) * Block; ++x)
                    sum += ga.constScanLine(y)[x] - gb.constScanLine(y)[x];
            const double diff = std::abs(sum) / (Block * Block);
            d.mean += diff / (bw * bh);
            d.bigBlocks += diff > 64 ? 1.0 / (bw * bh) : 0;
        }
    return d;
}

} // namespace

class PageFidelityTest : public QObject {
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

    void pageMatchesItsDrawing_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("name");
        for (const QString& scheme : {QStringLiteral("screen"), QStringLiteral("paper")})
            for (const char* name : {"guide1", "guide2", "guide3", "guide4", "acknowledgments", "key moona",
                                     "key caesar", "moon", "caesar"})
                QTest::newRow(qPrintable(scheme + ' ' + name)) << scheme << QString(name);
    }
    void pageMatchesItsDrawing() {
        QFETCH(QString, scheme);
        QFETCH(QString, name);
        setDataFolder(bundledDataFolder());
        const QString wmf = (scheme == "screen" ? "wmf\\" : "wmf2\\") + name + ".wmf";
        QString error;
        const Picture picture = LoadPicture(wmf, &error);
        QVERIFY2(!picture.isNull(), qPrintable(error));
        if (!haveSvg_)
            QSKIP("the page drawings could not be laid out (python3 and fonts-liberation are needed)");
        QSvgRenderer svg(svgDir_.path() + '/' + scheme + '/' + name + ".svg");
        QVERIFY(svg.isValid());

        // Screen pages carry light text for the blue screen, paper pages dark text for white.
        const QColor background = scheme == "screen" ? QColor(39, 63, 137) : QColor(Qt::white);
        const QRectF page(0, 0, PageWidth, PageHeight);
        const QImage ours = render([&](QPainter& p) { picture.draw(p, page); }, background);
        const QImage theirs = render([&](QPainter& p) { svg.render(&p, page); }, background);
        const Difference d = compare(ours, theirs);
        QVERIFY2(d.mean < MeanTolerance, qPrintable(QString::number(d.mean)));
        QVERIFY2(d.bigBlocks < BlockTolerance, qPrintable(QString::number(d.bigBlocks)));
    }

private:
    QTemporaryDir svgDir_;
    bool haveSvg_ = false;
};

QTEST_MAIN(PageFidelityTest)
#include "tst_pagefidelity.moc"
