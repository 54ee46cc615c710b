#include "worksheets/worksheetimport.h"

#include "platform/files.h"
#include "platform/folders.h"
#include "platform/windows1252.h"
#include "quiz/questionsperset.h"
#include "worksheets/aiken.h"
#include "worksheets/wizardcheck.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>

namespace {

// A worksheet is a few kilobytes; anything much larger is not one.
constexpr qint64 MaxWorksheetFileBytes = 1024 * 1024;

const QString TitleField = QStringLiteral("The Worksheet Title");

ImportProblem atLine(int line, const QString& text, const QString& field = {}) {
    return {line, field, text};
}

// What a teacher's editor wrote: UTF-8 when the bytes are valid UTF-8, else the program's own code
// page. A byte order mark is not text. Characters the code page cannot hold are then refused by
// line, rather than the whole file read as the code page into something nobody typed. (A file the
// program wrote whose bytes happen to be valid multi-byte UTF-8 as well, which takes unusual pairs
// such as "Ã©", is read as UTF-8 too.)
QStringList linesOf(const QByteArray& bytes) {
    QByteArray b = bytes;
    if (b.startsWith("\xEF\xBB\xBF")) b.remove(0, 3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(b);
    if (utf8.hasError()) text = decodeWindows1252(b);
    QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    // The end of the last line is not a line of its own.
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    return lines;
}

// The program's own layout, each line read as the quiz's loader reads it.
SourcedSet readLayout(QStringList lines, QList<ImportProblem>& problems) {
    // Blank lines an editor leaves after the last spacer are not part of the worksheet.
    while (lines.size() > QuestionSetLines && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const int n = static_cast<int>(lines.size());
    if (n < QuestionSetLines)
        problems << atLine(n + 1,
                           QStringLiteral("the file ends here, but a worksheet has 72 lines: the title, a "
                                          "blank line, then for each question its text, answers A to D, "
                                          "the number of the right answer and a blank line."));
    if (n > QuestionSetLines)
        problems << atLine(QuestionSetLines + 1,
                           QStringLiteral("a worksheet ends after line 72; this line and "
                                          "those after it are too many."));
    auto typed = [&](int line, QString& into) {
        if (line > n) return;
        if (lines[line - 1].contains(','))
            problems << atLine(line, QStringLiteral("a comma ends the text here when the file is read; write "
                                                    "\"&\" where a comma should be."));
        // The loader skips leading blanks; a double quote after them is refused by the store's checks.
        const QString& raw = lines[line - 1];
        qsizetype start = 0;
        while (start < raw.size() && raw[start] == ' ')
            ++start;
        into = restoreCommas(raw.mid(start));
    };
    auto spacer = [&](int line) {
        if (line <= n && !lines[line - 1].trimmed().isEmpty())
            problems << atLine(line, QStringLiteral("this line must be blank: it separates the questions."));
    };
    SourcedSet s;
    s.titleLine = 1;
    typed(1, s.set.title);
    spacer(2);
    for (int q = 0; q < QuestionsPerSet; ++q) {
        const int base = 3 + 7 * q;
        s.questionLine[q] = base;
        typed(base, s.set.questions[q].text);
        for (int k = 0; k < 4; ++k) {
            s.answerLine[q][k] = base + 1 + k;
            typed(base + 1 + k, s.set.questions[q].answers[k]);
        }
        s.rightLine[q] = base + 5;
        const QString digit = base + 5 <= n ? lines[base + 4].trimmed() : QString();
        if (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '4')
            s.set.questions[q].correct = digit;
        else if (base + 5 <= n)
            problems << atLine(base + 5, QStringLiteral("the right answer must be a number from 1 to 4."));
        spacer(base + 6);
    }
    return s;
}

// One typed text: the wizard's length and the store's refusals.
void checkText(QList<ImportProblem>& problems, int line, const QString& field, const QString& text,
               int maxLength, bool ampersandIsTyped) {
    if (text.size() > maxLength)
        problems << atLine(
            line,
            QStringLiteral("%1 is longer than the %2 characters the wizard takes.").arg(field).arg(maxLength),
            field);
    // In a hand-typed file "&" is meant as itself, but a worksheet file gives it back as a comma.
    if (ampersandIsTyped && text.contains('&'))
        problems << atLine(line,
                           QStringLiteral("%1 contains \"&\", which a worksheet reads back as a comma; "
                                          "write \"and\" instead.")
                               .arg(field),
                           field);
    if (const auto r = typedTextRefusal(field, text)) problems << atLine(line, *r, field);
}

WizardFields fieldsOf(const QuestionSet& set) {
    WizardFields f;
    f.title = set.title;
    for (int i = 0; i < QuestionsPerSet; ++i) {
        f.questions[i] = set.questions[i].text;
        for (int k = 0; k < 4; ++k) {
            f.answers[4 * i + k] = set.questions[i].answers[k];
            f.ticks[4 * i + k] = set.questions[i].correct == QString::number(k + 1) ? 1 : 0;
        }
    }
    return f;
}

// The wizard's own check, on a set whose every text has passed, can only find one left empty: the
// title, or the first text of a question in file order. Its line is that text's.
int firstEmptyLine(const SourcedSet& s) {
    if (s.set.title.isEmpty()) return s.titleLine;
    for (int q = 0; q < QuestionsPerSet; ++q) {
        if (s.set.questions[q].text.isEmpty()) return s.questionLine[q];
        for (int k = 0; k < 4; ++k)
            if (s.set.questions[q].answers[k].isEmpty()) return s.answerLine[q][k];
        if (s.set.questions[q].correct.isEmpty()) return s.rightLine[q];
    }
    return 0;
}

void checkSet(const SourcedSet& s, bool handTyped, QList<ImportProblem>& problems) {
    const QString& title = s.set.title;
    if (title.size() > TitleLength)
        problems << atLine(
            s.titleLine,
            QStringLiteral("the title is longer than the %1 characters the wizard takes.").arg(TitleLength),
            TitleField);
    if (const auto r = titleRefusal(title); r && !title.isEmpty())
        problems << atLine(s.titleLine, *r, TitleField);
    for (int q = 0; q < QuestionsPerSet; ++q) {
        const Question& question = s.set.questions[q];
        const QString name = QStringLiteral("Question %1").arg(q + 1);
        checkText(problems, s.questionLine[q], name, question.text, QuestionLength, handTyped);
        for (int k = 0; k < 4; ++k)
            checkText(problems, s.answerLine[q][k],
                      QStringLiteral("Answer %1 of %2").arg(QChar('A' + k)).arg(name), question.answers[k],
                      AnswerLength, handTyped);
    }
    if (!problems.isEmpty()) return;
    if (const auto p = genworkProblem(fieldsOf(s.set))) problems << atLine(firstEmptyLine(s), *p + '.');
}

// A title stands first in the worksheet's file, where a byte order mark in front of it (from a file
// pasted into another) would be taken for the file's own mark on the way back in, and dropped then.
// So it is dropped now, with the blanks around it that the reader skips anyway.
QString withoutLeadingMarks(const QString& title) {
    static const QString marks[] = {QStringLiteral(" "), QStringLiteral("\u00EF\u00BB\u00BF"),
                                    QStringLiteral("\uFEFF")};
    QStringView rest(title);
    for (bool more = true; more;) {
        more = false;
        for (const QString& mark : marks)
            if (rest.startsWith(mark)) {
                rest = rest.mid(mark.size());
                more = true;
            }
    }
    return rest.toString();
}

// UTF-16 (or UTF-32), with or without a mark: text whose every other byte is mostly zero. Read as
// either code page it would give a message for every line.
bool looksLikeUtf16(const QByteArray& bytes) {
    const QByteArray head = bytes.left(512);
    if (!head.contains('\0')) return false;
    if (head.startsWith("\xFF\xFE") || head.startsWith("\xFE\xFF")) return true;
    qsizetype zeros[2] = {0, 0};
    for (qsizetype i = 0; i < head.size(); ++i)
        zeros[i % 2] += head[i] == '\0' ? 1 : 0;
    return std::max(zeros[0], zeros[1]) * 4 >= head.size() / 2;
}

} // namespace

QString ImportProblem::message() const {
    if (line == WholeFile) return text;
    return line > 0 ? QStringLiteral("Line %1: %2").arg(line).arg(text)
                    : QStringLiteral("The file's name, taken as the title: %1").arg(text);
}

QStringList ImportedWorksheet::messages() const {
    QStringList all;
    for (const ImportProblem& p : problems)
        all << p.message();
    return all;
}

ImportedWorksheet readWorksheetFile(const QByteArray& bytes, const QString& fileBaseName) {
    ImportedWorksheet result;
    if (looksLikeUtf16(bytes)) {
        result.problems << atLine(ImportProblem::WholeFile,
                                  QStringLiteral("the file is saved as UTF-16 (\"Unicode\" in some "
                                                 "editors), which a worksheet cannot be read from; save it "
                                                 "as UTF-8 and import it again."));
        return result;
    }
    const QStringList lines = linesOf(bytes);
    const bool aiken = looksLikeAiken(lines);
    SourcedSet s =
        aiken ? readAiken(lines, fileBaseName, result.problems) : readLayout(lines, result.problems);
    s.set.title = withoutLeadingMarks(s.set.title);
    if (result.problems.isEmpty()) checkSet(s, aiken, result.problems);
    std::stable_sort(result.problems.begin(), result.problems.end(),
                     [](const ImportProblem& a, const ImportProblem& b) { return a.line < b.line; });
    if (result.problems.isEmpty()) result.set = s.set;
    return result;
}

ImportedWorksheet readWorksheetFileAt(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || info.size() > MaxWorksheetFileBytes || !file.open(QIODevice::ReadOnly))
        return {
            std::nullopt,
            {atLine(ImportProblem::WholeFile, QStringLiteral("the file cannot be read as a worksheet."))}};
    return readWorksheetFile(file.read(MaxWorksheetFileBytes), info.completeBaseName());
}

namespace {

// Whether a path lies in a folder or below it, links followed; a path not there yet is judged by
// the nearest folder above it that is.
bool isInside(const QString& path, const QString& folder) {
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty()) return false;
    QFileInfo at(QFileInfo(path).absoluteFilePath());
    QString rest;
    while (!at.exists() && at.absolutePath() != at.absoluteFilePath()) {
        rest = '/' + at.fileName() + rest;
        at = QFileInfo(at.absolutePath());
    }
    const QString real = at.canonicalFilePath() + rest;
    return real == root || real.startsWith(root + '/');
}

} // namespace

