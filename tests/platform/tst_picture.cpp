// Raster pictures are decoded straight from their files, with the file's suffix choosing the image
// plugin first: a picture whose suffix does not match its contents must still load.
#include "platform/picture.h"
#include "platform/units.h"
#include "support/testenv.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

namespace {
QByteArray encoded(const char* format, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
} // namespace

class PictureTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void loadsByContents_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        QTest::newRow("JPEG") << "Images/a.jpg" << encoded("JPG", {30, 20}) << true;
        QTest::newRow("PNG named .jpg") << "Images/b.jpg" << encoded("PNG", {30, 20}) << true;
        QTest::newRow("no picture at all") << "Images/d.jpg" << QByteArray("not a picture") << false;
        QTest::newRow("cut short") << "Images/e.jpg" << encoded("JPG", {30, 20}).left(40) << false;
    }

    void loadsByContents() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        TestEnv env;
        env.writeFile(file, bytes);
        QString problem;
        const Picture picture = LoadPicture(file, &problem);
        QCOMPARE(!picture.isNull(), loads);
        if (loads)
            QCOMPARE(picture.sizeTwips(), QSizeF(30, 20) * TwipsPerPixel);
        else
            QVERIFY2(problem.contains(file), qPrintable(problem));
    }
};

QTEST_MAIN(PictureTest)
#include "tst_picture.moc"
