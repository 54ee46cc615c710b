// Worksheets that travel: importing files in the program's layout and in the plain layout teachers
// type, with a line-numbered message for every kind of broken file; exporting a copy; the
// catalogue's "Files" button, dropped files and the question before a title is replaced.
#include "app/module1.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguefiles.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/worksheetimport.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <cstdio>

namespace {

// Ten questions as a teacher types them, commas and all; the right answers run B, C, D, A, ...
QByteArray aikenFile(bool withTitle = true) {
    QStringList lines;
    if (withTitle) lines << "TITLE: Rivers and Seas";
    for (int q = 1; q <= 10; ++q) {
        lines << QString("Which river, or sea, is number %1?").arg(q);
        for (int k = 0; k < 4; ++k)
            lines << QString("%1. River %2%1").arg(QChar('A' + k)).arg(q);
        lines << QString("ANSWER: %1").arg(QChar('A' + q % 4)) << "";
    }
    return lines.join('\n').toUtf8();
}

QuestionSet aikenSet() {
    QuestionSet s;
    s.title = "Rivers and Seas";
    for (int q = 0; q < 10; ++q) {
        s.questions[q].text = QString("Which river, or sea, is number %1?").arg(q + 1);
        for (int k = 0; k < 4; ++k)
            s.questions[q].answers[k] = QString("River %1%2").arg(q + 1).arg(QChar('A' + k));
        s.questions[q].correct = QString::number((q + 1) % 4 + 1);
    }
    return s;
}

struct CommandRun {
    int status;
    QString out, err;
};

QString readAll(FILE* f) {
    std::rewind(f);
    QByteArray bytes;
    char buf[4096];
    for (size_t n; (n = std::fread(buf, 1, sizeof buf, f)) > 0;)
        bytes.append(buf, static_cast<qsizetype>(n));
    std::fclose(f);
    return QString::fromUtf8(bytes);
}

CommandRun runImport(const QStringList& paths) {
    FILE* out = std::tmpfile();
    FILE* err = std::tmpfile();
    const int status = importWorksheetFiles(paths, out, err);
    return {status, readAll(out), readAll(err)};
}

QStringList filesIn(TestEnv& env) {
    return QDir(env.path("multiple")).entryList(QDir::Files, QDir::Name);
}

// The good layout with one line (1-based) replaced, or cut after `keep` lines.
QByteArray layoutWith(int line, const QString& text, int keep = 72) {
    QStringList lines = questionSetLines(sampleQuestionSet("Good title"));
    if (line > 0) lines[line - 1] = text;
    lines = lines.mid(0, keep);
    return lines.join("\r\n").toUtf8() + "\r\n";
}

QByteArray aikenWith(int line, const QString& text) {
    QStringList lines = QString::fromUtf8(aikenFile()).split('\n');
    if (text.isNull())
        lines.removeAt(line - 1);
    else
        lines[line - 1] = text;
    return lines.join('\n').toUtf8();
}

} // namespace

class ImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { useRealCatalogueFileDialogs(); }
    void brokenFileIsToldByLineAndWritesNothing_data();
    void brokenFileIsToldByLineAndWritesNothing();
    void aikenFileImportsRunsAndExportsByteForByte();
    void catalogueAsksBeforeReplacing_data();
    void catalogueAsksBeforeReplacing();
    void droppedFilesAreImported();
};

