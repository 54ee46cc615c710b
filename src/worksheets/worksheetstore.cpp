#include "worksheets/worksheetstore.h"

#include "platform/files.h"
#include "platform/windows1252.h"
#include "quiz/questionsperset.h"
#include "state/sharedstate.h"
#include "worksheets/worksheetindex.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // Every character to take out, named at once: a teacher mends the title in one go.
    QStringList found;
    for (QChar c : title)
        if (CharsNotInTitles.contains(c) && !found.contains(described(c))) found << described(c);
    if (!found.isEmpty()) {
        const QString last = found.takeLast();
        const QString named =
            found.isEmpty() ? last : found.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
        QStringList all;
        for (QChar c : CharsNotInTitles)
            all << c;
        return QStringLiteral("%1 cannot contain %2. A title may not hold any of these characters: %3. "
                              "Please choose another title.")
            .arg(field, named, all.join(' '));
    }
    // A file whose name begins with a dot is hidden from file managers and from the teacher's view.
    if (title.startsWith('.'))
        return QStringLiteral("%1 cannot begin with %2. Please choose another title.")
            .arg(field, described('.'));
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

// Where the lock is, and why it could not be had.
enum class LockState { Held, Busy, Refused };

// An empty lock file is one whose maker was killed between creating it and writing its name into
// it; Qt would wait out the whole stale time for it, as it cannot tell who made it. Nobody holds
// the system lock on it, and it was seen empty on the last try as well (a live maker fills it
// within microseconds), so it is taken over now.
class EmptyLockWatch {
public:
    void check(const QString& path) {
        struct stat st {};
        const QByteArray name = QFile::encodeName(path);
        if (::stat(name.constData(), &st) != 0 || st.st_size != 0) {
            seen_ = 0;
            return;
        }
        if (seen_ != st.st_ino) {
            seen_ = st.st_ino;
            return;
        }
        const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) return;
        struct stat held {};
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && held.st_size == 0 &&
            held.st_ino == st.st_ino && ::stat(name.constData(), &st) == 0 && st.st_ino == held.st_ino)
            ::unlink(name.constData());
        ::close(fd); // drops the system lock
        seen_ = 0;
    }

private:
    ino_t seen_ = 0;
};

