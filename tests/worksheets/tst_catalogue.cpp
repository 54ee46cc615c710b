// The Worksheet Catalogue: its pages, the mode boxes, and what a click on a title does in each
// mode, including titles whose file is missing or broken.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "platform/files.h"
#include "platform/picture.h"
#include "quiz/quizscreen.h"
#include "support/testenv.h"
#include "worksheets/cataloguepaging.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetstore.h"

#include <QTest>

namespace {

QStringList sheets(int n) {
    QStringList titles;
    for (int i = 1; i <= n; ++i)
        titles << QStringLiteral("Sheet %1").arg(i);
    return titles;
}

QByteArray indexOf(const QStringList& titles) {
    return encodeWindows1252(worksheetIndexLines(titles).join("\r\n") + "\r\n").value();
}

QuestionSet sampleSet(const QString& title) {
    QuestionSet set;
    set.title = title;
    for (int i = 0; i < 10; ++i) {
        set.questions[i].text = QStringLiteral("%1 question %2").arg(title).arg(i + 1);
        for (int k = 0; k < 4; ++k)
            set.questions[i].answers[k] = QStringLiteral("Answer %1%2").arg(i + 1).arg(QChar('A' + k));
        set.questions[i].correct = QString::number((i + 2) % 4 + 1);
    }
    return set;
}

void writeWorksheet(TestEnv& env, const QString& title) {
    env.writeFile(worksheetFile(title),
                  encodeWindows1252(questionSetLines(sampleSet(title)).join("\r\n") + "\r\n").value());
}

// The captions of the title slots on show, in slot order.
QStringList shownTitles(CatalogueScreen& c) {
    QStringList shown;
    for (int i = 1; i <= TitlesPerPage; ++i)
        if (c.Label2(i).Visible()) shown << c.Label2(i).Caption();
    return shown;
}

CatalogueScreen& openCatalogue(TestEnv& env, const QStringList& titles) {
    env.writeFile("multiple/track.txt", indexOf(titles));
    Module1.SoundOn = 1;
    CatalogueScreen& c = *Module1.worksheets;
    c.Show();
    return c;
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pageArithmetic_data();
    void pageArithmetic();
    void controlsAsDesigned();
    void firstPage_data();
    void firstPage();
    void everyOneOfAThousandTitlesIsReachable();
    void previousPageGoesBack();
    void modeBoxesExcludeEachOther();
    void deleteAfterConfirmation();
    void cancelLeavesTheIndex();
    void deletingTheOnlyTitleOnTheLastPage();
    void missingOrBrokenFiles_data();
    void missingOrBrokenFiles();
    void deleteWithoutAnIndexReportsCorruption();
    void editFillsTheWizardOverTheCatalogue();
    void runsAsAQuizUnderTheMenusTitleAndPicture();
    void aQuizLeftOpenStartsAfresh();
    void exitShowsTheMenuAndTheMenuOpensTheCatalogue();
};

void CatalogueTest::pageArithmetic_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::newRow("empty store") << 0 << 0 << 1 << 0 << false << false;
    QTest::newRow("24 fill the first page") << 24 << 0 << 1 << 24 << false << false;
    QTest::newRow("25 need a second") << 25 << 0 << 1 << 24 << false << true;
    QTest::newRow("25: the 25th alone") << 25 << 1 << 25 << 25 << true << false;
    QTest::newRow("1000, page 41 (shown as 41)") << 1000 << 40 << 961 << 984 << true << true;
    QTest::newRow("1000, page 42 holds the rest") << 1000 << 41 << 985 << 1000 << true << false;
    QTest::newRow("a page emptied by deletion") << 48 << 2 << 49 << 48 << true << false;
}

void CatalogueTest::pageArithmetic() {
    QFETCH(int, count);
    QFETCH(int, page);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(bool, previous);
    QFETCH(bool, next);
    const CataloguePageView v = cataloguePageView(page, count);
    QCOMPARE(v.first, first);
    QCOMPARE(v.last, last);
    QCOMPARE(v.previous, previous);
    QCOMPARE(v.next, next);
    QCOMPARE(lastCataloguePage(1000), 41);
    QCOMPARE(lastCataloguePage(0), 0);
}

