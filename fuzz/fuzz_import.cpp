// libFuzzer target for the worksheet importer: any bytes must give a worksheet or reasons in line
// order, never a crash or a hang; and a worksheet, written in the program's layout and read
// again, must come back the same (what import stores, export and import give back).
#include "fuzz_shared.h"
#include "platform/files.h"
#include "worksheets/worksheetimport.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = fuzzBytes(data, size);
    const ImportedWorksheet w = readWorksheetFile(bytes, QStringLiteral("Fuzzed"));
    if (!w.set) {
        FUZZ_CHECK(!w.problems.isEmpty()); // a refusal always says why
        int last = ImportProblem::WholeFile;
        for (const ImportProblem& p : w.problems) {
            FUZZ_CHECK(!p.text.isEmpty() && p.line >= last); // said, and in line order
            last = p.line;
        }
        return 0;
    }
    FUZZ_CHECK(w.problems.isEmpty());
    // The store's refusals have made sure every text fits the code page.
    const auto stored = encodeWindows1252(questionSetLines(*w.set).join(QStringLiteral("\r\n")) + "\r\n");
    FUZZ_CHECK(stored);
    // Code-page bytes that are also valid UTF-8 with a character beyond ASCII ("Ã©") are read as
    // UTF-8, as a teacher's file would be; only those cannot come back as they went.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString asUtf8 = utf8.decode(*stored);
    if (!utf8.hasError() && asUtf8.size() != stored->size()) return 0;
    const ImportedWorksheet again = readWorksheetFile(*stored, QStringLiteral("Fuzzed"));
    FUZZ_CHECK(again.set && sameSet(*again.set, *w.set));
    return 0;
}