class IndexLock {
public:
    IndexLock(const QString& folder, const std::function<void()>& whileWaiting)
        : path_(folder + QStringLiteral("/track.txt.lock")), lock_(path_) {
        lock_.setStaleLockTime(StaleLockMs);
        EmptyLockWatch empty;
        const QDeadlineTimer deadline(LockWaitMs);
        for (;;) {
            if (lock_.tryLock(PollMs)) {
                state_ = LockState::Held;
                // A lock left behind by a killed copy must be removable by the other teachers.
                shareWithFolderGroup(path_);
                return;
            }
            if (lock_.error() != QLockFile::LockFailedError) {
                state_ = LockState::Refused;
                return;
            }
            if (deadline.hasExpired()) return;
            empty.check(path_);
            if (whileWaiting) whileWaiting();
        }
    }
    LockState state() const { return state_; }

private:
    static constexpr int PollMs = 100;
    QString path_;
    QLockFile lock_; // released when it goes out of scope
    LockState state_ = LockState::Busy;
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

WriteProblem writeIndex(const QStringList& titles) {
    const auto bytes = windows1252TextBytes(worksheetIndexLines(titles));
    return bytes ? writeFileAtomically(resolveDataPath(WorksheetIndexFile), *bytes) : WriteProblem::Other;
}

StoreOutcome outcomeOf(WriteProblem p) {
    switch (p) {
    case WriteProblem::NoPermission:
        return StoreOutcome::NoPermission;
    case WriteProblem::ReadOnly:
        return StoreOutcome::ReadOnly;
    case WriteProblem::DiskFull:
        return StoreOutcome::DiskFull;
    default:
        return StoreOutcome::Failed;
    }
}

// The folder as it should be written to: the lock's outcome, or why the folder cannot be had.
StoreResult lockProblem(LockState state, const QString& folder) {
    if (state == LockState::Busy) return {StoreOutcome::LockBusy, folder, {}};
    const StoreOutcome o = outcomeOf(folderWriteProblem(folder));
    return {o == StoreOutcome::Failed ? StoreOutcome::NoPermission : o, folder, {}};
}

StoreResult folderProblem() {
    const QString wanted = resolveDataPath(QStringLiteral("multiple"));
    QString existing = wanted;
    while (!existing.isEmpty() && !QFileInfo(existing).isDir())
        existing =
            QFileInfo(existing).absolutePath() == existing ? QString() : QFileInfo(existing).absolutePath();
    const WriteProblem p = existing.isEmpty() ? WriteProblem::Other : folderWriteProblem(existing);
    return {outcomeOf(p), wanted, {}};
}

std::optional<QByteArray> bytesOf(const QString& file) {
    if (!QFileInfo(file).isFile()) return std::nullopt;
    return readRegularFile(file, std::numeric_limits<int>::max()).value_or(QByteArray());
}

// The condition, checked under the lock with the index as read.
std::optional<StoreOutcome> conditionFails(const SaveRequest& request, const QStringList& titles,
                                           const QString& title, const std::optional<QByteArray>& now) {
    switch (request.condition) {
    case SaveCondition::Replace:
        return std::nullopt;
    case SaveCondition::OnlyIfNew:
        return titles.contains(title) ? std::optional(StoreOutcome::AlreadyListed) : std::nullopt;
    case SaveCondition::OnlyIfUnchanged:
        if (!request.opened) return now ? std::optional(StoreOutcome::ChangedSinceOpened) : std::nullopt;
        if (!now || !titles.contains(title)) return StoreOutcome::DeletedSinceOpened;
        return *now == *request.opened ? std::nullopt : std::optional(StoreOutcome::ChangedSinceOpened);
    }
    return std::nullopt;
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

StoreResult storeWorksheet(const QuestionSet& set, const SaveRequest& request) {
    const QString folder = worksheetFolder();
    if (folder.isEmpty()) return folderProblem();
    // The file is named exactly as typed, not matched without regard to case: titles that differ
    // only in case are different worksheets and must not share a file.
    const QString file = folder + '/' + set.title + QStringLiteral(".txt");
    if (QFileInfo(file).absolutePath() != QFileInfo(folder).absoluteFilePath())
        return {StoreOutcome::Failed, folder, file};
    const auto bytes = windows1252TextBytes(questionSetLines(set));
    if (!bytes) return {StoreOutcome::Failed, folder, file};

    IndexLock lock(folder, request.whileWaiting);
    if (lock.state() != LockState::Held) return lockProblem(lock.state(), folder);
    const QString indexFile = resolveDataPath(WorksheetIndexFile);
    auto titles = readIndexForRewrite();
    if (!titles) return {StoreOutcome::IndexUnreadable, folder, indexFile};
    copyIntoModule1(*titles);
    const std::optional<QByteArray> old = bytesOf(file);
    if (const auto refused = conditionFails(request, *titles, set.title, old))
        return {*refused, folder, file};
    // Decided before anything is written, so a full store refuses without a stray file.
    const TrackResult listing = trackworksheets(*titles, set.title);
    if (listing == TrackResult::Full) return {StoreOutcome::CatalogueFull, folder, indexFile};
    // The file first: the index then never lists a worksheet that cannot be read.
    if (const WriteProblem p = writeFileAtomically(file, *bytes); p != WriteProblem::None)
        return {outcomeOf(p), folder, file};
    if (listing == TrackResult::AlreadyListed) return {StoreOutcome::Replaced, folder, file};
    if (const WriteProblem p = writeIndex(*titles); p != WriteProblem::None) {
        // Not listed, so not saved: what was there before comes back.
        if (old)
            writeFileAtomically(file, *old);
        else
            QFile::remove(file);
        return {outcomeOf(p), folder, indexFile};
    }
    if (titles->size() <= MaxWorksheets) Shared.WorksheetTitles[titles->size()] = set.title;
    return {StoreOutcome::Saved, folder, file};
}

bool saveWorksheet(const QuestionSet& set) {
    return storeWorksheet(set).succeeded();
}

StoreResult removeWorksheet(const QString& title, const std::function<void()>& whileWaiting) {
    const QString folder = worksheetFolder();
    if (folder.isEmpty()) return folderProblem();
    IndexLock lock(folder, whileWaiting);
    if (lock.state() != LockState::Held) return lockProblem(lock.state(), folder);
    const QString indexFile = resolveDataPath(WorksheetIndexFile);
    if (!QFileInfo::exists(indexFile)) return {StoreOutcome::IndexUnreadable, folder, indexFile};
    auto titles = readIndexForRewrite();
    if (!titles) return {StoreOutcome::IndexUnreadable, folder, indexFile};
    const qsizetype p = titles->lastIndexOf(title);
    if (p >= 0) {
        titles->removeAt(p);
        if (const WriteProblem w = writeIndex(*titles); w != WriteProblem::None) {
            titles->insert(p, title);
            copyIntoModule1(*titles);
            return {outcomeOf(w), folder, indexFile};
        }
    }
    copyIntoModule1(*titles);
    return {StoreOutcome::Deleted, folder, indexFile};
}

bool delworksheet(const QString& title) {
    return removeWorksheet(title).succeeded();
}

std::optional<QByteArray> storedWorksheetBytes(const QString& title) {
    if (titleRefusal(title)) return std::nullopt;
    return bytesOf(resolveDataPath(worksheetFile(title)));
}

QString storeProblemText(const StoreResult& r) {
    const QString folder = QDir::toNativeSeparators(r.folder);
    switch (r.outcome) {
    case StoreOutcome::Saved:
    case StoreOutcome::Replaced:
    case StoreOutcome::Deleted:
        return {};
    case StoreOutcome::AlreadyListed:
        return QStringLiteral("A worksheet with this title is already in the catalogue.");
    case StoreOutcome::ChangedSinceOpened:
        return QStringLiteral("Someone else has changed this worksheet since you opened it.");
    case StoreOutcome::DeletedSinceOpened:
        return QStringLiteral("Someone else has deleted this worksheet since you opened it.");
    case StoreOutcome::LockBusy:
        return QStringLiteral("Another computer is changing the worksheets in %1 just now. Please try "
                              "again in a moment.")
            .arg(folder);
    case StoreOutcome::NoPermission:
        return QStringLiteral("You do not have permission to change the worksheets in %1. Please ask "
                              "whoever looks after the school's computers.")
            .arg(folder);
    case StoreOutcome::ReadOnly:
        return QStringLiteral("The worksheet folder %1 is on a disk that can only be read.").arg(folder);
    case StoreOutcome::DiskFull:
        return QStringLiteral("The disk that holds the worksheet folder %1 is full.").arg(folder);
    case StoreOutcome::CatalogueFull:
        return QStringLiteral("The catalogue already holds %1 worksheets, as many as it can. Please "
                              "delete one first.")
            .arg(MaxWorksheets);
    case StoreOutcome::IndexUnreadable:
        return QStringLiteral("The list of worksheets, %1, cannot be read.")
            .arg(QDir::toNativeSeparators(r.file));
    case StoreOutcome::Failed:
        break;
    }
    return QStringLiteral("There was a problem saving your worksheet");
}

bool ensureWorksheetIndex() {
    const QString folder = worksheetFolder();
    if (folder.isEmpty()) return false;
    if (QFileInfo::exists(resolveDataPath(WorksheetIndexFile))) return true;
    // Under the lock: another machine sharing the folder may be writing its first title just now.
    IndexLock lock(folder, {});
    if (lock.state() != LockState::Held) return false;
    return QFileInfo::exists(resolveDataPath(WorksheetIndexFile)) || writeIndex({}) == WriteProblem::None;
}
