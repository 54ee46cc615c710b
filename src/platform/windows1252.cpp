#include "platform/windows1252.h"

#include <array>

namespace {

// Bytes 0x80..0x9F; the five the code page leaves undefined stand for themselves.
constexpr std::array<char16_t, 32> HighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::optional<char> toWindows1252(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<char>(u);
    for (size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == u) return static_cast<char>(0x80 + i);
    return std::nullopt;
}

} // namespace

QString decodeWindows1252(const char* bytes, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    QChar* to = out.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        to[i] = QChar(b >= 0x80 && b <= 0x9F ? HighControls[b - 0x80] : char16_t(b));
    }
    return out;
}

QString decodeWindows1252(const QByteArray& bytes) {
    return decodeWindows1252(bytes.constData(), bytes.size());
}

std::optional<QChar> firstCharNotInWindows1252(const QString& text) {
    for (QChar c : text)
        if (!toWindows1252(c)) return c;
    return std::nullopt;
}

std::optional<QByteArray> encodeWindows1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        const auto b = toWindows1252(c);
        if (!b) return std::nullopt;
        out.append(*b);
    }
    return out;
}
