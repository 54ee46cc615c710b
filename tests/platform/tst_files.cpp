// The comma-delimited field reader and what the readers meet in damaged data folders: nothing
// there may hang the program or exhaust its memory, and a picture is known by its contents. Paths
// as the screens write them are resolved in tst_startup; the code page's round trip is the field
// fuzz target's invariant, and its five undefined bytes are saved and deleted again by
// tst_worksheetstore.
#include "app/module1.h"
#include "platform/fieldreader.h"
#include "platform/jpegdecoder.h"
#include "platform/picture.h"
#include "platform/units.h"
#include "quiz/questionset.h"
#include "support/samples.h"
#include "support/testenv.h"

#include <QBuffer>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {
QByteArray encoded(const char* format, QImage::Format pixels = QImage::Format_RGB32) {
    QImage image(30, 20, pixels);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}
} // namespace

class FilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fieldReader() {
        const std::pair<const char*, const char*> texts[] = {
            // the fields joined by "|"
            {"one\r\ntwo\nthree", "one|two|three"},         // line ends, both kinds
            {"   a b \r\n", "a b "},                        // leading blanks skipped, trailing kept
            {"Rome, Italy\r\nnext\r\n", "Rome|Italy|next"}, // a comma splits a line
            {"x\r\n \r\n\r\ny\r\n", "x|||y"},               // blank and empty spacer lines
            {"\"a, b\" tail\r\nz\r\n", "a, b|z"},           // a quoted field keeps commas, drops the rest
            {"\"open\r\nz\r\n", "open|z"},                  // an unclosed quote ends at the line end
            {"", nullptr}};
        for (const auto& [text, fields] : texts) {
            FieldReader r(text);
            for (const QString& f : fields ? QString(fields).split('|') : QStringList())
                QCOMPARE(r.readField().value_or("(none)"), f);
            QVERIFY(r.atEnd());
            QVERIFY(!r.readField()); // reading past the end fails
        }
    }

    // A FIFO used to hang the readers for ever, and /dev/zero to read until memory ran out. Should a
    // reader block again, the alarm ends the test run instead of leaving it hanging. The worksheet
    // index is read by the same text reader as a question set.
    void specialFilesAreRefused() {
        for (const QString file : {"multiple/Sheet.txt", "Images/x.jpg", "wmf/page1.wmf"})
            for (const bool fifo : {true, false}) { // else a link to an endless device
                TestEnv env;
                env.writeFile(file, ""); // makes the folder
                const QString path = env.path(file);
                QFile::remove(path);
                QVERIFY(fifo ? ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0
                             : QFile::link("/dev/zero", path));
                Module1.SetTitle = "Before";
                ::alarm(5);
                QString problem;
                if (file.startsWith("multiple")) {
                    QVERIFY(!LoadQuestionSet(file, &problem));
                    QCOMPARE(Module1.SetTitle, QString("Before"));
                } else {
                    QVERIFY(LoadPicture(file, &problem).isNull());
                }
                ::alarm(0);
                QVERIFY2(problem.contains("not a file"), qPrintable(problem));
            }
    }

    // Raster pictures are decoded from their files, the suffix choosing the image plugin first: a PNG
    // named .jpg must still load, and a damaged picture (none at all, a JPEG cut short) names its file.
    void picturesLoadByContents() {
        const std::pair<QByteArray, bool> pictures[] = {
            {encoded("PNG"), true}, {"not a picture", false}, {encoded("JPG").left(40), false}};
        for (const auto& [bytes, loads] : pictures) {
            TestEnv env;
            env.writeFile("Images/a.jpg", bytes);
            QString problem;
            const Picture picture = LoadPicture("Images/a.jpg", &problem);
            QCOMPARE(!picture.isNull(), loads);
            if (loads)
                QCOMPARE(picture.sizeTwips(), QSizeF(30, 20) * TwipsPerPixel);
            else
                QVERIFY2(problem.contains("Images/a.jpg"), qPrintable(problem));
        }
    }

    // Where the program decodes JPEGs itself, every shipped one, and a grey one, must come out as
    // Qt's reader gives it, pixel for pixel.
    void jpegsDecodeAsQtDoes() {
        const QByteArray grey = encoded("JPG", QImage::Format_Grayscale8);
        if (!decodeJpeg(grey, 8192)) QSKIP("built without libjpeg");
        QList<QByteArray> files{grey};
        for (QDirIterator it(bundledDataFolder(), {"*.jpg"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            files << fileBytes(it.next());
        QVERIFY(files.size() > 10);
        for (const QByteArray& bytes : files) {
            const QImage ours = decodeJpeg(bytes, 8192).value_or(QImage());
            QCOMPARE(ours, QImage::fromData(bytes, "JPG"));
        }
        QVERIFY(!decodeJpeg(encoded("JPG"), 29)); // wider than allowed: left to the size check
    }

    // A two-million-character question once took seconds per repaint: a line over 4096 characters
    // refuses the set, one of exactly 4096 is read.
    void overLongLineRefusesTheSet() {
        TestEnv env;
        QuestionSet set = sampleQuestionSet("Long");
        for (int length : {4097, 4096}) {
            set.questions[3].text = QString(length, 'x');
            env.writeFile("multiple/Long.txt", textFileBytes(questionSetLines(set)));
            QString problem;
            QCOMPARE(LoadQuestionSet("multiple/Long.txt", &problem), length == 4096);
            QVERIFY2(length == 4096 || problem.contains("longer than 4096"), qPrintable(problem));
        }
        QCOMPARE(Module1.QuestionText[4].size(), 4096);
    }
};

QTEST_MAIN(FilesTest)
#include "tst_files.moc"
