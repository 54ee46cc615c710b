// The two reading viewers: the Teachers' Guide and the notes viewer (key facts, teacher's notes,
// acknowledgments), reached from the menu and the hubs as a teacher would.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "support/testenv.h"
#include "topics/guideviewer.h"
#include "topics/notesviewer.h"
#include "topics/readingpages.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// A one-record metafile whose width in twips tells which page was loaded.
QByteArray pageOfWidth(int twips) {
    QByteArray b;
    auto u16 = [&](int v) {
        b += char(v & 0xFF);
        b += char((v >> 8) & 0xFF);
    };
    for (int v : {0xCDD7, 0x9AC6, 0, 0, 0, twips, 1000, 1440, 0, 0, 0})
        u16(v);
    for (int v : {1, 9, 0x300, 0, 0, 1, 0, 0, 0, 3, 0, 0})
        u16(v);
    return b;
}

int pictureWidth(const ImageBox* box) {
    return qRound(box->Picture().sizeTwips().width());
}

QList<bool> pagingButtons(const ControlArray<Label>& buttons) {
    return {buttons(2).isEnabled(), buttons(3).isEnabled()};
}

} // namespace

class ViewersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pageNamesAndCounters();
    void logoFramesRunRound();
    void guidePagesThroughItsFourPages();
    void guidePrintsThePageOnShow();
    void printFailureIsToldAndChangesNothing_data();
    void printFailureIsToldAndChangesNothing();
    void missingPagesStillPageAndExit();
    void keyFactsShowOnePageWithoutPaging();
    void threePageDocumentPages();
    void acknowledgmentsAnimateTheLogoAcrossOpenings();
};

void ViewersTest::pageNamesAndCounters() {
    QCOMPARE(guidePagePicture(3, false), QString("wmf\\guide3.wmf"));
    QCOMPARE(guidePagePicture(3, true), QString("wmf2\\guide3.wmf"));
    QCOMPARE(notesPagePicture("key moon", 1, false), QString("wmf\\key moona.wmf"));
    QCOMPARE(notesPagePicture("moon", 3, true), QString("wmf2\\moonc.wmf"));
    QCOMPARE(notesPagePicture("moon", 4, true), QString());
    QCOMPARE(guideCounter(1), QString("Page 1 of 4"));
    QCOMPARE(notesCounter(2, 3), QString("Page 2 of 3"));
}

void ViewersTest::logoFramesRunRound() {
    QCOMPARE(nextLogoFrame(std::nullopt), 1);
    QCOMPARE(nextLogoFrame(9), 10);
    QCOMPARE(nextLogoFrame(19), 0);
    QCOMPARE(nextLogoFrame(0), 1);
    QCOMPARE(logoFramePicture(0), QString("logo\\lume0000.gif"));
    QCOMPARE(logoFramePicture(9), QString("logo\\lume0009.gif"));
    QCOMPARE(logoFramePicture(19), QString("logo\\lume0019.gif"));
}

void ViewersTest::guidePagesThroughItsFourPages() {
    TestEnv env;
    for (int page = 1; page <= 4; ++page) {
        env.writeFile(QString("wmf/guide%1.wmf").arg(page), pageOfWidth(1000 * page));
        env.writeFile(QString("wmf2/guide%1.wmf").arg(page), pageOfWidth(1000 * page + 100));
    }
    MainMenu& menu = *Module1.intro0;
    menu.Show();
    clickControl(&menu.Label2(20));
    GuideViewer& guide = *Module1.guide;
    QVERIFY(guide.isVisible());
    QCOMPARE(Module1.PageNumber, 1);
    QCOMPARE(guide.Label1->Caption(), QString("Page 1 of 4"));
    QCOMPARE(pictureWidth(guide.Image1), 1000);
    QCOMPARE(pictureWidth(guide.Image2), 1100);
    QCOMPARE(pagingButtons(guide.Label3), (QList<bool>{true, false}));
    QVERIFY(!guide.Image2->isVisible());

    // Next to the last page and back again: the buttons stay right at every step.
    const QList<QList<bool>> states{{true, true}, {true, true}, {false, true}};
    for (int page = 2; page <= 4; ++page) {
        clickControl(&guide.Label3(2));
        QCOMPARE(Module1.PageNumber, page);
        QCOMPARE(guide.Label1->Caption(), QString("Page %1 of 4").arg(page));
        QCOMPARE(pictureWidth(guide.Image1), 1000 * page);
        QCOMPARE(pictureWidth(guide.Image2), 1000 * page + 100);
        QCOMPARE(pagingButtons(guide.Label3), states[page - 2]);
    }
    clickControl(&guide.Label3(2)); // disabled: no page 5
    QCOMPARE(Module1.PageNumber, 4);
    for (int page = 3; page >= 1; --page) {
        clickControl(&guide.Label3(3));
        QCOMPARE(Module1.PageNumber, page);
        QCOMPARE(pagingButtons(guide.Label3), (QList<bool>{true, page > 1}));
        QCOMPARE(guide.Label2->Caption(), QString());
    }
    QCOMPARE(guide.Label1->Caption(), QString("Page 1 of 4"));
    // No sound on this screen: the one click heard was the menu's.
    QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});

    clickControl(&guide.Label3(1));
    settle();
    QVERIFY(!Module1.guide.isLoaded());
}

