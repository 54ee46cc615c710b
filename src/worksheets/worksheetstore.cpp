#include "worksheets/worksheetstore.h"

#include "platform/files.h"
#include "quiz/questionsperset.h"
#include "state/sharedstate.h"
#include "worksheets/worksheetindex.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <limits>

namespace {

// A save holds the lock for a few milliseconds. A holder that died is noticed at once (the lock
// names its process); one that is alive but silent this long is taken to be gone.
constexpr int StaleLockMs = 10000;
constexpr int LockWaitMs = 12000;

// Names that files of the program itself already take in multiple/.
const QStringList ReservedTitles{QStringLiteral("track"), QStringLiteral("The Moon Landings"),
                                 QStringLiteral("Julius Caesar")};

// Characters no file name may hold on Windows or Linux, and the two the index and the question
// set file cannot give back: a comma ends a field, and "&" reads back as a comma.
const QString CharsNotInTitles = QStringLiteral("/\\:*?\"<>|,&");

QString described(QChar c) {
    if (c == '"') return QStringLiteral("a double quote (\")");
    if (c.unicode() < 32 || c.unicode() == 127)
        return QStringLiteral("a control character (code %1)").arg(c.unicode());
    return QStringLiteral("the character \"%1\"").arg(c);
}

// What every field must be: storable in the file's code page, on one line.
std::optional<QString> fieldRefusal(const QString& field, const QString& text) {
    if (const auto c = firstCharNotInWindows1252(text))
        return QStringLiteral("%1 contains %2, which a worksheet cannot store.").arg(field, described(*c));
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() == 127)
            return QStringLiteral("%1 contains %2, which a worksheet cannot store.").arg(field, described(c));
    return std::nullopt;
}

} // namespace

std::optional<QString> titleRefusal(const QString& title) {
    const QString field = QStringLiteral("The Worksheet Title");
    if (auto r = fieldRefusal(field, title)) return r;
    for (QChar c : title)
        if (CharsNotInTitles.contains(c))
            return QStringLiteral("%1 cannot contain %2. Please choose another title.")
                .arg(field, described(c));
    if (title.startsWith(' '))
        return QStringLiteral("%1 cannot begin with a blank. Please choose another title.").arg(field);
    if (title.endsWith(' '))
        return QStringLiteral("%1 cannot end with a blank. Please choose another title.").arg(field);
    if (title.endsWith('.'))
        return QStringLiteral("%1 cannot end with %2. Please choose another title.")
            .arg(field, described('.'));
    for (const QString& reserved : ReservedTitles)
        if (title.compare(reserved, Qt::CaseInsensitive) == 0)
            return QStringLiteral(
                       "The title \"%1\" belongs to the program's own files. Please choose another title.")
                .arg(title);
    return std::nullopt;
}

// A typed text that starts with a double quote (after blanks, which the reader skips) would be read
// back as a quoted field and lose its quotes.
std::optional<QString> typedTextRefusal(const QString& field, const QString& text) {
    if (auto r = fieldRefusal(field, text)) return r;
    for (QChar c : text) {
        if (c == ' ' || c == '\t') continue;
        if (c == '"') return QStringLiteral("%1 cannot begin with %2.").arg(field, described(c));
        break;
    }
    return std::nullopt;
}

namespace {

// multiple/, created when missing, as an absolute path; empty when it cannot be had.
QString worksheetFolder() {
    const QString folder = resolveDataPath(QStringLiteral("multiple"));
    if (folder.isEmpty() || !QDir().mkpath(folder)) return {};
    return folder;
}

class IndexLock {
public:
    explicit IndexLock(const QString& folder) : lock_(folder + QStringLiteral("/track.txt.lock")) {
        lock_.setStaleLockTime(StaleLockMs);
        held_ = lock_.tryLock(LockWaitMs);
    }
    bool held() const { return held_; }

private:
    QLockFile lock_; // released when it goes out of scope
    bool held_ = false;
};

// The titles as the file lists them, every one of them; nothing when there is a file without a
// count. A missing file is an empty store.
std::optional<QStringList> readIndexForRewrite() {
    if (!QFileInfo::exists(resolveDataPath(WorksheetIndexFile))) return QStringList();
    const auto index = readWorksheetIndex(WorksheetIndexFile, std::numeric_limits<long long>::max());
    if (!index) return std::nullopt;
    return index->titles;
}

void copyIntoModule1(const QStringList& titles) {
    const int n = static_cast<int>(std::min<qsizetype>(titles.size(), MaxWorksheets));
    Shared.WorksheetCount = n;
    for (int i = 0; i < n; ++i)
        Shared.WorksheetTitles[i + 1] = titles[i];
}

bool writeIndex(const QStringList& titles) {
    return writeTextFileAtomically(resolveDataPath(WorksheetIndexFile), worksheetIndexLines(titles));
}

} // namespace

