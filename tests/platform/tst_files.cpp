// Paths as the screens write them, the code page and the comma-delimited field reader.
#include "platform/fieldreader.h"
#include "platform/files.h"
#include "platform/inputfile.h"
#include "support/testenv.h"

#include <QFile>
#include <QTest>

class FilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void resolver() {
        TestEnv env;
        env.writeFile("multiple/track.txt", " 0 \r\n");
        env.writeFile("Images/x.jpg", "x");
        // Either separator and any case; a file that does not exist yet keeps the case it was asked
        // for, below a folder that does; nothing outside the data folder.
        const std::pair<const char*, const char*> paths[] = {
            {"multiple\\track.txt", "multiple/track.txt"},
            {"multiple/track.txt", "multiple/track.txt"},
            {"images\\x.jpg", "Images/x.jpg"},
            {"IMAGES/X.JPG", "Images/x.jpg"},
            {"Multiple/New Sheet.txt", "multiple/New Sheet.txt"},
            {"../etc/passwd", nullptr},
            {"multiple/../../x.txt", nullptr},
            {"/etc/passwd", nullptr},
            {"", nullptr}};
        for (const auto& [asked, found] : paths)
            QCOMPARE(resolveDataPath(asked), found ? env.path(found) : QString());
    }

    void fieldReader_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("fields"); // joined by "|"
        const auto row = [](const char* name, const QString& text, const QString& fields) {
            QTest::newRow(name) << text << fields;
        };
        row("line ends, both kinds", "one\r\ntwo\nthree", "one|two|three");
        row("leading blanks skipped, trailing kept", "   a b \r\n", "a b ");
        row("comma splits a line", "Rome, Italy\r\nnext\r\n", "Rome|Italy|next");
        row("blank spacer line is an empty field", "x\r\n \r\ny\r\n", "x||y");
        row("empty spacer line too", "x\r\n\r\ny\r\n", "x||y");
        row("quoted field keeps commas, drops the rest", "\"a, b\" tail\r\nz\r\n", "a, b|z");
        row("unclosed quote ends at the line end", "\"open\r\nz\r\n", "open|z");
        row("ampersand is just a character", "Salt & pepper\r\n", "Salt & pepper");
        row("nothing", "", QString());
    }
    void fieldReader() {
        QFETCH(QString, text);
        QFETCH(QString, fields);
        FieldReader r(text);
        for (const QString& f : fields.isNull() ? QStringList() : fields.split('|'))
            QCOMPARE(r.readField().value_or("(none)"), f);
        QVERIFY(r.atEnd());
        QVERIFY(!r.readField()); // reading past the end fails
    }

    void numbersIgnoreSurroundingBlanks() {
        FieldReader r(" 12 \r\nabc\r\n");
        QCOMPARE(r.readNumber().value(), 12);
        QVERIFY(!r.readNumber()); // "abc" is no number
    }

    void windows1252RoundTrip() {
        const QString text = QString::fromUtf8("caf\u00e9 \u20ac5 \u2013 \u201cquoted\u201d \u00a9");
        const auto bytes = encodeWindows1252(text);
        QVERIFY(bytes.has_value());
        QCOMPARE(bytes->size(), text.size());
        QCOMPARE(static_cast<unsigned char>(bytes->at(text.indexOf(QChar(0x20AC)))), 0x80);
        QCOMPARE(decodeWindows1252(*bytes), text);
    }

    void unencodableTextIsNotWritten() {
        TestEnv env;
        const QString greek = QString::fromUtf8("\u03b1\u03b2");
        QVERIFY(!encodeWindows1252(greek));
        QCOMPARE(firstCharNotInWindows1252("ok " + greek).value(), QChar(0x03b1));
        env.writeFile("multiple/keep.txt", "old\r\n");
        QVERIFY(!writeTextFileAtomically(env.path("multiple/keep.txt"), {"new", greek}));
        QCOMPARE(env.readFile("multiple/keep.txt"), QByteArray("old\r\n"));
    }

    void atomicWriteUsesCrLfAndReplaces() {
        TestEnv env;
        env.writeFile("multiple/f.txt", "a much longer old content\r\n");
        QVERIFY(writeTextFileAtomically(env.path("multiple/f.txt"), {" 1 ", "caf\u00e9"}));
        QCOMPARE(env.readFile("multiple/f.txt"), QByteArray(" 1 \r\ncaf\xe9\r\n"));
        // A folder that does not exist cannot be written into, and nothing is created.
        QVERIFY(!writeTextFileAtomically(env.path("nowhere/f.txt"), {"x"}));
        QVERIFY(!QFile::exists(env.path("nowhere")));
    }

    void inputFileDecodesTheCodePage() {
        TestEnv env;
        env.writeFile("multiple/q.txt", "Caf\xe9\x80\r\n");
        InputFile in;
        QVERIFY(in.open("multiple\\q.txt"));
        QCOMPARE(in.readField().value(), QString::fromUtf8("Caf\u00e9\u20ac"));
        QVERIFY(!in.readField());
        QVERIFY(!InputFile().open("multiple\\missing.txt"));
    }
};

QTEST_MAIN(FilesTest)
#include "tst_files.moc"