std::optional<QString> exportWorksheet(const QString& title, const QString& targetPath) {
    // A copy over the index (or a worksheet, or the program's own files) would empty the catalogue.
    for (const QString& folder : {worksheetRoot(), dataFolder()})
        if (isInside(targetPath, folder))
            return QStringLiteral("A worksheet cannot be exported into the program's own folder %1. "
                                  "Please choose another folder, such as your Documents folder.")
                .arg(QDir::toNativeSeparators(folder));
    const auto bytes = storedWorksheetBytes(title);
    if (!bytes || bytes->size() > MaxWorksheetFileBytes)
        return QStringLiteral("The worksheet %1 cannot be read.").arg(title);
    switch (writeFileAtomically(targetPath, *bytes)) {
    case WriteProblem::None:
        return std::nullopt;
    case WriteProblem::NoPermission:
        return QStringLiteral("You do not have permission to write in %1.")
            .arg(QDir::toNativeSeparators(QFileInfo(targetPath).absolutePath()));
    case WriteProblem::ReadOnly:
        return QStringLiteral("%1 is on a disk that can only be read.")
            .arg(QDir::toNativeSeparators(QFileInfo(targetPath).absolutePath()));
    case WriteProblem::DiskFull:
        return QStringLiteral("The disk that holds %1 is full; the worksheet was not exported.")
            .arg(QDir::toNativeSeparators(QFileInfo(targetPath).absolutePath()));
    case WriteProblem::Other:
        break;
    }
    return QStringLiteral("There was a problem exporting your worksheet");
}
