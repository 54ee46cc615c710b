// libFuzzer target for the worksheet importer: any bytes must give a worksheet or line-numbered
// reasons, never a crash or a hang; and a worksheet, written in the program's layout and read
// again, must come back the same (what import stores, export and import give back).
#include "fuzz_shared.h"
#include "platform/files.h"
#include "worksheets/worksheetimport.h"

#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

namespace {
bool sameSet(const QuestionSet& a, const QuestionSet& b) {
    if (a.title != b.title) return false;
    for (int q = 0; q < 10; ++q)
        if (a.questions[q].text != b.questions[q].text || a.questions[q].answers != b.questions[q].answers ||
            a.questions[q].correct != b.questions[q].correct)
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ImportedWorksheet w = readWorksheetFile(bytes, QStringLiteral("Fuzzed"));
    if (!w.set) {
        FUZZ_CHECK(!w.problems.isEmpty()); // a refusal always says why
        for (const QString& p : w.problems)
            FUZZ_CHECK(p.startsWith(QLatin1String("Line ")) ||
                       p.startsWith(QLatin1String("The file's name")));
        return 0;
    }
    FUZZ_CHECK(w.problems.isEmpty());
    // The store's refusals have made sure every text fits the code page.
    const auto stored = encodeWindows1252(questionSetLines(*w.set).join(QStringLiteral("\r\n")) + "\r\n");
    FUZZ_CHECK(stored);
    const ImportedWorksheet again = readWorksheetFile(*stored, QStringLiteral("Fuzzed"));
    FUZZ_CHECK(again.set && sameSet(*again.set, *w.set));
    return 0;
}
