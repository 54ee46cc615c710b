#include "platform/inputfile.h"

#include "platform/files.h"

#include <QFile>

namespace {
// Far above any file the program writes; a larger one is not ours.
constexpr qint64 MaxTextFileBytes = 16 * 1024 * 1024;
} // namespace

bool InputFile::open(const QString& relativePath) {
    close();
    const QString path = resolveDataPath(relativePath);
    if (path.isEmpty())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxTextFileBytes)
        return false;
    reader_.emplace(decodeWindows1252(file.readAll()));
    return true;
}

std::optional<QString> InputFile::readField() { return reader_ ? reader_->readField() : std::nullopt; }
std::optional<long long> InputFile::readNumber() { return reader_ ? reader_->readNumber() : std::nullopt; }