void CatalogueTest::controlsAsDesigned() {
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(30));
    QCOMPARE(c.Label1->Caption(), QString("Worksheets Catalogue"));
    QCOMPARE(c.Check1->text(), QString("Edit Worksheet"));
    QCOMPARE(c.Check2->text(), QString("Delete Worksheet"));
    QCOMPARE(c.Check2->palette().color(QPalette::WindowText), RGB(255, 0, 0));
    // What shows beside the caption is the box's own blue, not the style's grey.
    for (CheckBox* box : {c.Check1, c.Check2}) {
        const QImage look = box->grab().toImage();
        QCOMPARE(look.pixelColor(look.width() - 3, look.height() / 2), RGB(0, 78, 152));
    }
    // Down the left column, then down the right.
    QCOMPARE(c.Label2(12).twipRect().top, 720.0f + 600 * 11);
    QCOMPARE(c.Label2(13).twipRect().left, 6120.0f);
    QCOMPARE(c.Label2(13).twipRect().top, 720.0f);
    QCOMPARE(c.Label2(7).twipRect().width, 5685.0f);
    QCOMPARE(c.Label2(15).twipRect().width, 5685.0f);
    QCOMPARE(c.Label2(16).twipRect().width, 5715.0f);
    QCOMPARE(c.Label2(13).Caption(), QString("Sheet 13"));
    QCOMPARE(c.Label2(5).font().pointSizeF(), 12.0);
    QCOMPARE(c.Label2(0).Caption(), QString("Exit"));
    QCOMPARE(c.Label4->Caption(), QString("Page 1"));
    QCOMPARE(c.Label4->ForeColor(), RGB(0, 0, 255));
    QVERIFY(c.Check1->Value() == 0 && c.Check2->Value() == 0);
}

void CatalogueTest::firstPage_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("next");
    QTest::newRow("none") << 0 << 0 << false;
    QTest::newRow("one") << 1 << 1 << false;
    QTest::newRow("24") << 24 << 24 << false;
    QTest::newRow("25") << 25 << 24 << true;
}

void CatalogueTest::firstPage() {
    QFETCH(int, count);
    QFETCH(int, shown);
    QFETCH(bool, next);
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(count));
    QCOMPARE(shownTitles(c), sheets(shown));
    QCOMPARE(c.Label3(1).Visible(), next);
    QVERIFY(!c.Label3(0).Visible());
    QCOMPARE(c.Label4->Caption(), QString("Page 1"));
}

void CatalogueTest::everyOneOfAThousandTitlesIsReachable() {
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(1000));
    QStringList seen = shownTitles(c);
    int pages = 1;
    while (c.Label3(1).Visible()) {
        clickControl(&c.Label3(1));
        seen += shownTitles(c);
        ++pages;
    }
    QCOMPARE(pages, 42);
    QCOMPARE(c.Label4->Caption(), QString("Page 42"));
    QCOMPARE(shownTitles(c), sheets(1000).mid(984));
    QCOMPARE(seen, sheets(1000));
    QVERIFY(c.Label3(0).Visible());
    QCOMPARE(env.sound->played.size(), 41);
}

void CatalogueTest::previousPageGoesBack() {
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(25));
    clickControl(&c.Label3(1));
    QCOMPARE(shownTitles(c), QStringList{"Sheet 25"});
    QCOMPARE(c.Label4->Caption(), QString("Page 2"));
    QVERIFY(c.Label3(0).Visible() && !c.Label3(1).Visible());
    clickControl(&c.Label3(0));
    QCOMPARE(shownTitles(c), sheets(24));
    QCOMPARE(c.Label4->Caption(), QString("Page 1"));
    QVERIFY(!c.Label3(0).Visible() && c.Label3(1).Visible());
    QCOMPARE(Module1.CataloguePage, 0);
}

void CatalogueTest::modeBoxesExcludeEachOther() {
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, {});
    clickControl(c.Check2);
    QVERIFY(c.Check2->Value() == 1 && c.Check1->Value() == 0);
    clickControl(c.Check1);
    QVERIFY(c.Check1->Value() == 1 && c.Check2->Value() == 0);
    clickControl(c.Check2);
    QVERIFY(c.Check2->Value() == 1 && c.Check1->Value() == 0);
    clickControl(c.Check2);
    QVERIFY(c.Check2->Value() == 0 && c.Check1->Value() == 0);
}

