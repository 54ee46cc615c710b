#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The technician's records commands, run without a window.
struct RecordsRequest {
    QString addClass; // --add-class NAME FILE
    QString namesFile;
    QString exportFile;  // --export-records FILE.csv
    QString exportClass; // --class NAME: only this class
    bool any() const { return !addClass.isEmpty() || !exportFile.isEmpty() || !exportClass.isEmpty(); }
};

// Takes a records option at args[i] (moving i past its values); false when args[i] is not one.
bool parseRecordsOption(const QStringList& args, qsizetype& i, RecordsRequest& r, QString& error);
// The options' lines for the usage text.
QString recordsUsage();

// What the program was asked to do on its command line.
struct CommandLine {
    bool help = false;
    bool version = false;
    QString dataDir;                  // empty: find the bundled data folder
    QString worksheetsDir;            // empty: the remembered folder, or the user's own
    QString printToPdfDir;            // empty: print on the system's default printer
    QString scale;                    // --scale: "auto" or a factor; empty: the remembered choice
    bool quitAfterFirstPaint = false; // start-up benchmark: leave once the title screen is painted
    bool qtStyle = false;             // Qt's -style was given: it replaces the program's own
    QStringList importFiles;          // --import: worksheet files to import without opening a window
    bool replace = false;             // --replace: --import replaces a title already listed
    bool once = false;                // --once: --worksheets-dir for this run only, not remembered
    RecordsRequest records;           // --add-class, --export-records
    QString error;                    // set when the arguments could not be understood
};

CommandLine parseCommandLine(const QStringList& args);
QString usageText();

// The data folder: the one named, or "data" beside the executable, or the installed one (found
// from the executable, so a moved prefix still works), or the source tree's. Nothing when none
// holds the program's folders.
std::optional<QString> findDataFolder(const QString& requested, const QString& executableDir);
// Where an installed program's data lies, relative to its executable.
QString installedDataFolder(const QString& executableDir);
