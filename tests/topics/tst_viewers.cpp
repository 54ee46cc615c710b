// The two reading viewers: the Teachers' Guide and the notes viewer (key facts, teacher's notes,
// acknowledgments), reached from the menu and the hubs as a teacher would.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "support/testenv.h"
#include "support/wmfwriter.h"
#include "topics/guideviewer.h"
#include "topics/notesviewer.h"
#include "topics/topichub.h"

#include <QTest>

class ViewersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // At every step the counter, both pictures (the paper one 100 twips wider) and which paging
    // buttons are enabled; then printing, and opening afresh.
    void guidePagesThroughItsFourPages() {
        TestEnv env;
        for (int page = 1; page <= 4; ++page) { // empty pages whose widths tell which was loaded
            env.writeFile(QString("wmf/guide%1.wmf").arg(page), WmfWriter(1000 * page, 1000, 1440).finish());
            env.writeFile(QString("wmf2/guide%1.wmf").arg(page),
                          WmfWriter(1000 * page + 100, 1000, 1440).finish());
        }
        Module1.intro0->Show();
        clickControl(&Module1.intro0->Label2(MainMenu::TeachersGuide));
        GuideViewer& guide = *Module1.guide;
        QVERIFY(guide.isVisible() && !guide.Image2->isVisible());
        Label &next = guide.Label3(GuideViewer::NextPage),
              &previous = guide.Label3(GuideViewer::PreviousPage);
        // "Next Page" four times, the last on the disabled button (no page beyond), "Previous Page"
        // three times, "Next Page" once more.
        const int pages[] = {1, 2, 3, 4, 4, 3, 2, 1, 2};
        for (int k = 0; k < 9; ++k) {
            QCOMPARE(guide.Label1->Caption(), QString("Page %1 of 4").arg(pages[k]));
            QCOMPARE(qRound(guide.Image1->Picture().sizeTwips().width()), 1000 * pages[k]);
            QCOMPARE(qRound(guide.Image2->Picture().sizeTwips().width()), 1000 * pages[k] + 100);
            QCOMPARE(next.isEnabled(), pages[k] < 4);
            QCOMPARE(previous.isEnabled(), pages[k] > 1);
            if (k < 8) clickControl(k < 4 || k == 7 ? &next : &previous);
        }
        // "Print" sends the paper picture of the page on show (the page's layout is a golden file's).
        clickControl(&guide.Label3(GuideViewer::PrintPage));
        const PrintOp& picture = env.printer->pages.at(0).ops.at(0);
        QCOMPARE(picture.x2 - picture.x1, 2100.0);
        // Opened again while it is open, on page 3: it starts afresh on page 1.
        clickControl(&next);
        Module1.intro0->Label2_Click(MainMenu::TeachersGuide);
        settle();
        QCOMPARE(Module1.guide->Label1->Caption(), QString("Page 1 of 4"));
    }

    // A printer fault is told as one and leaves no page sent (the real printer's abandoned job leaves
    // no file: tst_pages). A missing or damaged paper picture used to be told as a printer fault
    // too: it is told as a page that could not be read, printer or not, and no blank sheet comes out.
    // Printing is ReadingViewer's; the missing page is the key facts', with no printer either.
    void printFailureIsToldAndChangesNothing_data() {
        QTest::addColumn<QString>("failure");
        for (const char* failure : {"no printer", "open", "end", "damaged page", "missing page"})
            QTest::newRow(failure) << QString(failure);
    }
    void printFailureIsToldAndChangesNothing() {
        QFETCH(QString, failure);
        const bool guide = failure != "missing page";
        TestEnv env;
        env.copyBundled("wmf");
        env.copyBundled("wmf2");
        const QString paperPage = guide ? "wmf2/guide1.wmf" : "wmf2/key moona.wmf";
        if (failure == "damaged page") env.writeFile(paperPage, "not a metafile at all");
        if (failure == "missing page") QVERIFY(QFile::remove(env.path(paperPage)));
        if (failure == "no printer" || failure == "missing page") services().printer.reset();
        env.printer->failOnOpen = failure == "open";
        env.printer->failOnEndDoc = failure == "end";
        guide ? Module1.intro0->Label2_Click(MainMenu::TeachersGuide)
              : Module1.moon->Label3_Click(TopicHub::KeyFacts);
        ReadingViewer& viewer = guide ? static_cast<ReadingViewer&>(*Module1.guide) : *Module1.teacher;
        clickControl(&viewer.Label3(ReadingViewer::PrintPage));
        const bool pageFault = failure.endsWith("page");
        QCOMPARE(env.messages->texts(),
                 QStringList{pageFault ? "This page could not be read from its file, so it was not printed."
                                       : "There was a problem printing to your printer."});
        QVERIFY(viewer.isVisible());
        for (const RecordedPage& page : env.printer->pages)
            QVERIFY(!page.ended);
        if (pageFault) QVERIFY(env.printer->pages.empty());
    }
};

QTEST_MAIN(ViewersTest)
#include "tst_viewers.moc"
