#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What the program was asked to do on its command line.
struct CommandLine {
    bool help = false;
    bool version = false;
    QString dataDir;       // empty: find the bundled data folder
    QString printToPdfDir; // empty: print on the system's default printer
    QString scale;         // --scale: "auto" or a factor; empty: the remembered choice
    bool quitAfterFirstPaint = false; // start-up benchmark: leave once the title screen is painted
    QString error;         // set when the arguments could not be understood
};

CommandLine parseCommandLine(const QStringList& args);
QString usageText();

// The data folder: the one named, or "data" beside the executable, or the source tree's.
// Nothing when none holds the program's folders.
std::optional<QString> findDataFolder(const QString& requested, const QString& executableDir);
