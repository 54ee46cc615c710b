// The Worksheet Catalogue: its pages and mode boxes, a click on a title in each mode (its file
// missing too), and an index another machine changes while it is open. (Running, editing and
// saving a worksheet from it are the install, practice and worksheets checks', on the real program.)
#include "app/module1.h"
#include "quiz/quizscreen.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguepaging.h"
#include "worksheets/cataloguescreen.h"

#include <QTest>

namespace {

// The captions of the title slots on show, in slot order.
QStringList shownTitles(CatalogueScreen& c) {
    QStringList shown;
    for (int i = 1; i <= TitlesPerPage; ++i)
        if (c.Label2(i).Visible()) shown << c.Label2(i).Caption();
    return shown;
}

CatalogueScreen& openCatalogue(TestEnv& env, const QStringList& titles) {
    env.writeFile("multiple/track.txt", indexBytes(titles));
    Module1.worksheets->Show();
    return *Module1.worksheets;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modeBoxesAndEveryOneOfAThousandTitles() {
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, sheets(1000));
        // What shows beside the caption is the box's own blue, not the style's grey.
        const QImage look = c.Check1->grab().toImage();
        QCOMPARE(look.pixelColor(look.width() - 3, look.height() / 2), RGB(0, 78, 152));
        // Clicked in turn: delete, edit, edit again; then the values of edit and delete.
        const std::pair<CheckBox*, std::pair<int, int>> steps[] = {
            {c.Check2, {0, 1}}, {c.Check1, {1, 0}}, {c.Check1, {0, 0}}};
        for (const auto& [box, values] : steps) {
            clickControl(box);
            QCOMPARE((std::pair{c.Check1->Value(), c.Check2->Value()}), values);
        }
        QVERIFY(!c.Label3(CatalogueScreen::PreviousPage).Visible());
        QStringList seen = shownTitles(c);
        while (c.Label3(CatalogueScreen::NextPage).Visible()) {
            clickControl(&c.Label3(CatalogueScreen::NextPage));
            seen += shownTitles(c);
        }
        QCOMPARE(c.Label4->Caption(), QString("Page 42"));
        QCOMPARE(seen, sheets(1000));
    }

    // A worksheet runs under a picture of the quiz box's own size, not the corner of a larger one.
    void worksheetRunsUnderItsOwnPicture() {
        TestEnv env;
        env.copyBundled("multiple");
        env.copyBundled("Images");
        CatalogueScreen& c = openCatalogue(env, {"The Moon Landings"});
        clickControl(&c.Label2(1));
        QVERIFY(Module1.multiple.isLoaded());
        QCOMPARE(Module1.multiple->Picture1->Picture().sizeTwips(), QSizeF(855, 615));
    }

    // No title has a file. One that does not read, missing or broken (the question-set fuzz
    // target's), is refused for running and editing but can still be taken off the list.
    void missingFileAndDeleteAfterConfirmationOnly() {
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, sheets(30));
        clickControl(&c.Label2(3)); // run
        clickControl(c.Check1);     // edit
        clickControl(&c.Label2(3));
        QVERIFY(!Module1.wizard.isLoaded() && !Module1.multiple.isLoaded());
        clickControl(c.Check2); // delete
        env.messages->answers = {MsgResult::Cancel, MsgResult::OK};
        clickControl(&c.Label2(3));
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes(sheets(30)));
        clickControl(&c.Label2(3));
        QCOMPARE(env.messages->texts().mid(0, 2), QStringList(2, "This worksheet seems to be corrupted."));
        QCOMPARE(env.messages->shown.at(3),
                 QString("Are you sure that you want to delete the worksheet Sheet 3?"));
        QStringList left = sheets(30);
        left.removeAt(2);
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes(left));
        QCOMPARE(shownTitles(c), left.mid(0, 24)); // the page stays full
    }

    // Page 2 in edit mode: another machine's changes show there, the page and mode kept; a title
    // gone since the page was drawn is not opened.
    void followsTheIndexWhileOpen() {
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, sheets(30));
        clickControl(c.Check1);
        clickControl(&c.Label3(CatalogueScreen::NextPage));
        QStringList now = sheets(30);
        now.removeAt(25);
        now << "Volcanoes";
        env.writeFile("multiple/track.txt", indexBytes(now));
        QTRY_COMPARE(shownTitles(c), now.mid(24));
        QVERIFY(c.Label4->Caption() == "Page 2" && c.Check1->Value() == 1);
        now.removeAt(24);
        env.writeFile("multiple/track.txt", indexBytes(now));
        c.Label2_Click(1); // still shows Sheet 25
        QCOMPARE(env.messages->texts(), QStringList{"The worksheet Sheet 25 is no longer in the catalogue."});
        QVERIFY(!Module1.wizard.isLoaded());
        QCOMPARE(shownTitles(c), now.mid(24));
    }
};

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
