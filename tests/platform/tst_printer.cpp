// The printer: the print model on the recording backend, and real pages through QPrinter into PDF
// files, read back with pdftotext.
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/qtprinter.h"
#include "platform/recordingprinter.h"
#include "support/testenv.h"

#include <QDir>
#include <QPrinterInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QString pdfText(const QString& file) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QStringList pdfsIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

} // namespace

class PrinterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerBundledFonts(); }
    void printPositionFollowsTheText() {
        auto backend = std::make_shared<RecordingPrinter>();
        Printer printer(backend);
        printer.FontSize = 10;
        printer.CurrentX = 500;
        printer.Print("abc", false);
        QCOMPARE(printer.CurrentX, 500 + 3 * RecordingPrinter::charWidth(10));
        QCOMPARE(printer.CurrentY, 0.0f);
        printer.Print("d"); // back to the left edge on the next line
        QVERIFY(printer.CurrentX == 0 && printer.CurrentY == RecordingPrinter::lineHeight(10));
        printer.Print(""); // an empty line still moves down
        QCOMPARE(printer.CurrentY, 2 * RecordingPrinter::lineHeight(10));
        printer.EndDoc();
        QVERIFY(backend->pages.size() == 1 && backend->pages[0].ended);
        QCOMPARE(backend->pages[0].ops.size(), size_t(3)); // two texts and the end
    }

    void failedOperationDropsTheJob() {
        auto backend = std::make_shared<RecordingPrinter>();
        backend->failOnEndDoc = true;
        Printer printer(backend);
        printer.Print("first");
        QVERIFY_THROWS_EXCEPTION(PrintError, printer.EndDoc());
        QVERIFY(!printer.jobOpen());
        backend->failOnEndDoc = false;
        printer.Print("second");
        printer.EndDoc();
        QCOMPARE(backend->pages.size(), size_t(2));
        QCOMPARE(backend->pages[1].ops.front().text, QString("second"));
        QVERIFY(!backend->pages[0].ended);
    }

    void pdfJobWritesOneFilePerPageWithTextAsText() {
        TestEnv env;
        setDataFolder(bundledDataFolder());
        QTemporaryDir dir;
        Printer printer(pdfFolderBackend(dir.path() + "/out"));
        printer.FontName = "Times New Roman";
        printer.FontSize = 16;
        printer.Print("First page of Tellwyn");
        printer.EndDoc();
        printer.Print("");
        printer.PaintPicture(LoadPicture("wmf2\\guide1.wmf"), 1000, 1000); // its text stays text on paper
        printer.EndDoc();
        const QStringList files = pdfsIn(dir.path() + "/out");
        QCOMPARE(files.size(), 2);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
        const QString text =
            pdfText(dir.path() + "/out/" + files[0]) + pdfText(dir.path() + "/out/" + files[1]);
        QVERIFY2(text.contains("First page of Tellwyn") &&
                     text.contains("Teachers' Guide: Welcome to Tellwyn"),
                 qPrintable(text));
    }

    void pdfTextMeasuresAtThePrintersResolutionAndAbandonLeavesNoFile() {
        QTemporaryDir dir;
        Printer printer(pdfFolderBackend(dir.path()));
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
        // An abandoned job leaves no file behind.
        printer.Print("never printed");
        QCOMPARE(pdfsIn(dir.path()).size(), 1);
        printer.abandon();
        QVERIFY(pdfsIn(dir.path()).isEmpty());
    }

    void unwritableFolderIsAFailure() {
        QTemporaryDir dir;
        QFile blocker(dir.path() + "/file"); // a file where a folder should be
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        Printer printer(pdfFolderBackend(dir.path() + "/file/inside"));
        QVERIFY_THROWS_EXCEPTION(PrintError, printer.Print("x"));
        QVERIFY(!printer.jobOpen());
    }

    void noDefaultPrinterIsAFailure() {
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        Printer printer(systemPrinterBackend());
        QVERIFY_THROWS_EXCEPTION(PrintError, printer.Print(""));
        QVERIFY(!printer.jobOpen());
    }
};

QTEST_MAIN(PrinterTest)
#include "tst_printer.moc"