void ViewersTest::guidePrintsThePageOnShow() {
    TestEnv env;
    env.copyBundled("wmf");
    env.copyBundled("wmf2");
    Module1.intro0->Label2_Click(20);
    GuideViewer& guide = *Module1.guide;
    clickControl(&guide.Label3(2));
    clickControl(&guide.Label3(0));
    QCOMPARE(env.printer->pages.size(), size_t(1));
    const auto& ops = env.printer->pages[0].ops;
    QCOMPARE(ops.size(), size_t(2));
    QCOMPARE(ops[0].kind, PrintOp::Picture);
    QCOMPARE(ops[0].x1, 1000.0f);
    QCOMPARE(ops[0].y1, 1000.0f);
    // At its own size: 8736 x 9962 units at 1200 to the inch.
    QCOMPARE(ops[0].x2, 1000.0f + static_cast<Twips>(8736 * 1440.0 / 1200));
    QCOMPARE(ops[1].kind, PrintOp::EndDoc);
    QVERIFY(env.messages->shown.empty());
    QCOMPARE(Module1.PageNumber, 2);
    QCOMPARE(guide.Label1->Caption(), QString("Page 2 of 4"));
}

void ViewersTest::printFailureIsToldAndChangesNothing_data() {
    QTest::addColumn<QString>("failure");
    QTest::addColumn<bool>("guide");
    for (bool guide : {true, false}) {
        const QString name = guide ? "guide: " : "notes: ";
        QTest::newRow(qPrintable(name + "no printer")) << "no printer" << guide;
        QTest::newRow(qPrintable(name + "job will not open")) << "open" << guide;
        QTest::newRow(qPrintable(name + "page will not come out")) << "end" << guide;
    }
}

void ViewersTest::printFailureIsToldAndChangesNothing() {
    QFETCH(QString, failure);
    QFETCH(bool, guide);
    TestEnv env;
    env.copyBundled("wmf");
    env.copyBundled("wmf2");
    if (failure == "no printer") services().printer.reset();
    env.printer->failOnOpen = failure == "open";
    env.printer->failOnEndDoc = failure == "end";
    Form* viewer;
    ControlArray<Label>* buttons;
    Label* counter;
    if (guide) {
        Module1.intro0->Label2_Click(20);
        viewer = &*Module1.guide;
        buttons = &Module1.guide->Label3;
        counter = Module1.guide->Label1;
    } else {
        Module1.moon->Label3_Click(4);
        viewer = &*Module1.teacher;
        buttons = &Module1.teacher->Label3;
        counter = Module1.teacher->Label1;
    }
    const QString caption = counter->Caption();
    clickControl(&(*buttons)(0));
    QCOMPARE(env.messages->texts(), QStringList{"There was a problem printing to your printer."});
    QCOMPARE(env.messages->shown[0].title, QString("Tellwyn"));
    QCOMPARE(env.messages->shown[0].buttons, MsgButtons::OK);
    QVERIFY(viewer->isVisible());
    QCOMPARE(counter->Caption(), caption);
    QCOMPARE(Module1.PageNumber, 1);
    for (const RecordedPage& page : env.printer->pages)
        QVERIFY(!page.ended);

    // The next try, with the printer back, prints one whole page.
    env.printer->failOnOpen = env.printer->failOnEndDoc = false;
    services().printer = std::make_shared<Printer>(env.printer);
    clickControl(&(*buttons)(0));
    QCOMPARE(env.messages->shown.size(), size_t(1));
    QVERIFY(env.printer->pages.back().ended);
    QCOMPARE(env.printer->pages.back().ops.size(), size_t(2));
}

