#include "platform/files.h"

#include "platform/folders.h"
#include "platform/windows1252.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

namespace {

WriteProblem problemOfError(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: // a file size limit fails a write as a full disk does
        return WriteProblem::DiskFull;
    case EROFS:
        return WriteProblem::ReadOnly;
    case EACCES:
    case EPERM:
        return WriteProblem::NoPermission;
    default:
        return WriteProblem::Other;
    }
}

// A shared folder is one its group may write; files in it follow it. Set on the open file before it
// takes the final name, so no other teacher ever finds it closed to them.
void shareLikeFolder(int fd, const QString& folder) {
    struct stat dir {};
    struct stat st {};
    if (fd < 0 || ::stat(QFile::encodeName(folder).constData(), &dir) != 0 || !(dir.st_mode & S_IWGRP) ||
        ::fstat(fd, &st) != 0)
        return;
    if (st.st_gid != dir.st_gid && ::fchown(fd, static_cast<uid_t>(-1), dir.st_gid) != 0) {
        // Not a member of the folder's group: the rights below still help whoever shares ours.
    }
    (void)::fchmod(fd, (st.st_mode & 0777) | S_IRGRP | S_IWGRP);
}

} // namespace

WriteProblem folderWriteProblem(const QString& folder) {
    if (::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0) return WriteProblem::None;
    const WriteProblem p = problemOfError(errno);
    return p == WriteProblem::Other || p == WriteProblem::DiskFull ? WriteProblem::NoPermission : p;
}

void shareWithFolderGroup(const QString& absolutePath) {
    const int fd = ::open(QFile::encodeName(absolutePath).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0) return;
    shareLikeFolder(fd, QFileInfo(absolutePath).absolutePath());
    ::close(fd);
}

std::optional<QByteArray> windows1252TextBytes(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        const auto encoded = encodeWindows1252(line);
        if (!encoded) return std::nullopt;
        bytes += *encoded;
        bytes += "\r\n";
    }
    return bytes;
}

WriteProblem writeFileAtomically(const QString& absolutePath, const QByteArray& bytes) {
    const QString folder = QFileInfo(absolutePath).absolutePath();
    // Where Qt refuses by itself (an existing file it may not write) no system error is left, so
    // the folder and the file are asked.
    auto failed = [&](int error) {
        WriteProblem p = problemOfError(error);
        if (p == WriteProblem::Other) p = folderWriteProblem(folder);
        if (p == WriteProblem::None && QFileInfo::exists(absolutePath) &&
            ::access(QFile::encodeName(absolutePath).constData(), W_OK) != 0)
            p = problemOfError(errno);
        return p == WriteProblem::None ? WriteProblem::Other : p;
    };
    QSaveFile file(absolutePath);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return failed(errno);
    shareLikeFolder(file.handle(), folder);
    // Qt 6.4's commit() writes out what is still buffered itself and then replaces the old file
    // even when that write failed (a full disk): every byte is pushed out and checked first.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError) {
        const int error = errno;
        file.cancelWriting();
        return failed(error);
    }
    errno = 0;
    if (!file.commit()) return failed(errno);
    return WriteProblem::None;
}

bool writeTextFileAtomically(const QString& absolutePath, const QStringList& lines) {
    const auto bytes = windows1252TextBytes(lines);
    return bytes && writeFileAtomically(absolutePath, *bytes) == WriteProblem::None;
}
