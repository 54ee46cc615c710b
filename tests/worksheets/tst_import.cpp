// Worksheets that travel: importing files in the program's layout and in the plain layout teachers
// type, with a line-numbered message for each kind of broken file; the catalogue's "Files" button,
// dropped files and the question before a title is replaced. (The command-line import, its status
// and its messages are the practice check's, on the real program.)
#include "app/module1.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguefiles.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/worksheetimport.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace {

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

class ImportTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

QTEST_MAIN(ImportTest)
#include "tst_import.moc"
