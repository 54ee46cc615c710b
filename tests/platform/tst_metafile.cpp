// The metafile player: what real files look like drawn, and that no broken file gets further than
// an empty picture and a reason.
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/wmf/metafile.h"
#include "support/testenv.h"

#include <QDir>
#include <QPainter>
#include <QTest>

namespace {

// Writes small metafiles record by record.
class WmfWriter {
public:
    explicit WmfWriter(int width = 1000, int height = 1000, int inch = 1000, bool placeable = true) {
        if (placeable) {
            u32(0x9AC6CDD7);
            u16(0);
            for (int v : {0, 0, width, height})
                u16(v);
            u16(inch);
            u32(0);
            u16(0);
        }
        headerAt_ = bytes_.size();
        for (int v : {1, 9, 0x300, 0, 0, 8, 0, 0, 0})
            u16(v);
    }
    WmfWriter& record(int fn, std::initializer_list<int> words) {
        u32(3 + static_cast<quint32>(words.size()));
        u16(fn);
        for (int w : words)
            u16(w);
        return *this;
    }
    WmfWriter& raw(int fn, const QByteArray& params) {
        u32(3 + static_cast<quint32>((params.size() + 1) / 2));
        u16(fn);
        bytes_ += params;
        if (params.size() % 2) bytes_ += '\0';
        return *this;
    }
    QByteArray finish(bool withEnd = true) {
        if (withEnd) record(0, {});
        return bytes_;
    }
    void u16(int v) {
        bytes_ += char(v & 0xFF);
        bytes_ += char((v >> 8) & 0xFF);
    }
    void u32(quint32 v) {
        u16(static_cast<int>(v & 0xFFFF));
        u16(static_cast<int>(v >> 16));
    }

private:
    QByteArray bytes_;
    qsizetype headerAt_ = 0;
};

QByteArray words(std::initializer_list<int> ws) {
    QByteArray b;
    for (int w : ws) {
        b += char(w & 0xFF);
        b += char((w >> 8) & 0xFF);
    }
    return b;
}

// A filled square with a null pen: the smallest page that draws something.
WmfWriter squarePage() {
    WmfWriter w;
    w.record(0x020C, {1000, 1000})              // window extent
        .record(0x02FA, {5, 0, 0, 0, 0})        // null pen, slot 0
        .record(0x02FC, {0, 0x00FF, 0x0000, 0}) // red brush, slot 1
        .record(0x012D, {0})
        .record(0x012D, {1})
        .record(0x041B, {750, 750, 250, 250}); // rectangle bottom, right, top, left
    return w;
}

QImage draw(const Picture& picture, QSize size = QSize(100, 100)) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    picture.draw(p, QRectF(QPointF(0, 0), size));
    return image;
}

std::shared_ptr<const PictureData> load(const QByteArray& bytes, QString* error = nullptr) {
    QString e;
    auto pic = loadMetafilePicture(bytes, error ? error : &e);
    return pic;
}

} // namespace

class MetafileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerBundledFonts(); }
    void committedPagesLoad();
    void naturalSizeFromThePlaceableHeader();
    void squareDrawsWhereItBelongs();
    void windowMapsOntoTheTarget();
    void newObjectsTakeTheLowestFreeSlot();
    void restoreBringsBackTheSavedBrush();
    void textFollowsAlignmentAndSpacing();
    void bitmapIsDrawn();
    void brokenFiles_data();
    void brokenFiles();
    void everyCutOfARealPageIsRefused();
};

void MetafileTest::committedPagesLoad() {
    TestEnv env;
    setDataFolder(bundledDataFolder());
    const QStringList folders{"wmf", "wmf2"};
    int pages = 0;
    for (const QString& folder : folders)
        for (const QString& f : QDir(bundledDataFolder() + '/' + folder).entryList({"*.wmf"}, QDir::Files)) {
            QString error;
            const Picture p = LoadPicture(folder + '\\' + f, &error);
            QVERIFY2(!p.isNull(), qPrintable(f + ": " + error));
            ++pages;
        }
    QCOMPARE(pages, 18);
}

void MetafileTest::naturalSizeFromThePlaceableHeader() {
    // 8736 x 9962 units at 1200 to the inch: the guide's 7.28 x 8.30 inches.
    TestEnv env;
    setDataFolder(bundledDataFolder());
    const Picture page = LoadPicture("wmf\\guide1.wmf");
    QCOMPARE(page.sizeTwips().width(), 8736 * 1440.0 / 1200);
    QCOMPARE(page.sizeTwips().height(), 9962 * 1440.0 / 1200);
    auto square = load(squarePage().finish());
    QVERIFY(square);
    QCOMPARE(square->sizeTwips(), QSizeF(1440, 1440));
}

void MetafileTest::squareDrawsWhereItBelongs() {
    const QImage image = draw(Picture(load(squarePage().finish())));
    QCOMPARE(image.pixelColor(50, 50), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(30, 30), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(20, 50), QColor(Qt::white));
    QCOMPARE(image.pixelColor(80, 50), QColor(Qt::white));
}

