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

private:
    QTemporaryDir svgDir_;
    bool haveSvg_ = false;
};

QTEST_MAIN(PageFidelityTest)
#include "tst_pagefidelity.moc"
