// The printer: real pages through QPrinter into PDF files. Where printed text lands is pinned by
// the printout tests; a failed job and the next one by the viewers'. That the text comes out as
// text is read back with pdftotext from the real program's PDF folder by check-wm.sh, and from a
// CUPS queue by check-cups-print.sh.
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/qtprinter.h"
#include "support/testenv.h"

#include <QDir>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QTest>

class PrinterTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { registerBundledFonts(); }
    // One file per page, text measured at the printer's resolution; an abandoned job leaves no file.
    void pdfJobs() {
        TestEnv env;
        setDataFolder(bundledDataFolder());
        QTemporaryDir dir;
        Printer printer(pdfFolderBackend(dir.path() + "/out"));
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
        printer.Print("First page of Tellwyn");
        printer.EndDoc();
        printer.PaintPicture(LoadPicture("wmf2\\guide1.wmf"), 1000, 1000);
        printer.EndDoc();
        printer.Print("never printed");
        QCOMPARE(QDir(dir.path() + "/out").entryList({"*.pdf"}, QDir::Files).size(), 3);
        printer.abandon();
        QCOMPARE(QDir(dir.path() + "/out").entryList({"*.pdf"}, QDir::Files).size(), 2);
    }

    void printerThatCannotOpenIsAFailure() {
        QTemporaryDir dir;
        writeFileBytes(dir.path() + "/file", {}); // a file where a folder should be
        Printer printer(pdfFolderBackend(dir.path() + "/file/inside"));
        QVERIFY_THROWS_EXCEPTION(PrintError, printer.Print("x"));
        QVERIFY(!printer.jobOpen());
        if (!QPrinterInfo::defaultPrinter().isNull()) QSKIP("this machine has a default printer");
        Printer none(systemPrinterBackend());
        QVERIFY_THROWS_EXCEPTION(PrintError, none.Print(""));
        QVERIFY(!none.jobOpen());
    }
};

QTEST_MAIN(PrinterTest)
#include "tst_printer.moc"
