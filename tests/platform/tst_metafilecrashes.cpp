// Pages the fuzzer found to bring the program down, drawn as the viewers and the printer draw them:
// at their natural size on screen and at a printer's resolution.
#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/units.h"
#include "support/testenv.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTest>

class MetafileCrashesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerBundledFonts(); }
    void distortedTextIsDrawnWithoutACrash_data();
    void distortedTextIsDrawnWithoutACrash();
};

void MetafileCrashesTest::distortedTextIsDrawnWithoutACrash_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("pixelsPerTwip");
    QTest::addColumn<bool>("inked"); // some of the text lands on the page
    const QDir seeds(bundledDataFolder() + "/../fuzz/corpus/wmf");
    // The huge text falls below its page; the wide font's is a fifteenth of a pixel high on screen.
    const struct {
        const char* name;
        bool inkedOnScreen, inkedOnPaper;
    } files[] = {{"distorted-text.wmf", true, true},
                 {"distorted-text-paper.wmf", true, true},
                 {"distorted-text-wide-font.wmf", false, true},
                 {"distorted-text-tall.wmf", true, true},
                 {"distorted-text-sheared.wmf", true, true},
                 {"distorted-text-huge.wmf", false, false}};
    for (const auto& f : files) {
        const QString path = seeds.filePath(f.name);
        QTest::newRow(qPrintable(QString(f.name) + " on screen"))
            << path << 1.0 / TwipsPerPixel << f.inkedOnScreen;
        QTest::newRow(qPrintable(QString(f.name) + " on paper")) << path << 300.0 / 1440 << f.inkedOnPaper;
    }
}

// Text stretched thousands of times more along one axis than the other used to make the glyph
// cache ask for glyphs thousands of pixels wide and under one high, and crash. It must draw, and
// be drawn, not left out.
void MetafileCrashesTest::distortedTextIsDrawnWithoutACrash() {
    QFETCH(QString, file);
    QFETCH(double, pixelsPerTwip);
    QFETCH(bool, inked);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QString error;
    const Picture page(loadMetafilePicture(f.readAll(), &error));
    QVERIFY2(!page.isNull(), qPrintable(error));
    const QSizeF size = page.sizeTwips() * pixelsPerTwip;
    QImage image(size.toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    page.draw(painter, QRectF(QPointF(0, 0), size));
    painter.end();
    bool ink = false;
    for (int y = 0; y < image.height() && !ink; ++y)
        for (int x = 0; x < image.width() && !ink; ++x)
            ink = image.pixel(x, y) != qRgb(255, 255, 255);
    QCOMPARE(ink, inked);
}

QTEST_MAIN(MetafileCrashesTest)
#include "tst_metafilecrashes.moc"
