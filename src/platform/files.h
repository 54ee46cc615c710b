#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The data folder is the program's working folder: every path the screens write is relative to it.
void setDataFolder(const QString& absolutePath);
QString dataFolder();

// Turns a path as the screens write it ("multiple\track.txt", "images\x.jpg") into a file in the
// data folder: backslashes become slashes, and a component whose exact name does not exist is
// matched without regard to letter case. A path that leaves the data folder (".." or absolute)
// resolves to nothing.
QString resolveDataPath(const QString& relative);

// Windows-1252, the single-byte code page of every text file the program reads or writes.
QString decodeWindows1252(const QByteArray& bytes);
// Returns nothing when the text holds a character the code page cannot hold.
std::optional<QByteArray> encodeWindows1252(const QString& text);
// The first character of the text that Windows-1252 cannot hold, if any.
std::optional<QChar> firstCharNotInWindows1252(const QString& text);

// Writes lines with CR LF ends in Windows-1252, replacing the file atomically: a reader sees the
// old file or the new one, never half of either. Returns false (and leaves the old file) on any
// failure, including a line the code page cannot hold.
bool writeTextFileAtomically(const QString& absolutePath, const QStringList& lines);
