#pragma once

#include "quiz/questionset.h"
#include "worksheets/worksheetindex.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The teachers' worksheets: one question set file each in multiple/, all listed in
// multiple/track.txt. Every file is replaced atomically, and the index's read-modify-write runs
// under a lock file beside it, so two copies of the program saving at once lose no title.

// The file a worksheet lives in, as the catalogue opens it.
QString worksheetFile(const QString& title);

// Why a worksheet cannot be stored as typed, in words for its author (the field and the
// character); nothing when it can. A title must come back from the index and from the file name
// exactly as typed and must not reach outside multiple/ or onto the program's own files.
std::optional<QString> worksheetRefusal(const QuestionSet& set);

// The same for the title alone, and for one typed text (a question or an answer) named `field`.
std::optional<QString> titleRefusal(const QString& title);
std::optional<QString> typedTextRefusal(const QString& field, const QString& text);

// The index file's lines: the count with a blank either side, then one title a line, each as it
// reads back.
QStringList worksheetIndexLines(const QStringList& titles);

enum class TrackResult { AlreadyListed, Added, Full };
// Appends a title unless it is listed already (compared exactly); a 1001st is refused.
TrackResult trackworksheets(QStringList& titles, const QString& title);

// Saving and deleting. Every change to the store is decided and written under ONE hold of the
// index lock: whether the title is listed, whether the file is still what the caller opened, the
// worksheet's file and the index. Two teachers (or two machines on a shared folder) saving at once
// therefore never both succeed where only one may, and a save that fails changes nothing: a file
// it created is removed again and a file it replaced is put back.

// When a save may go ahead.
enum class SaveCondition {
    Replace,         // whatever is there: a listed title's file is replaced, a new title is listed
    OnlyIfNew,       // only while the title is not listed (else AlreadyListed; nothing written)
    OnlyIfUnchanged, // only while the worksheet's file is exactly what the caller opened (opened)
};

struct SaveRequest {
    SaveCondition condition = SaveCondition::Replace;
    // For OnlyIfUnchanged: the file's bytes as the caller read them (storedWorksheetBytes), or
    // nothing when there was no file. A file now different, or one that has appeared, gives
    // ChangedSinceOpened; a file (or its listing) gone since gives DeletedSinceOpened.
    std::optional<QByteArray> opened;
    // Called about ten times a second while another copy of the program holds the index lock, so
    // that a screen can process events and show that it waits. The store itself has no widgets.
    std::function<void()> whileWaiting;
};

enum class StoreOutcome {
    Saved,              // written and newly listed
    Replaced,           // written over a title that was listed already
    Deleted,            // delete: the listing is gone (or there was none)
    AlreadyListed,      // OnlyIfNew, and the title is taken
    ChangedSinceOpened, // OnlyIfUnchanged, and someone else has written the file since
    DeletedSinceOpened, // OnlyIfUnchanged, and the file or its listing has gone since
    LockBusy,           // another machine kept the index lock for longer than a save can take
    NoPermission,       // this user may not write the worksheet folder, the file or the index
    ReadOnly,           // the folder is on a read-only disk
    DiskFull,           // no room (or no quota) left for the file or the index
    CatalogueFull,      // the index lists MaxWorksheets titles already
    IndexUnreadable,    // the index is there but holds no count; it is never rewritten then
    Failed,             // anything else (the folder cannot be had, an impossible title)
};

struct StoreResult {
    StoreOutcome outcome = StoreOutcome::Failed;
    QString folder; // the worksheet folder, absolute, for the words about it
    QString file;   // the file concerned: the worksheet's, or the index where that was the trouble
    bool succeeded() const {
        return outcome == StoreOutcome::Saved || outcome == StoreOutcome::Replaced ||
               outcome == StoreOutcome::Deleted;
    }
};

// Saves a worksheet as the request says. The caller has had worksheetRefusal pass. Leaves the index
// as read in WorksheetCount and WorksheetTitles, with a new title in the entry after the last.
StoreResult storeWorksheet(const QuestionSet& set, const SaveRequest& request = {});

// Removes the last listing of a title from the index (a title no longer listed leaves the file
// untouched and is Deleted too). The worksheet's file stays. Leaves WorksheetCount and
// WorksheetTitles matching the file.
StoreResult removeWorksheet(const QString& title, const std::function<void()>& whileWaiting = {});

// A stored worksheet's file as it is now, for SaveRequest::opened; nothing when there is none.
std::optional<QByteArray> storedWorksheetBytes(const QString& title);

// What a failed result means, in a sentence for a teacher (screens) or a technician (the terminal):
// the cause and, where it is the folder, which one. Empty for a success; the screens word
// AlreadyListed, ChangedSinceOpened and DeletedSinceOpened as questions of their own.
QString storeProblemText(const StoreResult& result);

// storeWorksheet with Replace: true on Saved or Replaced.
bool saveWorksheet(const QuestionSet& set);

// removeWorksheet: true on Deleted.
bool delworksheet(const QString& title);

// Creates the worksheet folder with an empty index (count 0) where there is none yet. False when
// neither can be had.
bool ensureWorksheetIndex();
