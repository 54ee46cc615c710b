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

// Why a file could not be written, as far as the system says: the words for the person at the
// screen differ for each (ask for rights, free some room, choose another folder).
enum class WriteProblem { None, NoPermission, ReadOnly, DiskFull, Other };

// Replaces a file atomically with bytes: a reader sees the old file or the new one, never half of
// either, and on any failure the old file is left as it was. In a group-writable folder (a folder
// teachers share) the file is made group-writable and given the folder's group, whatever the
// umask, so that the others can replace it in turn.
WriteProblem writeFileAtomically(const QString& absolutePath, const QByteArray& bytes);

// The lines with CR LF ends in Windows-1252; nothing when one holds a character the code page
// cannot hold.
std::optional<QByteArray> windows1252TextBytes(const QStringList& lines);

// Writes lines as windows1252TextBytes gives them through writeFileAtomically. False (and the old
// file left) on any failure, including a line the code page cannot hold.
bool writeTextFileAtomically(const QString& absolutePath, const QStringList& lines);

// The problem that writing into a folder would meet now (after a failure whose system error was
// not kept, or before creating something there): no right to it, a read-only disk, or none.
WriteProblem folderWriteProblem(const QString& folder);

// Gives a file just created in a folder the group rights writeFileAtomically gives, when the folder
// is group-writable (used for the index lock). Quietly does nothing where it may not.
void shareWithFolderGroup(const QString& absolutePath);
