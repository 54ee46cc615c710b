// The metafile player: what real files look like drawn, and that no broken file gets further than
// an empty picture and a reason.
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/wmf/metafile.h"
#include "support/testenv.h"
#include "support/wmfwriter.h"

#include <QDir>
#include <QPainter>
#include <QTest>

namespace {

QByteArray oneRecord(int fn, const QByteArray& params) {
    return WmfWriter().raw(fn, params).finish();
}

// A window of 1000 units, a null pen and a red brush: what follows fills red.
WmfWriter redBrushPage() {
    WmfWriter w;
    w.record(0x020C, {1000, 1000}).record(0x02FA, {5, 0, 0, 0, 0}).record(0x02FC, {0, 0x00FF, 0, 0});
    w.record(0x012D, {0}).record(0x012D, {1});
    return w;
}

QByteArray squarePage() {
    return redBrushPage().record(0x041B, {750, 750, 250, 250}).finish(); // bottom, right, top, left
}

std::shared_ptr<const PictureData> load(const QByteArray& bytes, QString* error = nullptr) {
    QString ignored;
    return loadMetafilePicture(bytes, error ? error : &ignored);
}

QImage drawn(const QByteArray& wmf, QSize size = QSize(100, 100)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    Picture(load(wmf)).draw(p, QRectF(QPointF(0, 0), size));
    return image;
}

} // namespace

class MetafileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerBundledFonts(); }
    void committedPagesLoadAtTheirNaturalSize() {
        TestEnv env;
        setDataFolder(bundledDataFolder());
        int pages = 0;
        for (const QString folder : {"wmf", "wmf2"})
            for (const QString& f :
                 QDir(bundledDataFolder() + '/' + folder).entryList({"*.wmf"}, QDir::Files)) {
                QString error;
                QVERIFY2(!LoadPicture(folder + '\\' + f, &error).isNull(), qPrintable(f + ": " + error));
                ++pages;
            }
        QCOMPARE(pages, 18);
        // 8736 x 9962 units at 1200 to the inch: the guide's 7.28 x 8.30 inches.
        QCOMPARE(LoadPicture("wmf\\guide1.wmf").sizeTwips(),
                 QSizeF(8736 * 1440.0 / 1200, 9962 * 1440.0 / 1200));
        QCOMPARE(load(squarePage())->sizeTwips(), QSizeF(1440, 1440));
    }

    void pagesDrawAsRecorded_data() {
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<QString>("pixels"); // "x,y colour", separated by ";"
        // From 250 to 750 in a window of 1000 units: the middle half.
        QTest::newRow("window") << squarePage() << "30,30 #ff0000;70,70 #ff0000;20,50 #ffffff;80,50 #ffffff";
        // From 100 to 150 in a window of 100 units with its origin at 50: the bottom-right quarter.
        WmfWriter w = redBrushPage();
        w.record(0x020B, {50, 50}).record(0x020C, {100, 100}).record(0x041B, {150, 150, 100, 100});
        QTest::newRow("window origin") << w.finish() << "75,75 #ff0000;25,25 #ffffff;45,75 #ffffff";
        w = redBrushPage();
        w.record(0x01F0, {1});               // slot 1 freed
        w.record(0x02FC, {0, 0xFF00, 0, 0}); // slot 1 again: green brush
        w.record(0x012D, {1}).record(0x041B, {1000, 1000, 0, 0});
        QTest::newRow("new object in the lowest free slot") << w.finish() << "50,50 #00ff00";
        w = redBrushPage();
        w.record(0x02FC, {0, 0, 0x00FF, 0}).record(0x001E, {}); // a blue brush in slot 2; save with red
        w.record(0x012D, {2}).record(0x0127, {0xFFFF});         // select blue; restore the last save
        w.record(0x041B, {1000, 1000, 0, 0});
        QTest::newRow("restore brings back the saved brush") << w.finish() << "50,50 #ff0000";
        // A 2 x 2 24-bit DIB stretched over the whole page: bottom row blue, top row green.
        QByteArray dib = words({40, 0, 2, 0, 2, 0, 1, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        const QByteArray blue("\xFF\x00\x00", 3), green("\x00\xFF\x00", 3);
        dib += blue + blue + QByteArray(2, '\0') + green + green + QByteArray(2, '\0');
        w = WmfWriter();
        w.record(0x020C, {1000, 1000});
        // STRETCHDIB: rop, usage, src h, w, y, x, dest h, w, y, x, then the bitmap.
        w.raw(0x0F43, words({0x0020, 0x00CC, 0, 2, 2, 0, 0, 1000, 1000, 0, 0}) + dib);
        QTest::newRow("bitmap") << w.finish() << "50,10 #00ff00;50,90 #0000ff";
    }
    void pagesDrawAsRecorded() {
        QFETCH(QByteArray, page);
        QFETCH(QString, pixels);
        const QImage image = drawn(page);
        for (const QString& p : pixels.split(';')) {
            const QStringList xy = p.section(' ', 0, 0).split(',');
            QCOMPARE(image.pixelColor(xy[0].toInt(), xy[1].toInt()).name(), p.section(' ', 1));
        }
    }

    void textFollowsAlignmentAndSpacing() {
        // "II" 200 units high, centred on x = 500 with a spacing array of 300 units: the run is 600
        // units wide from x = 200, and the strokes stand 300 units apart, whatever the font's own
        // advance.
        auto page = [](int align) {
            // Window, transparent background, alignment, black text, a bold font 200 units high.
            WmfWriter w;
            w.record(0x020C, {1000, 1000}).record(0x0102, {1}).record(0x012E, {align}).record(0x0209, {0, 0});
            w.raw(0x02FB, words({-200, 0, 0, 0, 700, 0, 0, 0, 0}) + "Liberation Sans" + '\0')
                .record(0x012D, {0});
            return w.raw(0x0A32, words({600, 500, 2, 0}) + "II" + words({300, 300})).finish();
        };
        auto inkColumns = [](const QImage& image) {
            QList<int> starts; // first column of each run of inked columns
            bool before = false;
            for (int x = 0; x < image.width(); ++x) {
                bool ink = false;
                for (int y = 0; y < image.height(); ++y)
                    ink = ink || qGray(image.pixel(x, y)) < 128;
                if (ink && !before) starts << x;
                before = ink;
            }
            return starts;
        };
        // Baseline, centred.
        const QImage centred = drawn(page(24 | 6), QSize(1000, 1000));
        const QList<int> strokes = inkColumns(centred);
        QCOMPARE(strokes.size(), 2);
        QVERIFY2(strokes[0] >= 200 && strokes[0] < 260, qPrintable(QString::number(strokes[0])));
        QVERIFY2(std::abs(strokes[1] - strokes[0] - 300) <= 2, qPrintable(QString::number(strokes[1])));
        // The baseline is at y = 600: no ink below it, ink just above.
        QVERIFY(qGray(centred.pixel(strokes[0] + 10, 590)) < 128);
        QVERIFY(qGray(centred.pixel(strokes[0] + 10, 610)) > 128);
        // Top alignment puts the glyphs below the reference line.
        const QImage top = drawn(page(0 | 6), QSize(1000, 1000));
        QVERIFY(qGray(top.pixel(strokes[0] + 10, 590)) > 128);
        QVERIFY(qGray(top.pixel(strokes[0] + 10, 700)) < 128);
    }

    void brokenFiles_data() {
        QTest::addColumn<QByteArray>("bytes");
        // A bitmap header of 40 bytes: size, width, height, planes, depth, then zeros.
        auto bitmap = [](int fn, const QByteArray& params, std::initializer_list<int> info,
                         QByteArray pixels = {}) {
            return oneRecord(fn, params + words(info) + QByteArray(24, '\0') + pixels);
        };
        const QByteArray stretch = words({0x20, 0xCC, 0, 1, 1, 0, 0, 10, 10, 0, 0});
        const QByteArray dibBitBlt = words({0x20, 0xCC, 0, 0, 1, 1, 0, 0});
        // One row per kind of damage.
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a metafile") << QByteArray("GIF89a this is a picture of something else entirely");
        QTest::newRow("bad header type") << squarePage().replace(22, 1, "\x07");
        QTest::newRow("bad header size") << squarePage().replace(24, 1, "\x0C");
        QTest::newRow("placeable header only") << squarePage().left(22);
        QTest::newRow("no end record") << redBrushPage().finish(false);
        QTest::newRow("empty bounding box") << WmfWriter(0, 0).finish();
        QTest::newRow("no units per inch") << WmfWriter(1000, 1000, 0).finish();
        QTest::newRow("zero-size record") << WmfWriter().head(0, 0x041B).finish();
        QTest::newRow("record size past the end") << WmfWriter().head(0x7FFFFFFF, 0x041B).finish();
        QTest::newRow("record size that overflows") << WmfWriter().head(0xFFFFFFFF, 0x0324).finish();
        QTest::newRow("polygon count beyond its record") << oneRecord(0x0324, words({30000, 0, 0, 10, 10}));
        QTest::newRow("polygon with a negative count") << oneRecord(0x0324, words({-5, 0, 0}));
        QTest::newRow("poly-polygon counts beyond the points")
            << oneRecord(0x0538, words({2, 3, 65535, 0, 0, 1, 1, 2, 2}));
        QTest::newRow("rectangle without its corners") << oneRecord(0x041B, words({1, 2}));
        QTest::newRow("font cut short") << oneRecord(0x02FB, words({-100, 0, 0}));
        QTest::newRow("text longer than its record") << oneRecord(0x0A32, words({10, 10, 32000, 0}) + "abc");
        QTest::newRow("clipped text without its rectangle") << oneRecord(0x0A32, words({10, 10, 2, 4}));
        QTest::newRow("bitmap larger than its pixels")
            << bitmap(0x0F43, stretch, {40, 0, 0x4000, 0, 0x4000, 0, 1, 32});
        QTest::newRow("bitmap of absurd width") << bitmap(0x0F43, stretch, {40, 0, 0, 0x7FFF, 1, 0, 1, 24});
        QTest::newRow("bitmap of a depth that does not exist")
            << bitmap(0x0940, dibBitBlt, {40, 0, 1, 0, 1, 0, 1, 7}, "xxxx");
        QTest::newRow("palette beyond its record") << bitmap(0x0940, dibBitBlt, {40, 0, 1, 0, 1, 0, 1, 8});
    }
    void brokenFiles() {
        QFETCH(QByteArray, bytes);
        QString error;
        QVERIFY(!load(bytes, &error));
        QVERIFY(!error.isEmpty());
    }

    // Cutting a real page anywhere leaves no end record or a record that runs past the end.
    void everyCutOfARealPageIsRefused() {
        QFile f(bundledDataFolder() + "/wmf/guide1.wmf");
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray page = f.readAll();
        QVERIFY(load(page));
        for (qsizetype cut = 0; cut < page.size(); cut += 7) {
            QString error;
            QVERIFY2(!load(page.left(cut), &error), qPrintable(QString::number(cut)));
            QVERIFY(!error.isEmpty());
        }
    }
};

QTEST_MAIN(MetafileTest)
#include "tst_metafile.moc"
