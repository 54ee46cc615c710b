#include "platform/inputfile.h"

#include "platform/files.h"
#include "platform/windows1252.h"

#include <algorithm>

namespace {
// Far above any file the program writes; a larger one is not ours.
constexpr qint64 MaxTextFileBytes = 16 * 1024 * 1024;
// No line the program writes comes near this; a longer one would make every screen that shows it
// crawl.
constexpr qsizetype MaxLineChars = 4096;

qsizetype longestLine(const QByteArray& bytes) {
    qsizetype longest = 0, run = 0;
    for (char c : bytes) {
        run = (c == '\r' || c == '\n') ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}
} // namespace

bool InputFile::open(const QString& relativePath, QString* problem) {
    close();
    QString why;
    const auto bytes = readRegularFile(resolveDataPath(relativePath), MaxTextFileBytes, &why);
    if (bytes && longestLine(*bytes) <= MaxLineChars) {
        reader_.emplace(decodeWindows1252(*bytes));
        return true;
    }
    if (bytes) why = QStringLiteral("a line is longer than %1 characters").arg(MaxLineChars);
    if (problem) *problem = QStringLiteral("the file cannot be read: %1").arg(why);
    return false;
}

std::optional<QString> InputFile::readField() {
    return reader_ ? reader_->readField() : std::nullopt;
}
std::optional<QString> InputFile::readLine() {
    return reader_ ? reader_->readLine() : std::nullopt;
}
std::optional<long long> InputFile::readNumber() {
    return reader_ ? reader_->readNumber() : std::nullopt;
}