void MetafileTest::windowMapsOntoTheTarget() {
    // The same square in a window of 100 units with its origin at 50: it now covers the
    // bottom-right quarter beyond the window's middle.
    WmfWriter w;
    w.record(0x020B, {50, 50}).record(0x020C, {100, 100});
    w.record(0x02FA, {5, 0, 0, 0, 0}).record(0x02FC, {0, 0x00FF, 0, 0});
    w.record(0x012D, {0}).record(0x012D, {1}).record(0x041B, {150, 150, 100, 100});
    const QImage image = draw(Picture(load(w.finish())));
    QCOMPARE(image.pixelColor(75, 75), QColor(255, 0, 0));
    QCOMPARE(image.pixelColor(25, 25), QColor(Qt::white));
    QCOMPARE(image.pixelColor(45, 75), QColor(Qt::white));
}

void MetafileTest::newObjectsTakeTheLowestFreeSlot() {
    WmfWriter w;
    w.record(0x020C, {1000, 1000});
    w.record(0x02FA, {5, 0, 0, 0, 0});   // slot 0: null pen
    w.record(0x02FC, {0, 0x00FF, 0, 0}); // slot 1: red brush
    w.record(0x01F0, {1});               // slot 1 freed
    w.record(0x02FC, {0, 0xFF00, 0, 0}); // slot 1 again: green brush
    w.record(0x012D, {0}).record(0x012D, {1}).record(0x041B, {1000, 1000, 0, 0});
    const QImage image = draw(Picture(load(w.finish())));
    QCOMPARE(image.pixelColor(50, 50), QColor(0, 255, 0));
}

void MetafileTest::restoreBringsBackTheSavedBrush() {
    WmfWriter w;
    w.record(0x020C, {1000, 1000});
    w.record(0x02FA, {5, 0, 0, 0, 0}).record(0x02FC, {0, 0x00FF, 0, 0}).record(0x02FC, {0, 0, 0x00FF, 0});
    w.record(0x012D, {0}).record(0x012D, {1});
    w.record(0x001E, {});       // save with red
    w.record(0x012D, {2});      // blue
    w.record(0x0127, {0xFFFF}); // restore -1
    w.record(0x041B, {1000, 1000, 0, 0});
    const QImage image = draw(Picture(load(w.finish())));
    QCOMPARE(image.pixelColor(50, 50), QColor(255, 0, 0));
}

