#include "platform/files.h"

#include "platform/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

namespace {

QString& folder() {
    static QString f = QDir::currentPath();
    return f;
}

} // namespace

void setDataFolder(const QString& absolutePath) {
    folder() = QDir(absolutePath).absolutePath();
    setWorksheetFolder({});
}
QString dataFolder() {
    return folder();
}

QString resolveDataPath(const QString& relative) {
    QString rel = relative;
    rel.replace('\\', '/');
    if (rel.isEmpty() || QDir::isAbsolutePath(rel)) return {};
    const QStringList all = rel.split('/', Qt::SkipEmptyParts);
    if (all.contains(".") || all.contains("..")) return {};
    const auto [root, parts] = rootFor(all);
    QString current = root;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        const QString exact = current + '/' + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        QString found;
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        for (const QString& e : entries) {
            if (e.compare(part, Qt::CaseInsensitive) == 0) {
                found = e;
                break;
            }
        }
        current += '/' + (found.isEmpty() ? part : found);
    }
    return current;
}

std::optional<QByteArray> readRegularFile(const QString& absolutePath, qint64 maxBytes, QString* problem) {
    auto fail = [&](const char* why) -> std::optional<QByteArray> {
        if (problem) *problem = QString::fromLatin1(why);
        return std::nullopt;
    };
    if (absolutePath.isEmpty() || !QFileInfo(absolutePath).isFile()) return fail("it is not a file");
    QFile file(absolutePath);
    if (!file.open(QIODevice::ReadOnly)) return fail("it cannot be opened");
    // In pieces, up to one byte past the limit, which tells a file that is too large from one that
    // just fits whatever size the file system claims; one read of the whole limit would reserve
    // all of it for every small file.
    constexpr qint64 Piece = 64 * 1024;
    QByteArray bytes;
    while (bytes.size() <= maxBytes) {
        const QByteArray piece = file.read(std::min(Piece, maxBytes + 1 - bytes.size()));
        if (piece.isEmpty()) break;
        bytes += piece;
    }
    if (file.error() != QFileDevice::NoError) return fail("it cannot be read");
    if (bytes.size() > maxBytes) return fail("it is too large");
    return bytes;
}

bool writeTextFileAtomically(const QString& absolutePath, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        const auto encoded = encodeWindows1252(line);
        if (!encoded) return false;
        bytes += *encoded;
        bytes += "\r\n";
    }
    QSaveFile file(absolutePath);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // Qt 6.4's commit() writes out what is still buffered itself and then replaces the old file
    // even when that write failed (a full disk): every byte is pushed out and checked first.
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
