// The metafile player: no broken file gets further than an empty picture and a reason, and the
// pages the fuzzer found to crash the program draw. How the committed pages look drawn is
// tst_pagefidelity's (the records no committed page holds cannot show wrongly to anyone). The fuzz
// target's seeds hold a wrong magic number, a zero-size record and an oversized polygon and bitmap.
#include "platform/fonts.h"
#include "platform/picture.h"
#include "platform/units.h"
#include "platform/wmf/metafile.h"
#include "platform/wmf/player.h"
#include "support/testenv.h"
#include "support/wmfwriter.h"

#include <QDir>
#include <QPainter>
#include <QTest>

class MetafileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerBundledFonts(); }
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
};

QTEST_MAIN(MetafileTest)
#include "tst_metafile.moc"