void MetafileTest::textFollowsAlignmentAndSpacing() {
    // "II" 200 units high, centred on x = 500 with a spacing array of 300 units: the run is 600
    // units wide from x = 200, and the strokes stand 300 units apart, whatever the font's own
    // advance.
    auto page = [](int align) {
        WmfWriter w;
        w.record(0x020C, {1000, 1000});
        w.record(0x0102, {1}); // transparent background
        w.record(0x012E, {align});
        w.record(0x0209, {0, 0}); // black text
        QByteArray font = words({-200, 0, 0, 0, 700, 0, 0, 0, 0});
        font += QByteArray("Liberation Sans") + '\0';
        w.raw(0x02FB, font);
        w.record(0x012D, {0});
        w.raw(0x0A32, words({600, 500, 2, 0}) + QByteArray("II") + words({300, 300}));
        return Picture(load(w.finish()));
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
    const QImage centred = draw(page(24 | 6), QSize(1000, 1000));
    const QList<int> strokes = inkColumns(centred);
    QCOMPARE(strokes.size(), 2);
    QVERIFY2(strokes[0] >= 200 && strokes[0] < 260, qPrintable(QString::number(strokes[0])));
    QVERIFY2(std::abs(strokes[1] - strokes[0] - 300) <= 2, qPrintable(QString::number(strokes[1])));
    // The baseline is at y = 600: no ink below it, ink just above.
    QVERIFY(qGray(centred.pixel(strokes[0] + 10, 590)) < 128);
    QVERIFY(qGray(centred.pixel(strokes[0] + 10, 610)) > 128);
    // Top alignment puts the glyphs below the reference line.
    const QImage top = draw(page(0 | 6), QSize(1000, 1000));
    QVERIFY(qGray(top.pixel(strokes[0] + 10, 590)) > 128);
    QVERIFY(qGray(top.pixel(strokes[0] + 10, 700)) < 128);
}

void MetafileTest::bitmapIsDrawn() {
    // A 2 x 2 24-bit DIB stretched over the whole page: bottom row blue, top row green.
    QByteArray dib = words({40, 0, 2, 0, 2, 0, 1, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    const QByteArray blue("\xFF\x00\x00", 3), green("\x00\xFF\x00", 3);
    dib += blue + blue + QByteArray(2, '\0') + green + green + QByteArray(2, '\0');
    WmfWriter w;
    w.record(0x020C, {1000, 1000});
    // STRETCHDIB: rop, usage, src h, w, y, x, dest h, w, y, x, then the bitmap.
    w.raw(0x0F43, words({0x0020, 0x00CC, 0, 2, 2, 0, 0, 1000, 1000, 0, 0}) + dib);
    const QImage image = draw(Picture(load(w.finish())));
    QCOMPARE(image.pixelColor(50, 10), QColor(0, 255, 0));
    QCOMPARE(image.pixelColor(50, 90), QColor(0, 0, 255));
}

void MetafileTest::brokenFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a metafile") << QByteArray("GIF89a this is a picture of something else entirely");
    {
        QByteArray b = squarePage().finish();
        b[22] = 7; // type
        QTest::newRow("bad header type") << b;
    }
    {
        QByteArray b = squarePage().finish();
        b[24] = 12; // header size
        QTest::newRow("bad header size") << b;
    }
    QTest::newRow("placeable header only") << squarePage().finish().left(22);
    QTest::newRow("no end record") << squarePage().finish(false);
    QTest::newRow("empty bounding box") << WmfWriter(0, 0).finish();
    QTest::newRow("no units per inch") << WmfWriter(1000, 1000, 0).finish();
    {
        WmfWriter w;
        w.u32(0);
        w.u16(0x041B);
        QTest::newRow("zero-size record") << w.finish();
    }
    {
        WmfWriter w;
        w.u32(2);
        w.u16(0x041B);
        QTest::newRow("record smaller than its own head") << w.finish();
    }
    {
        WmfWriter w;
        w.u32(0x7FFFFFFF);
        w.u16(0x041B);
        QTest::newRow("record size past the end") << w.finish();
    }
    {
        WmfWriter w;
        w.u32(0xFFFFFFFF);
        w.u16(0x0324);
        QTest::newRow("record size that overflows") << w.finish();
    }
    QTest::newRow("polygon count beyond its record")
        << WmfWriter().record(0x0324, {30000, 0, 0, 10, 10}).finish();
    QTest::newRow("polygon with a negative count") << WmfWriter().record(0x0324, {-5, 0, 0}).finish();
    QTest::newRow("poly-polygon counts beyond the points")
        << WmfWriter().record(0x0538, {2, 3, 65535, 0, 0, 1, 1, 2, 2}).finish();
    QTest::newRow("poly-polygon with more polygons than words")
        << WmfWriter().record(0x0538, {65535, 3}).finish();
    QTest::newRow("rectangle without its corners") << WmfWriter().record(0x041B, {1, 2}).finish();
    QTest::newRow("text longer than its record")
        << WmfWriter().raw(0x0A32, words({10, 10, 32000, 0}) + "abc").finish();
    QTest::newRow("text with a negative length")
        << WmfWriter().raw(0x0A32, words({10, 10, -3, 0}) + "abc").finish();
    QTest::newRow("clipped text without its rectangle")
        << WmfWriter().raw(0x0A32, words({10, 10, 2, 4})).finish();
    QTest::newRow("old text longer than its record")
        << WmfWriter().raw(0x0521, words({500}) + "abcd" + words({1, 1})).finish();
    QTest::newRow("colour cut short") << WmfWriter().record(0x0209, {0xFF}).finish();
    QTest::newRow("font cut short") << WmfWriter().record(0x02FB, {-100, 0, 0}).finish();
    {
        QByteArray huge = words({40, 0, 0x4000, 0, 0x4000, 0, 1, 32, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        QTest::newRow("bitmap larger than its pixels")
            << WmfWriter().raw(0x0F43, words({0x20, 0xCC, 0, 1, 1, 0, 0, 10, 10, 0, 0}) + huge).finish();
        QByteArray wide = words({40, 0, 0, 0x7FFF, 1, 0, 1, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        QTest::newRow("bitmap of absurd width")
            << WmfWriter().raw(0x0F43, words({0x20, 0xCC, 0, 1, 1, 0, 0, 10, 10, 0, 0}) + wide).finish();
        QByteArray depth = words({40, 0, 1, 0, 1, 0, 1, 7, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) + "xxxx";
        QTest::newRow("bitmap of a depth that does not exist")
            << WmfWriter().raw(0x0940, words({0x20, 0xCC, 0, 0, 1, 1, 0, 0}) + depth).finish();
        QTest::newRow("bitmap header cut short")
            << WmfWriter().raw(0x0B41, words({0x20, 0xCC, 1, 1, 0, 0, 10, 10, 0, 0, 40, 0})).finish();
        QByteArray palette = words({40, 0, 1, 0, 1, 0, 1, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        QTest::newRow("palette beyond its record")
            << WmfWriter().raw(0x0940, words({0x20, 0xCC, 0, 0, 1, 1, 0, 0}) + palette).finish();
    }
}

void MetafileTest::brokenFiles() {
    QFETCH(QByteArray, bytes);
    QString error;
    auto picture = load(bytes, &error);
    QVERIFY(!picture);
    QVERIFY(!error.isEmpty());
}

// Cutting a real page anywhere leaves no end record or a record that runs past the end.
void MetafileTest::everyCutOfARealPageIsRefused() {
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

QTEST_MAIN(MetafileTest)
#include "tst_metafile.moc"
