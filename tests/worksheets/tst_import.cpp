// Worksheets that travel: importing files in the program's layout and in the plain layout teachers
// type, with a line-numbered message for every kind of broken file; exporting a copy; the
// catalogue's "Files" button, dropped files and the question before a title is replaced.
#include "app/module1.h"
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

// Ten questions, commas and all; the right answers run B, C, D, A, ...
QuestionSet aikenSet() {
    QuestionSet s{"Rivers and Seas", {}};
    for (int q = 1; q <= 10; ++q)
        s.questions[q - 1] = {QString("Which river, or sea, is number %1?").arg(q),
                              {"River A", "River B", "River C", "River D"},
                              QString::number(q % 4 + 1)};
    return s;
}

// The set as a teacher types it.
QByteArray aikenFile(bool withTitle = true) {
    const QuestionSet s = aikenSet();
    QStringList lines;
    if (withTitle) lines << "TITLE: " + s.title;
    for (const Question& q : s.questions) {
        lines << q.text;
        for (int k = 0; k < 4; ++k)
            lines << QString("%1. %2").arg(QChar('A' + k)).arg(q.answers[k]);
        lines << "ANSWER: " + QString(QChar('A' + q.correct.toInt() - 1)) << "";
    }
    return lines.join('\n').toUtf8();
}

// Runs the command-line import: its status, and what it wrote on stdout and stderr.
std::tuple<int, QString, QString> runImport(const QStringList& paths) {
    FILE* streams[] = {std::tmpfile(), std::tmpfile()};
    const int status = importWorksheetFiles(paths, streams[0], streams[1]);
    QString texts[2];
    for (int i = 0; i < 2; ++i) {
        std::rewind(streams[i]);
        QFile f;
        f.open(streams[i], QIODevice::ReadOnly);
        texts[i] = QString::fromUtf8(f.readAll());
        f.close();
        std::fclose(streams[i]);
    }
    return {status, texts[0], texts[1]};
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

    void brokenFileIsToldByLineAndWritesNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QByteArray& bytes, const QString& message) {
            QTest::newRow(name) << bytes << "Line " + message;
        };
        row("short", layoutWith(0, {}, 40),
            "41: the file ends here, but a worksheet has 72 lines: the title, a blank line, then for each "
            "question its text, answers A to D, the number of the right answer and a blank line.");
        row("too long", layoutWith(0, {}) + "\r\n \r\nextra\r\n\r\n",
            "73: a worksheet ends after line 72; this line and those after it are too many.");
        row("right answer 5", layoutWith(8, "5"), "8: the right answer must be a number from 1 to 4.");
        row("comma", layoutWith(10, "Rome, Italy"),
            "10: a comma ends the text here when the file is read; write \"&\" where a comma should be.");
        row("spacer", layoutWith(9, "Question two?"),
            "9: this line must be blank: it separates the questions.");
        row("empty answer", layoutWith(5, ""), "5: You have not completed Question 1.");
        row("title not a file name", layoutWith(1, "Maths/Science"),
            "1: The Worksheet Title cannot contain the character \"/\". Please choose another title.");
        row("question too long", layoutWith(17, QString(61, 'x')),
            "17: Question 3 is longer than the 60 characters the wizard takes.");
        row("typed: answer E", aikenWith(7, "ANSWER: E"),
            "7: the right answer must be one of the letters A, B, C and D.");
        row("typed: answer missing", aikenWith(4, QString()),
            "4: answer B of question 1 should stand here, as \"B. ...\".");
        row("typed: nine questions",
            QStringList(QString::fromUtf8(aikenFile()).split('\n').mid(0, 64)).join('\n').toUtf8(),
            "64: the file ends after 9 questions; a worksheet has ten.");
        row("typed: ampersand", aikenWith(3, "A. Salt & pepper"),
            "3: Answer A of Question 1 contains \"&\", which a worksheet reads back as a comma; write "
            "\"and\" instead.");
    }

    void brokenFileIsToldByLineAndWritesNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        TestEnv env;
        env.writeFile("incoming/broken.txt", bytes);
        const ImportedWorksheet w = readWorksheetFileAt(env.path("incoming/broken.txt"));
        QVERIFY(!w.set);
        QCOMPARE(w.problems.value(0), message);
        const auto [status, out, err] = runImport({env.path("incoming/broken.txt")});
        QCOMPARE(status, 1);
        QVERIFY(out.isEmpty());
        QVERIFY2(err.contains(message), qPrintable(err));
        QCOMPARE(filesIn(env), QStringList());
    }

    void aikenFileImportsRunsAndExportsByteForByte() {
        TestEnv env;
        env.writeFile("incoming/rivers.txt", aikenFile());
        QCOMPARE(runImport({env.path("incoming/rivers.txt")}),
                 std::tuple(0, QString("Rivers and Seas\n"), QString()));
        // Stored in the program's own layout, commas as "&".
        const QByteArray stored = env.readFile("multiple/Rivers and Seas.txt");
        QCOMPARE(stored, textFileBytes(questionSetLines(aikenSet())));
        // It reads back as the same worksheet, blank lines an editor adds after the last line and all.
        QCOMPARE(questionSetLines(*readWorksheetFile(stored + "\r\n\r\n", "x").set),
                 questionSetLines(aikenSet()));

        // Found in the catalogue (running it is the practice check's, under Xvfb).
        CatalogueScreen& catalogue = *Module1.worksheets;
        catalogue.Show();
        QCOMPARE(catalogue.Label2(1).Caption(), QString("Rivers and Seas"));

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
    }

    void catalogueAsksBeforeReplacing() {
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
        env.messages->answers = {MsgResult::Cancel, MsgResult::OK};
        Module1.worksheets->Show();
        clickControl(&Module1.worksheets->Label3(2)); // "Files", then Cancel keeps the old worksheet
        QCOMPARE(env.messages->shown.at(0).text, "A worksheet called Rivers and Seas is already in the "
                                                 "catalogue. Do you want to replace it?");
        QCOMPARE(env.messages->shown.at(0).buttons, MsgButtons::OKCancel);
        QCOMPARE(env.readFile("multiple/Rivers and Seas.txt"), before);
        clickControl(&Module1.worksheets->Label3(2)); // OK replaces it
        QCOMPARE(env.messages->texts().last(), QString("Your worksheet has been imported."));
        QCOMPARE(env.readFile("multiple/Rivers and Seas.txt"), textFileBytes(questionSetLines(aikenSet())));
        QCOMPARE(env.readFile("multiple/track.txt"), index);
    }

    void droppedFilesAreImported() {
        TestEnv env;
        env.writeFile("incoming/Rivers.txt", aikenFile(false));
        env.writeFile("incoming/broken.txt", layoutWith(8, "9"));
        CatalogueScreen& catalogue = *Module1.worksheets;
        catalogue.Show();
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(env.path("incoming/Rivers.txt")),
                      QUrl::fromLocalFile(env.path("incoming/broken.txt"))});
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
};

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
