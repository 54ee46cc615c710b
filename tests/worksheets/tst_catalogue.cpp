// The Worksheet Catalogue: its pages and mode boxes, a click on a title in each mode (its file
// missing too), an index another machine changes while it is open; and worksheets that travel:
// files in the program's layout and in the plain layout teachers type, with a line-numbered message
// for each kind of broken file, the "Files" button, dropped files and the question before a title
// is replaced. (Running, editing and saving a worksheet from it, and the command-line import with its
// status and messages, are the install, practice and worksheets checks', on the real program.)
#include "app/module1.h"
#include "quiz/quizscreen.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguefiles.h"
#include "worksheets/cataloguepaging.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/worksheetimport.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

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

// Ten questions, commas and all; the right answers run B, C, D, A, ... The file as a teacher types
// it, with a title line or without.
QuestionSet aikenSet() {
    QuestionSet s{"Rivers and Seas", {}};
    for (int q = 1; q <= 10; ++q)
        s.questions[q - 1] = {QString("Which river, or sea, is number %1?").arg(q),
                              {"River A", "River B", "River C", "River D"},
                              QString::number(q % 4 + 1)};
    return s;
}
QByteArray aikenFile(bool withTitle = true) {
    QString text = withTitle ? "TITLE: Rivers and Seas\n" : "";
    for (const Question& q : aikenSet().questions)
        text += QString("%1\nA. River A\nB. River B\nC. River C\nD. River D\nANSWER: %2\n\n")
                    .arg(q.text, QString(QChar('A' + q.correct.toInt() - 1)));
    return text.toUtf8();
}

// The good layout with one line (1-based) replaced.
QByteArray layoutWith(int line, const QString& text) {
    QStringList lines = questionSetLines(sampleQuestionSet("Good title"));
    lines[line - 1] = text;
    return lines.join("\r\n").toUtf8() + "\r\n";
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

    void cleanup() { useRealCatalogueFileDialogs(); }

    // In the program's layout. A typed file's messages are the practice check's (on the real program)
    // and the import fuzz target's, which also finds any text that would not read back the same.
    void brokenFileIsToldByLine() {
        const auto row = [](const QByteArray& bytes, const QString& message) {
            const ImportedWorksheet w = readWorksheetFile(bytes, "broken");
            QVERIFY(!w.set);
            QCOMPARE(w.messages().value(0), message.startsWith("the file") ? message : "Line " + message);
            QCOMPARE(w.problems.size(), 1);
        };
        row(layoutWith(8, "5"), "8: the right answer must be a number from 1 to 4.");
        row(layoutWith(10, "Rome, Italy"),
            "10: a comma ends the text here when the file is read; write \"&\" where a comma should be.");
        row(layoutWith(17, QString(61, 'x')),
            "17: Question 3 is longer than the 60 characters the wizard takes.");
        // UTF-8 without a mark, with one character the code page lacks: refused where it is, not the
        // whole file read as the code page ("CafÃ©", "Ï€") and imported.
        row(layoutWith(3, QString::fromUtf8("Caf\u00e9: what is \u03c0?")),
            QString::fromUtf8(
                "3: Question 1 contains the character \"\u03c0\", which a worksheet cannot store."));
        const QString utf16 = QString::fromUtf8(layoutWith(1, "Good title"));
        const QByteArray marked = QByteArray("\xFF\xFE") +
                                  QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
        const QString utf16Message = "the file is saved as UTF-16 (\"Unicode\" in some editors), which a "
                                     "worksheet cannot be read from; save it as UTF-8 and import it again.";
        row(marked, utf16Message);
        row(marked.mid(2), utf16Message);
    }

    void droppedOrChosenReplacedOnlyWhenAsked() {
        TestEnv env;
        env.writeFile("incoming/Rivers and Seas.txt", aikenFile(false).replace("number 1?", "number one?"));
        env.writeFile("incoming/rivers.txt", aikenFile());
        CatalogueScreen& catalogue = *Module1.worksheets;
        catalogue.Show();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(env.path("incoming/Rivers and Seas.txt"))});
        QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&catalogue, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&catalogue, &drop);
        // Dropped without a title line, it takes the file's name.
        QCOMPARE(catalogue.Label2(1).Caption(), QString("Rivers and Seas"));
        const QByteArray before = env.readFile("multiple/Rivers and Seas.txt");

        // The same title chosen through "Files": Cancel keeps the dropped worksheet, OK replaces it.
        CatalogueFileDialogs& d = catalogueFileDialogs();
        d.chooseAction = [](QWidget*) { return CatalogueFileDialogs::Action::Import; };
        d.chooseImportFiles = [&](QWidget*) { return QStringList{env.path("incoming/rivers.txt")}; };
        env.messages->answers = {MsgResult::Cancel, MsgResult::OK};
        clickControl(&catalogue.Label3(CatalogueScreen::FilesMenu));
        QCOMPARE(env.messages->shown.at(1), "A worksheet called Rivers and Seas is already in the "
                                            "catalogue. Do you want to replace it?");
        QCOMPARE(env.readFile("multiple/Rivers and Seas.txt"), before);
        clickControl(&catalogue.Label3(CatalogueScreen::FilesMenu));
        QCOMPARE(env.messages->texts().last(), QString("Your worksheet has been imported."));
        // Stored in the program's own layout, commas as "&" (the index kept as it was: the store suite's).
        const QByteArray stored = env.readFile("multiple/Rivers and Seas.txt");
        QCOMPARE(stored, textFileBytes(questionSetLines(aikenSet())));
    }
};

QTEST_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
