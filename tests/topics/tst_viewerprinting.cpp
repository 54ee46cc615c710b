// Printing a page whose paper picture cannot be read: the reader is told the page could not be
// read, not that the printer failed, whether or not a printer is there.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "support/testenv.h"
#include "topics/guideviewer.h"
#include "topics/notesviewer.h"
#include "topics/topichub.h"

#include <QTest>

class ViewerPrintingTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void unreadablePageIsToldAsSuch_data();
    void unreadablePageIsToldAsSuch();
};

void ViewerPrintingTest::unreadablePageIsToldAsSuch_data() {
    QTest::addColumn<bool>("guide");
    QTest::addColumn<bool>("damaged"); // a file that is not a picture, else no file at all
    QTest::addColumn<bool>("printer");
    for (bool guide : {true, false})
        for (bool damaged : {true, false})
            for (bool printer : {true, false})
                QTest::addRow("%s, %s, %s", guide ? "guide" : "key facts", damaged ? "damaged" : "missing",
                              printer ? "printer" : "no printer")
                    << guide << damaged << printer;
}

void ViewerPrintingTest::unreadablePageIsToldAsSuch() {
    QFETCH(bool, guide);
    QFETCH(bool, damaged);
    QFETCH(bool, printer);
    TestEnv env;
    env.copyBundled("wmf");
    env.copyBundled("wmf2");
    const QString paperPage = guide ? "wmf2/guide1.wmf" : "wmf2/key moona.wmf";
    if (damaged)
        env.writeFile(paperPage, "not a metafile at all");
    else
        QVERIFY(QFile::remove(env.path(paperPage)));
    if (!printer) services().printer.reset();
    guide ? Module1.intro0->Label2_Click(20) : Module1.moon->Label3_Click(4); // opened as a teacher does
    ReadingViewer& viewer = guide ? static_cast<ReadingViewer&>(*Module1.guide) : *Module1.teacher;
    clickControl(&viewer.Label3(0)); // Print
    QCOMPARE(env.messages->texts(),
             QStringList{"This page could not be read from its file, so it was not printed."});
    QVERIFY(env.printer->pages.empty()); // no job opened, no blank sheet
    QVERIFY(viewer.isVisible());
    QCOMPARE(Module1.PageNumber, 1);
}

QTEST_MAIN(ViewerPrintingTest)
#include "tst_viewerprinting.moc"
