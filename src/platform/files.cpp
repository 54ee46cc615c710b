#include "platform/files.h"

#include "platform/folders.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <array>

namespace {

QString& folder() {
    static QString f = QDir::currentPath();
    return f;
}

// Bytes 0x80..0x9F of Windows-1252; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

std::optional<char> toWindows1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] != 0 && HighControls[i] == u)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

void setDataFolder(const QString& absolutePath) {
    folder() = QDir(absolutePath).absolutePath();
    setWorksheetFolder({});
}
QString dataFolder() { return folder(); }

QString resolveDataPath(const QString& relative) {
    QString rel = relative;
    rel.replace('\\', '/');
    if (rel.isEmpty() || QDir::isAbsolutePath(rel))
        return {};
    const QStringList all = rel.split('/', Qt::SkipEmptyParts);
    if (all.contains(".") || all.contains(".."))
        return {};
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
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
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

QString decodeWindows1252(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F) {
            const char16_t u = HighControls[b - 0x80];
            out.append(QChar(u != 0 ? u : char16_t(b)));
        } else {
            out.append(QChar(char16_t(b)));
        }
    }
    return out;
}

std::optional<QChar> firstCharNotInWindows1252(const QString& text) {
    for (QChar c : text)
        if (!toWindows1252(c))
            return c;
    return std::nullopt;
}

std::optional<QByteArray> encodeWindows1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const auto b = toWindows1252(c);
        if (!b)
            return std::nullopt;
        out.append(*b);
    }
    return out;
}

bool writeTextFileAtomically(const QString& absolutePath, const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        const auto encoded = encodeWindows1252(line);
        if (!encoded)
            return false;
        bytes += *encoded;
        bytes += "\r\n";
    }
    QSaveFile file(absolutePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
