// The two reading viewers: the Teachers' Guide and the notes viewer (key facts, teacher's notes,
// acknowledgments), reached from the menu and the hubs as a teacher would.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "support/testenv.h"
#include "support/wmfwriter.h"
#include "topics/guideviewer.h"
#include "topics/notesviewer.h"
#include "topics/readingpages.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// An empty page whose width in twips tells which page was loaded.
QByteArray pageOfWidth(int twips) {
    return WmfWriter(twips, 1000, 1440).finish();
}

int pictureWidth(const ImageBox* box) {
    return qRound(box->Picture().sizeTwips().width());
}

// Pages forward past the end and back to page 1, checking at every step the counter, both
// pictures (the paper one is `paperExtra` twips wider) and which paging buttons are enabled.
void pageThrough(ControlArray<Label>& buttons, Label* counter, ImageBox* screen, ImageBox* paper, int count,
                 int paperExtra) {
    auto check = [&](int page) {
        QCOMPARE(Module1.PageNumber, page);
        QCOMPARE(counter->Caption(), QString("Page %1 of %2").arg(page).arg(count));
        QCOMPARE(pictureWidth(screen), 1000 * page);
        QCOMPARE(pictureWidth(paper), 1000 * page + paperExtra);
        QCOMPARE(buttons(2).isEnabled(), page < count);
        QCOMPARE(buttons(3).isEnabled(), page > 1);
    };
    check(1);
    for (int page = 2; page <= count + 1 && !QTest::currentTestFailed(); ++page) {
        clickControl(&buttons(2)); // the last click is on a disabled button: no page beyond
        check(std::min(page, count));
    }
    for (int page = count - 1; page >= 1 && !QTest::currentTestFailed(); --page) {
        clickControl(&buttons(3));
        check(page);
    }
}

} // namespace

class ViewersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void guidePagesThroughItsFourPages() {
        TestEnv env;
        for (int page = 1; page <= 4; ++page) {
            env.writeFile(QString("wmf/guide%1.wmf").arg(page), pageOfWidth(1000 * page));
            env.writeFile(QString("wmf2/guide%1.wmf").arg(page), pageOfWidth(1000 * page + 100));
        }
        Module1.intro0->Show();
        clickControl(&Module1.intro0->Label2(20));
        GuideViewer& guide = *Module1.guide;
        QVERIFY(guide.isVisible() && !guide.Image2->isVisible());
        pageThrough(guide.Label3, guide.Label1, guide.Image1, guide.Image2, 4, 100);
        // "Print" sends the paper picture of the page on show, 1000 twips in, at its own size.
        clickControl(&guide.Label3(2));
        clickControl(&guide.Label3(0));
        const auto& ops = env.printer->pages.at(0).ops;
        QCOMPARE(ops.size(), size_t(2));
        QVERIFY(ops[0].kind == PrintOp::Picture && ops[1].kind == PrintOp::EndDoc);
        QCOMPARE(QRectF(QPointF(ops[0].x1, ops[0].y1), QPointF(ops[0].x2, ops[0].y1)),
                 QRectF(1000, 1000, 2100, 0));
        QVERIFY(env.messages->shown.empty());
        // No sound on this screen: the one click heard was the menu's.
        QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
        // Opened again while it is open, on page 3: it starts afresh on page 1.
        clickControl(&guide.Label3(2));
        Module1.intro0->Label2_Click(20);
        settle();
        QCOMPARE(Module1.PageNumber, 1);
        QCOMPARE(Module1.guide->Label1->Caption(), QString("Page 1 of 4"));
        QVERIFY(!Module1.guide->Label3(3).isEnabled() && Module1.guide->Label3(2).isEnabled());
        clickControl(&Module1.guide->Label3(1));
        settle();
        QVERIFY(!Module1.guide.isLoaded());
    }

    void threePageNotesPage() {
        TestEnv env;
        for (int page = 1; page <= 3; ++page) {
            const QString letter(QChar(u'a' + page - 1));
            env.writeFile("wmf/rome" + letter + ".wmf", pageOfWidth(1000 * page));
            env.writeFile("wmf2/rome" + letter + ".wmf", pageOfWidth(1000 * page + 50));
        }
        QCOMPARE(notesPagePicture("rome", 4, false), QString()); // nothing beyond the third page
        Module1.PageCount = 3;
        Module1.PageBase = "rome";
        NotesViewer& notes = *Module1.teacher;
        notes.Image1->setPicture(LoadPicture("wmf\\romea.wmf")); // as the hubs load the first page
        notes.Image2->setPicture(LoadPicture("wmf2\\romea.wmf"));
        notes.Show();
        QVERIFY(notes.Label1->isVisible());
        pageThrough(notes.Label3, notes.Label1, notes.Image1, notes.Image2, 3, 50);
    }

    void printFailureIsToldAndChangesNothing_data() {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<bool>("guide");
        for (bool guide : {true, false})
            for (QString failure : {"no printer", "open", "end"})
                QTest::addRow("%s: %s", guide ? "guide" : "notes", qPrintable(failure)) << failure << guide;
    }
    void printFailureIsToldAndChangesNothing() {
        QFETCH(QString, failure);
        QFETCH(bool, guide);
        TestEnv env;
        env.copyBundled("wmf");
        env.copyBundled("wmf2");
        if (failure == "no printer") services().printer.reset();
        env.printer->failOnOpen = failure == "open";
        env.printer->failOnEndDoc = failure == "end";
        if (guide)
            Module1.intro0->Label2_Click(20);
        else
            Module1.moon->Label3_Click(4);
        Form& viewer = guide ? static_cast<Form&>(*Module1.guide) : *Module1.teacher;
        ControlArray<Label>& buttons = guide ? Module1.guide->Label3 : Module1.teacher->Label3;
        clickControl(&buttons(0));
        QCOMPARE(env.messages->texts(), QStringList{"There was a problem printing to your printer."});
        QCOMPARE(env.messages->shown[0].buttons, MsgButtons::OK);
        QVERIFY(viewer.isVisible());
        QCOMPARE(Module1.PageNumber, 1);
        for (const RecordedPage& page : env.printer->pages)
            QVERIFY(!page.ended);

        // The next try, with the printer back, prints one whole page.
        env.printer->failOnOpen = env.printer->failOnEndDoc = false;
        services().printer = std::make_shared<Printer>(env.printer);
        clickControl(&buttons(0));
        QCOMPARE(env.messages->shown.size(), size_t(1));
        QVERIFY(env.printer->pages.back().ended);
        QCOMPARE(env.printer->pages.back().ops.size(), size_t(2));
    }

    void missingPagesStillPageAndExit() {
        TestEnv env; // no page pictures at all
        Module1.intro0->Label2_Click(20);
        GuideViewer& guide = *Module1.guide;
        QVERIFY(guide.Image1->Picture().isNull());
        clickControl(&guide.Label3(2));
        QCOMPARE(guide.Label1->Caption(), QString("Page 2 of 4"));
        clickControl(&guide.Label3(0));
        // No blank sheet: the empty page is not sent.
        QVERIFY(env.printer->pages.empty());
        QCOMPARE(env.messages->texts(),
                 QStringList{"This page could not be read from its file, so it was not printed."});
        clickControl(&Module1.guide->Label3(1));
        settle();
        QVERIFY(!Module1.guide.isLoaded());

        Module1.caesar->Label3_Click(5);
        NotesViewer& notes = *Module1.teacher;
        QVERIFY(notes.isVisible());
        clickControl(&notes.Label3(0));
        QVERIFY(env.printer->pages.empty());
        QCOMPARE(env.messages->shown.size(), size_t(2));
        clickControl(&notes.Label3(1));
        settle();
        QVERIFY(!Module1.teacher.isLoaded());
    }

    void keyFactsShowOnePageWithoutPaging() {
        TestEnv env;
        env.writeFile("wmf/key moona.wmf", pageOfWidth(3000));
        env.writeFile("wmf2/key moona.wmf", pageOfWidth(3100));
        env.writeFile("wmf/caesar.wmf", pageOfWidth(4000));
        env.writeFile("wmf2/caesar.wmf", pageOfWidth(4100));
        Module1.SoundOn = 1;
        MoonHub& moon = *Module1.moon;
        moon.Show();
        clickControl(&moon.Label3(4));
        NotesViewer& notes = *Module1.teacher;
        QVERIFY(notes.isVisible());
        QCOMPARE(Module1.PageCount, 1);
        QCOMPARE(pictureWidth(notes.Image1), 3000);
        QCOMPARE(pictureWidth(notes.Image2), 3100);
        // No counter, no paging, no logo.
        QVERIFY(!notes.Label1->isVisible() && !notes.Label3(2).isVisible() && !notes.Label3(3).isVisible());
        QVERIFY(!notes.Picture1->isVisible() && !notes.Timer1->Enabled());
        clickControl(&notes.Label3(0));
        QCOMPARE(env.printer->pages.size(), size_t(1));
        QCOMPARE(env.printer->pages[0].ops[0].x2, 1000.0f + 3100);
        clickControl(&notes.Label3(1));
        settle();

        Module1.caesar->Show();
        clickControl(&Module1.caesar->Label3(5));
        QCOMPARE(Module1.PageBase, QString("caesar"));
        QCOMPARE(pictureWidth(Module1.teacher->Image1), 4000);
        QVERIFY(!Module1.teacher->Label1->isVisible());
        QCOMPARE(env.sound->played.size(), 2); // the hubs' clicks; the viewer is silent
    }

    void acknowledgmentsAnimateTheLogoAcrossOpenings() {
        TestEnv env;
        env.copyBundled("logo");
        env.copyBundled("wmf/acknowledgments.wmf");
        MainMenu& menu = *Module1.intro0;
        menu.Label2_Click(19);
        NotesViewer& notes = *Module1.teacher;
        QVERIFY(notes.isVisible() && !notes.Label1->isVisible() && notes.Label3(0).isVisible());
        QVERIFY(!notes.Image1->Picture().isNull() && !notes.Picture2->Picture().isNull());
        QVERIFY(notes.Timer1->Enabled());
        QTRY_VERIFY(notes.Picture1->isVisible() && notes.Picture2->isVisible());
        QVERIFY(!notes.Picture1->Picture().isNull());

        // Stop the clock and drive the frames by hand.
        notes.Timer1->setEnabled(false);
        Module1.LogoFrame = 17;
        notes.Timer1_Timer();
        notes.Timer1_Timer();
        QCOMPARE(Module1.LogoFrame, std::optional<int>(19));
        notes.Timer1_Timer();
        QCOMPARE(Module1.LogoFrame, std::optional<int>(0));
        notes.Timer1_Timer();
        clickControl(&notes.Label3(1));
        settle();
        QVERIFY(!Module1.teacher.isLoaded());

        // A second opening continues where the last one stopped.
        menu.Label2_Click(19);
        Module1.teacher->Timer1->setEnabled(false);
        QCOMPARE(Module1.LogoFrame, std::optional<int>(1));
        Module1.teacher->Timer1_Timer();
        QCOMPARE(Module1.LogoFrame, std::optional<int>(2));

        // Key Facts opened over the acknowledgments start afresh: no logos, the screen's own colour.
        Module1.teacher->Timer1->setEnabled(true);
        Module1.moon->Label3_Click(4);
        settle();
        QVERIFY(!Module1.teacher->Timer1->Enabled());
        QVERIFY(!Module1.teacher->Picture1->Visible() && !Module1.teacher->Picture2->Visible());
        QCOMPARE(Module1.teacher->BackColor(), RGB(39, 63, 137));
    }
};

QTEST_MAIN(ViewersTest)
#include "tst_viewers.moc"
