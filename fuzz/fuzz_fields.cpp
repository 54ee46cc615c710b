// libFuzzer target for the field reader with the Windows-1252 decoder, and the path resolver:
// decoding then encoding gives back the bytes, the reader always comes to an end, and a path as
// the screens write it never resolves to anything outside the data folder.
#include "fuzz_shared.h"
#include "platform/fieldreader.h"
#include "platform/files.h"

#include <QDir>

namespace {

void readAll(const QString& text, bool lines) {
    FieldReader reader(text);
    qsizetype reads = 0;
    while (lines ? reader.readLine() : reader.readField())
        FUZZ_CHECK(++reads <= text.size() + 1);
    FUZZ_CHECK(reader.atEnd());
}

void checkResolved(const QString& relative) {
    const QString folder = fuzzDataFolder();
    const QString resolved = resolveDataPath(relative);
    if (resolved.isEmpty()) return;
    FUZZ_CHECK(resolved.startsWith(folder + '/'));
    const QString clean = QDir::cleanPath(resolved);
    FUZZ_CHECK(clean.startsWith(folder + '/') || clean == folder);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzDataFolder();
    const QByteArray bytes = fuzzBytes(data, size);
    const QString text = decodeWindows1252(bytes);
    FUZZ_CHECK(text.size() == bytes.size());
    FUZZ_CHECK(encodeWindows1252(text) == std::optional<QByteArray>(bytes));
    readAll(text, false);
    readAll(text, true);
    if (size <= 256) checkResolved(text);
    return 0;
}
