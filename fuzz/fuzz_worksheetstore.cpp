// libFuzzer target for the worksheet index and store on a fuzzed folder: the input is the index
// file, and its last line names a worksheet to save and then delete. The index loads within its
// bounds; a refused title says why; a save lists its title once more at most and keeps every other
// title in its place; a delete takes off exactly the last listing; a failed step changes nothing.
#include "fuzz_shared.h"
#include "platform/files.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QFile>
#include <limits>

namespace {

QStringList listed() {
    const auto index = readWorksheetIndex(WorksheetIndexFile, std::numeric_limits<long long>::max());
    return index ? index->titles : QStringList();
}

QByteArray indexBytes() {
    return readRegularFile(resolveDataPath(WorksheetIndexFile), 1 << 30).value_or(QByteArray());
}

void saveAndDelete(const QString& title) {
    QuestionSet set{title, {}};
    set.questions.fill({QStringLiteral("Which?"), {"A", "B", "C", "D"}, QStringLiteral("2")});
    if (const auto refusal = worksheetRefusal(set)) {
        FUZZ_CHECK(!refusal->isEmpty());
        return;
    }
    const QStringList before = listed();
    const QByteArray beforeBytes = indexBytes();
    const QString file = fuzzDataFolder() + '/' + worksheetFile(title);
    const bool fileWasThere = QFile::exists(file);
    const bool saved = saveWorksheet(set);
    if (!fileWasThere) QFile::remove(file); // the folder must not fill up over a long run
    if (!saved) {
        FUZZ_CHECK(indexBytes() == beforeBytes);
        return;
    }
    QStringList expected = before;
    if (!expected.contains(title)) expected << title;
    FUZZ_CHECK(listed() == expected);
    FUZZ_CHECK(delworksheet(title));
    expected.removeAt(expected.lastIndexOf(title));
    FUZZ_CHECK(listed() == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzDataFolder();
    const QByteArray bytes = fuzzBytes(data, size);
    writeDataFile("multiple/track.txt", bytes);
    Shared.WorksheetCount = -1;
    const bool complete = loadWorksheetIndex("multiple\\track.txt");
    FUZZ_CHECK(Shared.WorksheetCount >= -1 && Shared.WorksheetCount <= MaxWorksheets);
    FUZZ_CHECK(!complete || Shared.WorksheetCount >= 0);
    const qsizetype lastLine = bytes.lastIndexOf('\n');
    const QByteArray title = bytes.mid(lastLine + 1, 40).trimmed();
    if (!title.isEmpty()) saveAndDelete(decodeWindows1252(title));
    return 0;
}