QString worksheetFile(const QString& title) {
    return QStringLiteral("multiple/") + title + QStringLiteral(".txt");
}

std::optional<QString> worksheetRefusal(const QuestionSet& set) {
    if (auto r = titleRefusal(set.title)) return r;
    for (int q = 0; q < QuestionsPerSet; ++q) {
        const Question& question = set.questions[q];
        const QString name = QStringLiteral("Question %1").arg(q + 1);
        if (auto r = typedTextRefusal(name, question.text)) return r;
        for (int k = 0; k < 4; ++k)
            if (auto r = typedTextRefusal(QStringLiteral("Answer %1 of %2").arg(QChar('A' + k)).arg(name),
                                          question.answers[k]))
                return r;
    }
    return std::nullopt;
}

QStringList worksheetIndexLines(const QStringList& titles) {
    QStringList lines{QStringLiteral(" %1 ").arg(titles.size())};
    // A title kept from a hand-quoted line may begin with a blank, which a bare line would lose
    // on reading; it keeps its quotes. (The wizard refuses such titles, so only these are quoted.)
    for (const QString& t : titles)
        lines << (t.startsWith(' ') || t.startsWith('\t') ? '"' + t + '"' : t);
    return lines;
}

TrackResult trackworksheets(QStringList& titles, const QString& title) {
    if (titles.contains(title)) return TrackResult::AlreadyListed;
    if (titles.size() >= MaxWorksheets) return TrackResult::Full;
    titles.append(title);
    return TrackResult::Added;
}

bool saveWorksheet(const QuestionSet& set) {
    const QString folder = worksheetFolder();
    if (folder.isEmpty()) return false;
    // The file is named exactly as typed, not matched without regard to case: titles that differ
    // only in case are different worksheets and must not share a file.
    const QString file = folder + '/' + set.title + QStringLiteral(".txt");
    if (QFileInfo(file).absolutePath() != QFileInfo(folder).absoluteFilePath()) return false;

    IndexLock lock(folder);
    if (!lock.held()) return false;
    auto titles = readIndexForRewrite();
    if (!titles) return false;
    copyIntoModule1(*titles);
    // Decided before anything is written, so a full store refuses without a stray file.
    const TrackResult listing = trackworksheets(*titles, set.title);
    if (listing == TrackResult::Full) return false;
    // The file first: the index then never lists a worksheet that cannot be read.
    if (!writeTextFileAtomically(file, questionSetLines(set))) return false;
    if (listing == TrackResult::Added) {
        if (!writeIndex(*titles)) return false;
        if (titles->size() <= MaxWorksheets) Shared.WorksheetTitles[titles->size()] = set.title;
    }
    return true;
}

bool delworksheet(const QString& title) {
    const QString folder = worksheetFolder();
    if (folder.isEmpty()) return false;
    IndexLock lock(folder);
    if (!lock.held() || !QFileInfo::exists(resolveDataPath(WorksheetIndexFile))) return false;
    auto titles = readIndexForRewrite();
    if (!titles) return false;
    const qsizetype p = titles->lastIndexOf(title);
    if (p >= 0) {
        titles->removeAt(p);
        if (!writeIndex(*titles)) return false;
    }
    copyIntoModule1(*titles);
    return true;
}

bool ensureWorksheetIndex() {
    const QString folder = worksheetFolder();
    if (folder.isEmpty()) return false;
    if (QFileInfo::exists(resolveDataPath(WorksheetIndexFile))) return true;
    // Under the lock: another machine sharing the folder may be writing its first title just now.
    IndexLock lock(folder);
    if (!lock.held()) return false;
    return QFileInfo::exists(resolveDataPath(WorksheetIndexFile)) || writeIndex({});
}