void CatalogueTest::deleteAfterConfirmation() {
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(30));
    writeWorksheet(env, "Sheet 3");
    clickControl(c.Check2);
    clickControl(&c.Label2(3));
    QCOMPARE(env.messages->shown.size(), size_t(1));
    const ShownMessage& ask = env.messages->shown[0];
    QCOMPARE(ask.text, QString("Are you sure that you want to delete the worksheet Sheet 3?"));
    QCOMPARE(ask.buttons, MsgButtons::OKCancel);
    QCOMPARE(ask.title, QString(""));
    QStringList left = sheets(30);
    left.removeAt(2);
    QCOMPARE(env.readFile("multiple/track.txt"), indexOf(left));
    // The page stays full and keeps its buttons; the next page holds the remaining five.
    QCOMPARE(shownTitles(c), left.mid(0, 24));
    QVERIFY(c.Label3(1).Visible());
    clickControl(&c.Label3(1));
    QCOMPARE(shownTitles(c), left.mid(24));
    QVERIFY(QFile::exists(env.path("multiple/Sheet 3.txt")));
}

void CatalogueTest::cancelLeavesTheIndex() {
    TestEnv env;
    const QByteArray index = indexOf(sheets(3));
    CatalogueScreen& c = openCatalogue(env, sheets(3));
    writeWorksheet(env, "Sheet 2");
    clickControl(c.Check2);
    env.messages->answers.push_back(MsgResult::Cancel);
    clickControl(&c.Label2(2));
    QCOMPARE(env.readFile("multiple/track.txt"), index);
    QCOMPARE(shownTitles(c), sheets(3));
    // The file was read all the same.
    QCOMPARE(Module1.SetTitle, QString("Sheet 2"));
}

void CatalogueTest::deletingTheOnlyTitleOnTheLastPage() {
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(25));
    clickControl(&c.Label3(1));
    clickControl(c.Check2);
    clickControl(&c.Label2(1));
    QCOMPARE(shownTitles(c), QStringList());
    QCOMPARE(c.Label4->Caption(), QString("Page 2"));
    clickControl(&c.Label3(0));
    QCOMPARE(shownTitles(c), sheets(24));
}

void CatalogueTest::missingOrBrokenFiles_data() {
    QTest::addColumn<QByteArray>("file"); // empty: no file at all
    QTest::newRow("missing") << QByteArray();
    QTest::newRow("shorter than a set") << QByteArray("Sheet 2\r\n \r\nOnly a question\r\n");
    QByteArray badDigit = encodeWindows1252(questionSetLines(sampleSet("Sheet 2")).join("\r\n")).value();
    badDigit.replace("\r\n3\r\n", "\r\n7\r\n");
    QTest::newRow("a right answer that names no box") << badDigit;
}

void CatalogueTest::missingOrBrokenFiles() {
    QFETCH(QByteArray, file);
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(3));
    if (!file.isEmpty()) env.writeFile("multiple/Sheet 2.txt", file);
    const QString corrupted = "This worksheet seems to be corrupted.";
    clickControl(&c.Label2(2)); // run
    clickControl(c.Check1);     // edit
    clickControl(&c.Label2(2));
    QCOMPARE(env.messages->texts(), (QStringList{corrupted, corrupted}));
    QVERIFY(!Module1.wizard.isLoaded());
    // It can still be taken off the list.
    clickControl(c.Check2);
    clickControl(&c.Label2(2));
    QCOMPARE(env.messages->shown.size(), size_t(3));
    QCOMPARE(env.messages->shown[2].text,
             QString("Are you sure that you want to delete the worksheet Sheet 2?"));
    QCOMPARE(env.readFile("multiple/track.txt"), indexOf({"Sheet 1", "Sheet 3"}));
    QCOMPARE(shownTitles(c), (QStringList{"Sheet 1", "Sheet 3"}));
}

void CatalogueTest::deleteWithoutAnIndexReportsCorruption() {
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(2));
    QFile::remove(env.path("multiple/track.txt"));
    clickControl(c.Check2);
    clickControl(&c.Label2(1));
    QCOMPARE(env.messages->texts().last(), QString("This worksheet seems to be corrupted."));
    QCOMPARE(shownTitles(c), sheets(2));
    QVERIFY(!QFile::exists(env.path("multiple/track.txt")));
}