void ImportTest::brokenFileIsToldByLineAndWritesNothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString tooLong(61, 'x');
    QTest::newRow("short")
        << layoutWith(0, {}, 40)
        << "Line 41: the file ends here, but a worksheet has 72 lines: the title, a blank line, "
           "then for each question its text, answers A to D, the number of the right answer "
           "and a blank line.";
    QTest::newRow("too long")
        << layoutWith(0, {}) + "\r\n \r\nextra\r\n\r\n"
        << "Line 73: a worksheet ends after line 72; this line and those after it are too many.";
    QTest::newRow("right answer 5") << layoutWith(8, "5")
                                    << "Line 8: the right answer must be a number from 1 to 4.";
    QTest::newRow("right answer B") << layoutWith(50, "B")
                                    << "Line 50: the right answer must be a number from 1 to 4.";
    QTest::newRow("comma")
        << layoutWith(10, "Rome, Italy")
        << "Line 10: a comma ends the text here when the file is read; write \"&\" where a comma "
           "should be.";
    QTest::newRow("spacer") << layoutWith(9, "Question two?")
                            << "Line 9: this line must be blank: it separates the questions.";
    QTest::newRow("empty answer") << layoutWith(5, "") << "Line 5: You have not completed Question 1.";
    QTest::newRow("empty title") << layoutWith(1, "")
                                 << "Line 1: You have not chosen a title for your worksheet.";
    QTest::newRow("title not a file name")
        << layoutWith(1, "Maths/Science")
        << "Line 1: The Worksheet Title cannot contain the character \"/\". Please choose another title.";
    QTest::newRow("title too long") << layoutWith(1, QString(26, 't'))
                                    << "Line 1: the title is longer than the 25 characters the wizard takes.";
    QTest::newRow("question too long")
        << layoutWith(17, tooLong)
        << "Line 17: Question 3 is longer than the 60 characters the wizard takes.";
    QTest::newRow("quoted answer") << layoutWith(4, "\"Yes\" he said")
                                   << "Line 4: Answer A of Question 1 cannot begin with a double quote (\").";
    QTest::newRow("not in the code page")
        << layoutWith(3, QString::fromUtf8("Who wrote \xCE\xA9?"))
        << QString::fromUtf8(
               "Line 3: Question 1 contains the character \"\xCE\xA9\", which a worksheet cannot store.");
    QTest::newRow("control character") << layoutWith(11, QString("Bell") + QChar(7))
                                       << "Line 11: Answer A of Question 2 contains a control character "
                                          "(code 7), which a worksheet cannot store.";
    QTest::newRow("typed: no answer line")
        << aikenWith(7, "") << "Line 7: \"ANSWER: \" and the letter of the right answer should stand here.";
    QTest::newRow("typed: answer E") << aikenWith(7, "ANSWER: E")
                                     << "Line 7: the right answer must be one of the letters A, B, C and D.";
    QTest::newRow("typed: answer missing")
        << aikenWith(4, QString()) << "Line 4: answer B of question 1 should stand here, as \"B. ...\".";
    QTest::newRow("typed: nine questions")
        << QStringList(QString::fromUtf8(aikenFile()).split('\n').mid(0, 64)).join('\n').toUtf8()
        << "Line 64: the file ends after 9 questions; a worksheet has ten.";
    QTest::newRow("typed: ampersand")
        << aikenWith(3, "A. Salt & pepper")
        << "Line 3: Answer A of Question 1 contains \"&\", which a worksheet reads back as "
           "a comma; write \"and\" instead.";
}

void ImportTest::brokenFileIsToldByLineAndWritesNothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TestEnv env;
    env.writeFile("incoming/broken.txt", bytes);
    const ImportedWorksheet w = readWorksheetFileAt(env.path("incoming/broken.txt"));
    QVERIFY(!w.set);
    QCOMPARE(w.problems.value(0), message);
    const CommandRun run = runImport({env.path("incoming/broken.txt")});
    QCOMPARE(run.status, 1);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(filesIn(env), QStringList());
}

void ImportTest::aikenFileImportsRunsAndExportsByteForByte() {
    TestEnv env;
    env.writeFile("incoming/rivers.txt", aikenFile());
    const CommandRun run = runImport({env.path("incoming/rivers.txt")});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, QString("Rivers and Seas\n"));
    // Stored in the program's own layout, commas as "&".
    const QByteArray stored = env.readFile("multiple/Rivers and Seas.txt");
    QCOMPARE(stored, textFileBytes(questionSetLines(aikenSet())));
    // Blank lines an editor adds after the last line do not make the stored layout too long.
    QVERIFY(readWorksheetFile(stored + "\r\n\r\n", "x").set);

    // Found in the catalogue and run as a quiz, all right.
    CatalogueScreen& catalogue = *Module1.worksheets;
    catalogue.Show();
    QCOMPARE(catalogue.Label2(1).Caption(), QString("Rivers and Seas"));
    clickControl(&catalogue.Label2(1));
    QuizScreen& quiz = *Module1.multiple;
    QCOMPARE(quiz.Label6->Caption(), QString("Rivers and Seas"));
    QCOMPARE(quiz.Label2->Caption(), QString("Which river, or sea, is number 1?"));
    for (int q = 1; q <= 10; ++q) {
        clickControl(&quiz.Option1(q % 4 + 1));
        clickControl(&quiz.Label3(1));
    }
    settle(30);
    QCOMPARE(Module1.Welldone->Label1->Caption(), QString("Excellent work. You have scored 10 out of 10."));
    Module1.Welldone.Unload();

    // Exported through the "Files" button: a copy of the stored file.
    CatalogueFileDialogs& d = catalogueFileDialogs();
    d.chooseAction = [](QWidget*) { return CatalogueFileDialogs::Action::Export; };
    d.chooseTitle = [](QWidget*, const QStringList& titles) { return std::optional(titles.value(0)); };
    QString suggested;
    d.chooseExportTarget = [&](QWidget*, const QString& name) {
        suggested = name;
        return env.path("outgoing.txt");
    };
    clickControl(&catalogue.Label3(2));
    QCOMPARE(suggested, QString("Rivers and Seas.txt"));
    QCOMPARE(env.messages->texts().last(), QString("Your worksheet has been exported."));
    QCOMPARE(env.readFile("outgoing.txt"), stored);

    // The exported file imports elsewhere as the very same worksheet.
    const QByteArray exported = env.readFile("outgoing.txt");
    catalogue.Unload();
    TestEnv elsewhere;
    elsewhere.writeFile("incoming/Rivers and Seas.txt", exported);
    QCOMPARE(runImport({elsewhere.path("incoming/Rivers and Seas.txt")}).status, 0);
    QCOMPARE(elsewhere.readFile("multiple/Rivers and Seas.txt"), stored);
}

