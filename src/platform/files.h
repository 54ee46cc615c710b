#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/windows1252.h"

// The data folder is the program's working folder: every path the screens write is relative to it.
void setDataFolder(const QString& absolutePath);
QString dataFolder();

// Turns a path as the screens write it ("multiple\track.txt", "images\x.jpg") into a file in the
// data folder: backslashes become slashes, and a component whose exact name does not exist is
// matched without regard to letter case. A path that leaves the data folder (".." or absolute)
// resolves to nothing.
QString resolveDataPath(const QString& relative);

// Reads a whole file when it is a regular file of at most maxBytes. A named pipe or a device in a
// data folder would block the open for ever or never end, so nothing but a regular file is opened,
// and no more than the limit is read. Nothing, with the reason where asked, otherwise.
std::optional<QByteArray> readRegularFile(const QString& absolutePath, qint64 maxBytes,
                                          QString* problem = nullptr);

// Writes lines with CR LF ends in Windows-1252, replacing the file atomically: a reader sees the
// old file or the new one, never half of either. Returns false (and leaves the old file) on any
// failure, including a line the code page cannot hold.
bool writeTextFileAtomically(const QString& absolutePath, const QStringList& lines);