void CatalogueTest::editFillsTheWizardOverTheCatalogue() {
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(2));
    writeWorksheet(env, "Sheet 2");
    clickControl(c.Check1);
    clickControl(&c.Label2(2));
    QVERIFY(env.messages->shown.empty());
    QVERIFY(Module1.wizard.isLoaded());
    WizardScreen& w = *Module1.wizard;
    QVERIFY(w.isVisible() && c.isVisible());
    QCOMPARE(w.Text1->Text(), QString("Sheet 2"));
    QCOMPARE(w.Text2(9).Text(), QString("Sheet 2 question 10"));
    QCOMPARE(w.Text3(4 * 3 + 2).Text(), QString("Answer 4C"));
    for (int i = 0; i < 10; ++i)
        for (int k = 0; k < 4; ++k)
            QCOMPARE(w.Check1(4 * i + k).Value(), k == (i + 2) % 4 ? 1 : 0);
    // Saved unchanged, the worksheet's file comes out as it went in.
    const QByteArray before = env.readFile("multiple/Sheet 2.txt");
    clickControl(&w.Label3(1));
    QCOMPARE(env.messages->texts(), QStringList{"Your worksheet has been saved."});
    QCOMPARE(env.readFile("multiple/Sheet 2.txt"), before);
    QCOMPARE(env.readFile("multiple/track.txt"), indexOf(sheets(2)));
}

void CatalogueTest::runsAsAQuizUnderTheMenusTitleAndPicture() {
    TestEnv env;
    env.copyBundled("Images/london.jpg");
    env.writeFile("multiple/track.txt", indexOf(sheets(2)));
    Module1.intro0->Show();
    clickControl(&Module1.intro0->Label2(18));
    settle();
    QVERIFY(!Module1.intro0.isLoaded());
    CatalogueScreen& c = *Module1.worksheets;
    writeWorksheet(env, "Sheet 2");
    clickControl(&c.Label2(2));
    QVERIFY(env.messages->shown.empty());
    QVERIFY(Module1.multiple.isLoaded() && Module1.multiple->isVisible());
    QuizScreen& quiz = *Module1.multiple;
    QCOMPARE(quiz.Label6->Caption(), QString("Sheet 2"));
    QCOMPARE(quiz.Label5->Caption(), QString("Tellwyn Demo"));
    QVERIFY(!quiz.Picture1->Picture().isNull());
    QCOMPARE(quiz.Picture1->Picture().sizeTwips(), LoadPicture("Images\\london.jpg").sizeTwips());
    QCOMPARE(quiz.Label2->Caption(), QString("Sheet 2 question 1"));
    // The menu was loaded for its title and picture, but is not shown; the catalogue stays beneath.
    QVERIFY(Module1.intro0.isLoaded() && !Module1.intro0->isVisible());
    QVERIFY(c.isVisible());
}

void CatalogueTest::aQuizLeftOpenStartsAfresh() {
    TestEnv env;
    CatalogueScreen& c = openCatalogue(env, sheets(2));
    writeWorksheet(env, "Sheet 1");
    writeWorksheet(env, "Sheet 2");
    clickControl(&c.Label2(1));
    QuizScreen* first = Module1.multiple.ifLoaded();
    QVERIFY(first);
    clickControl(&first->Label3(1)); // on to question 2
    clickControl(&c.Label2(2));
    settle();
    QuizScreen& quiz = *Module1.multiple;
    QCOMPARE(quiz.Label6->Caption(), QString("Sheet 2"));
    QCOMPARE(quiz.Label2->Caption(), QString("Sheet 2 question 1"));
}

void CatalogueTest::exitShowsTheMenuAndTheMenuOpensTheCatalogue() {
    TestEnv env;
    env.writeFile("multiple/track.txt", indexOf(sheets(2)));
    MainMenu& menu = *Module1.intro0;
    menu.Show();
    clickControl(&menu.Label2(18));
    settle();
    QVERIFY(!Module1.intro0.isLoaded());
    QVERIFY(Module1.worksheets.isLoaded() && Module1.worksheets->isVisible());
    CatalogueScreen& c = *Module1.worksheets;
    QCOMPARE(shownTitles(c), sheets(2));
    clickControl(&c.Label2(0));
    settle();
    QVERIFY(!Module1.worksheets.isLoaded());
    QVERIFY(Module1.intro0.isLoaded() && Module1.intro0->isVisible());
    QCOMPARE(env.sound->played, (QStringList{"wav/click.wav", "wav/click.wav"}));
}

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