void ImportTest::catalogueAsksBeforeReplacing_data() {
    QTest::addColumn<bool>("replace");
    QTest::newRow("cancel keeps the old worksheet") << false;
    QTest::newRow("OK replaces it") << true;
}

void ImportTest::catalogueAsksBeforeReplacing() {
    QFETCH(bool, replace);
    TestEnv env;
    QuestionSet old = aikenSet();
    old.questions[0].text = "The old first question";
    QVERIFY(saveWorksheet(old));
    const QByteArray before = env.readFile("multiple/Rivers and Seas.txt");
    const QByteArray index = env.readFile("multiple/track.txt");
    env.writeFile("incoming/new.txt", aikenFile());
    CatalogueFileDialogs& d = catalogueFileDialogs();
    d.chooseAction = [](QWidget*) { return CatalogueFileDialogs::Action::Import; };
    d.chooseImportFiles = [&](QWidget*) { return QStringList{env.path("incoming/new.txt")}; };
    env.messages->answers = {replace ? MsgResult::OK : MsgResult::Cancel};
    CatalogueScreen& catalogue = *Module1.worksheets;
    catalogue.Show();
    clickControl(&catalogue.Label3(2));
    QCOMPARE(
        env.messages->shown.at(0).text,
        QString(
            "A worksheet called Rivers and Seas is already in the catalogue. Do you want to replace it?"));
    QCOMPARE(env.messages->shown.at(0).buttons, MsgButtons::OKCancel);
    QCOMPARE(env.readFile("multiple/Rivers and Seas.txt") == before, !replace);
    QCOMPARE(env.readFile("multiple/track.txt"), index);
    if (replace) QCOMPARE(env.messages->texts().last(), QString("Your worksheet has been imported."));
}

void ImportTest::droppedFilesAreImported() {
    TestEnv env;
    env.writeFile("incoming/Rivers.txt", aikenFile(false));
    env.writeFile("incoming/broken.txt", layoutWith(8, "9"));
    env.writeFile("incoming/picture.png", "not a worksheet");
    CatalogueScreen& catalogue = *Module1.worksheets;
    catalogue.Show();
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(env.path("incoming/Rivers.txt")),
                  QUrl::fromLocalFile(env.path("incoming/broken.txt")),
                  QUrl::fromLocalFile(env.path("incoming/picture.png"))});
    QDragEnterEvent enter(QPoint(400, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&catalogue, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(400, 300), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&catalogue, &drop);
    // The title is the file's name when the file gives none; the broken file is told and skipped.
    QCOMPARE(catalogue.Label2(1).Caption(), QString("Rivers"));
    QVERIFY(catalogue.Label2(1).isVisible() && !catalogue.Label2(2).isVisible());
    QCOMPARE(env.messages->texts(),
             QStringList({"The file broken.txt cannot be imported:\n\nLine 8: the right answer "
                          "must be a number from 1 to 4.",
                          "Your worksheet has been imported."}));
    QCOMPARE(filesIn(env), QStringList({"Rivers.txt", "track.txt"}));
}

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