void ViewersTest::missingPagesStillPageAndExit() {
    TestEnv env; // no page pictures at all
    Module1.intro0->Label2_Click(20);
    GuideViewer& guide = *Module1.guide;
    QVERIFY(guide.Image1->Picture().isNull());
    clickControl(&guide.Label3(2));
    QCOMPARE(guide.Label1->Caption(), QString("Page 2 of 4"));
    clickControl(&guide.Label3(0));
    // No blank sheet: the empty page is not sent.
    QVERIFY(env.printer->pages.empty());
    QCOMPARE(env.messages->texts(), QStringList{"There was a problem printing to your printer."});
    clickControl(&guide.Label3(1));
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

void ViewersTest::keyFactsShowOnePageWithoutPaging() {
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
    QCOMPARE(Module1.PageBase, QString("key moon"));
    QCOMPARE(Module1.PageNumber, 1);
    QCOMPARE(pictureWidth(notes.Image1), 3000);
    QCOMPARE(pictureWidth(notes.Image2), 3100);
    QVERIFY(!notes.Label1->isVisible());
    QVERIFY(!notes.Label3(2).isVisible());
    QVERIFY(!notes.Label3(3).isVisible());
    QVERIFY(!notes.Picture1->isVisible());
    QVERIFY(!notes.Picture2->isVisible());
    QVERIFY(!notes.Timer1->Enabled());
    QCOMPARE(notes.BackColor(), Colours::ScreenBlue);
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

void ViewersTest::threePageDocumentPages() {
    TestEnv env;
    for (int page = 1; page <= 3; ++page) {
        const QString letter(QChar(u'a' + page - 1));
        env.writeFile("wmf/rome" + letter + ".wmf", pageOfWidth(1000 * page));
        env.writeFile("wmf2/rome" + letter + ".wmf", pageOfWidth(1000 * page + 50));
    }
    Module1.PageCount = 3;
    Module1.PageBase = "rome";
    NotesViewer& notes = *Module1.teacher;
    notes.Image1->setPicture(LoadPicture("wmf\\romea.wmf"));
    notes.Show();
    QCOMPARE(notes.Label1->Caption(), QString("Page 1 of 3"));
    QVERIFY(notes.Label1->isVisible());
    QCOMPARE(pagingButtons(notes.Label3), (QList<bool>{true, false}));
    clickControl(&notes.Label3(2));
    QCOMPARE(notes.Label1->Caption(), QString("Page 2 of 3"));
    QCOMPARE(pagingButtons(notes.Label3), (QList<bool>{true, true}));
    QCOMPARE(pictureWidth(notes.Image2), 2050);
    clickControl(&notes.Label3(2));
    QCOMPARE(pagingButtons(notes.Label3), (QList<bool>{false, true}));
    QCOMPARE(pictureWidth(notes.Image1), 3000);
    clickControl(&notes.Label3(3));
    QCOMPARE(notes.Label1->Caption(), QString("Page 2 of 3"));
    QCOMPARE(pagingButtons(notes.Label3), (QList<bool>{true, true}));
    clickControl(&notes.Label3(3));
    QCOMPARE(pagingButtons(notes.Label3), (QList<bool>{true, false}));
    QCOMPARE(pictureWidth(notes.Image1), 1000);
}

void ViewersTest::acknowledgmentsAnimateTheLogoAcrossOpenings() {
    TestEnv env;
    env.copyBundled("logo");
    env.copyBundled("wmf/acknowledgments.wmf");
    MainMenu& menu = *Module1.intro0;
    menu.Label2_Click(19);
    NotesViewer& notes = *Module1.teacher;
    QVERIFY(notes.isVisible());
    QVERIFY(!notes.Label1->isVisible());
    QVERIFY(!notes.Label3(2).isVisible());
    QVERIFY(!notes.Label3(3).isVisible());
    QVERIFY(notes.Label3(0).isVisible());
    QCOMPARE(notes.BackColor(), RGB(49, 130, 212));
    QCOMPARE(notes.Picture1->BackColor(), RGB(49, 135, 214));
    QCOMPARE(notes.Picture2->BackColor(), RGB(128, 128, 255));
    QVERIFY(!notes.Image1->Picture().isNull());
    QVERIFY(!notes.Picture2->Picture().isNull());
    QVERIFY(notes.Timer1->Enabled());
    QCOMPARE(notes.Timer1->Interval(), 25);
    QTRY_VERIFY(notes.Picture1->isVisible());
    QVERIFY(notes.Picture2->isVisible());
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
}

QTEST_MAIN(ViewersTest)
#include "tst_viewers.moc"
