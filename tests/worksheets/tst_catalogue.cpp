// The Worksheet Catalogue: its pages, the mode boxes, and what a click on a title does in each
// mode, including titles whose file is missing or broken.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "quiz/quizscreen.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguepaging.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetstore.h"

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
    Module1.SoundOn = 1;
    CatalogueScreen& c = *Module1.worksheets;
    c.Show();
    return c;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void anEmptyCatalogueAndItsModeBoxes() {
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, {});
        QCOMPARE(shownTitles(c), QStringList());
        QVERIFY(!c.Label3(0).Visible() && !c.Label3(1).Visible());
        QCOMPARE(c.Label4->Caption(), QString("Page 1"));
        // What shows beside the caption is the box's own blue, not the style's grey.
        for (CheckBox* box : {c.Check1, c.Check2}) {
            const QImage look = box->grab().toImage();
            QCOMPARE(look.pixelColor(look.width() - 3, look.height() / 2), RGB(0, 78, 152));
        }
        // Clicked in turn: delete, edit, delete, delete again; then the values of edit and delete.
        const std::pair<CheckBox*, std::pair<int, int>> steps[] = {
            {c.Check2, {0, 1}}, {c.Check1, {1, 0}}, {c.Check2, {0, 1}}, {c.Check2, {0, 0}}};
        for (const auto& [box, values] : steps) {
            clickControl(box);
            QCOMPARE((std::pair{c.Check1->Value(), c.Check2->Value()}), values);
        }
    }

    void everyOneOfAThousandTitlesIsReachable() {
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, sheets(1000));
        QVERIFY(!c.Label3(0).Visible());
        QStringList seen = shownTitles(c);
        int pages = 1;
        while (c.Label3(1).Visible()) {
            clickControl(&c.Label3(1));
            seen += shownTitles(c);
            ++pages;
        }
        QCOMPARE(pages, 42);
        QCOMPARE(c.Label4->Caption(), QString("Page 42"));
        QCOMPARE(seen, sheets(1000));
        QVERIFY(c.Label3(0).Visible());
        QCOMPARE(env.sound->played.size(), 41);
    }

    void deleteAfterConfirmationOnly() {
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, sheets(30));
        writeWorksheet(env, "Sheet 3");
        clickControl(c.Check2);
        env.messages->answers = {MsgResult::Cancel, MsgResult::OK};
        clickControl(&c.Label2(3));
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes(sheets(30)));
        QCOMPARE(Module1.SetTitle, QString("Sheet 3")); // the file was read all the same
        clickControl(&c.Label2(3));
        QCOMPARE(env.messages->shown.size(), size_t(2));
        const ShownMessage& ask = env.messages->shown[1];
        QCOMPARE(ask.text, QString("Are you sure that you want to delete the worksheet Sheet 3?"));
        QCOMPARE(ask.buttons, MsgButtons::OKCancel);
        QCOMPARE(ask.title, QString(""));
        QStringList left = sheets(30);
        left.removeAt(2);
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes(left));
        // The page stays full and keeps its buttons; the next page holds the remaining five.
        QCOMPARE(shownTitles(c), left.mid(0, 24));
        clickControl(&c.Label3(1));
        QCOMPARE(shownTitles(c), left.mid(24));
        QVERIFY(QFile::exists(env.path("multiple/Sheet 3.txt")));
    }

    void deletingTheOnlyTitleOnTheLastPageThenGoingBack() {
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, sheets(25));
        clickControl(&c.Label3(1));
        QCOMPARE(shownTitles(c), QStringList{"Sheet 25"});
        QVERIFY(c.Label3(0).Visible() && !c.Label3(1).Visible());
        clickControl(c.Check2);
        clickControl(&c.Label2(1));
        QCOMPARE(shownTitles(c), QStringList());
        QCOMPARE(c.Label4->Caption(), QString("Page 2"));
        clickControl(&c.Label3(0));
        QCOMPARE(shownTitles(c), sheets(24));
        QCOMPARE(c.Label4->Caption(), QString("Page 1"));
        QVERIFY(!c.Label3(0).Visible() && !c.Label3(1).Visible()); // 24 titles fill one page
    }

    void missingOrBrokenFiles_data() {
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("shorter than a set") << QByteArray("Sheet 2\r\n \r\nOnly a question\r\n");
        QTest::newRow("a right answer that names no box")
            << textFileBytes(questionSetLines(sampleQuestionSet("Sheet 2")))
                   .replace("\r\n3\r\n", "\r\n7\r\n");
    }
    void missingOrBrokenFiles() {
        QFETCH(QByteArray, file);
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, sheets(3));
        if (!file.isEmpty()) env.writeFile("multiple/Sheet 2.txt", file);
        const QString corrupted = "This worksheet seems to be corrupted.";
        clickControl(&c.Label2(2)); // run
        clickControl(c.Check1);     // edit
        clickControl(&c.Label2(2));
        QCOMPARE(env.messages->texts(), (QStringList{corrupted, corrupted}));
        QVERIFY(!Module1.wizard.isLoaded() && !Module1.multiple.isLoaded());
        // It can still be taken off the list.
        clickControl(c.Check2);
        clickControl(&c.Label2(2));
        QCOMPARE(env.messages->texts().value(2),
                 "Are you sure that you want to delete the worksheet Sheet 2?");
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes({"Sheet 1", "Sheet 3"}));
        QCOMPARE(shownTitles(c), (QStringList{"Sheet 1", "Sheet 3"}));
    }

    void deleteWithoutAnIndexReportsCorruption() {
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, sheets(2));
        QFile::remove(env.path("multiple/track.txt"));
        clickControl(c.Check2);
        clickControl(&c.Label2(1));
        QCOMPARE(env.messages->texts().last(), QString("This worksheet seems to be corrupted."));
        QCOMPARE(shownTitles(c), sheets(2));
        QVERIFY(!QFile::exists(env.path("multiple/track.txt")));
    }

    void editFillsTheWizardOverTheCatalogue() {
        TestEnv env;
        CatalogueScreen& c = openCatalogue(env, sheets(2));
        writeWorksheet(env, "Sheet 2");
        clickControl(c.Check1);
        clickControl(&c.Label2(2));
        QVERIFY(env.messages->shown.empty());
        WizardScreen& w = *Module1.wizard;
        QVERIFY(w.isVisible() && c.isVisible());
        QCOMPARE(w.Text1->Text(), QString("Sheet 2"));
        QCOMPARE(w.Text3(4 * 3 + 2).Text(), QString("Answer 4C"));
        for (int i = 0; i < 10; ++i)
            for (int k = 0; k < 4; ++k)
                QCOMPARE(w.Check1(4 * i + k).Value(), k == i % 4 ? 1 : 0);
        // Saved unchanged, the worksheet's file comes out as it went in.
        const QByteArray before = env.readFile("multiple/Sheet 2.txt");
        clickControl(&w.Label3(1));
        QCOMPARE(env.messages->texts(), QStringList{"Your worksheet has been saved."});
        QCOMPARE(env.readFile("multiple/Sheet 2.txt"), before);
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes(sheets(2)));
    }

    // From the menu to the catalogue, a worksheet run as a quiz, another run over a quiz left open,
    // and back to the menu.
    void runsAsAQuizUnderTheMenusTitleAndPicture() {
        TestEnv env;
        env.copyBundled("Images/london.jpg");
        env.writeFile("multiple/track.txt", indexBytes(sheets(2)));
        writeWorksheet(env, "Sheet 1");
        writeWorksheet(env, "Sheet 2");
        Module1.intro0->Show();
        clickControl(&Module1.intro0->Label2(18));
        settle();
        QVERIFY(!Module1.intro0.isLoaded());
        CatalogueScreen& c = *Module1.worksheets;
        clickControl(&c.Label2(1));
        clickControl(&Module1.multiple->Label3(1)); // on to question 2
        clickControl(&c.Label2(2));
        settle();
        QVERIFY(env.messages->shown.empty());
        QuizScreen& quiz = *Module1.multiple;
        QVERIFY(quiz.isVisible());
        QCOMPARE(quiz.Label6->Caption(), QString("Sheet 2"));
        QCOMPARE(quiz.Label2->Caption(), QString("Question text 1?"));
        QCOMPARE(quiz.Label5->Caption(), QString("Tellwyn Demo"));
        QVERIFY(!quiz.Picture1->Picture().isNull());
        QCOMPARE(quiz.Picture1->Picture().sizeTwips(), LoadPicture("Images\\london.jpg").sizeTwips());
        // The menu was loaded for its title and picture, but is not shown; the catalogue stays beneath.
        QVERIFY(Module1.intro0.isLoaded() && !Module1.intro0->isVisible());
        QVERIFY(c.isVisible());
        clickControl(&c.Label2(0));
        settle();
        QVERIFY(!Module1.worksheets.isLoaded());
        QVERIFY(Module1.intro0->isVisible());
    }
};

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
