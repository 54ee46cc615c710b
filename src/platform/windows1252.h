#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Windows-1252, the single-byte code page of every text the program reads or writes: question
// sets, the worksheet index and the strings inside metafiles. One table serves them all.
//
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) decode to the C1
// controls of the same number and encode back to those bytes, so every byte string survives a
// decode and an encode unchanged.
QString decodeWindows1252(const char* bytes, qsizetype size);
QString decodeWindows1252(const QByteArray& bytes);
// Returns nothing when the text holds a character the code page cannot hold.
std::optional<QByteArray> encodeWindows1252(const QString& text);
// The first character of the text that Windows-1252 cannot hold, if any.
std::optional<QChar> firstCharNotInWindows1252(const QString& text);
