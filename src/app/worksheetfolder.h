#pragma once

#include "app/commandline.h"

#include <QString>
#include <optional>

// What decides where teachers' worksheets are kept.
struct WorksheetFolderInputs {
    QString named;             // --worksheets-dir, for this start and the ones after it
    bool dataNamed = false;    // --data-dir: its multiple/ holds the worksheets too, as it always did
    QString remembered;        // the folder named on an earlier start, or by the school for everyone
    bool installed = false;    // the data folder is the installed, read-only one
    bool treeWritable = false; // a build or source tree's data/multiple can be written
    QString userFolder;        // the user's own data folder's multiple/
};

// The worksheet folder as an absolute path, or empty for the data folder's own multiple/.
QString chooseWorksheetFolder(const WorksheetFolderInputs& in);

// The remembered setting as a folder: "~" and a relative path are taken from the home folder
// (a settings file has no current folder). Empty for no setting; nothing when it needs a home
// folder and there is none.
std::optional<QString> rememberedFolderPath(const QString& setting, const QString& home);

// Whether the program may keep writing worksheets into a tree's data/multiple.
bool canWriteWorksheetsIn(const QString& folder);

// Finds the data folder, chooses the worksheet folder and creates it with an empty index where it
// is new. A folder named on the command line is remembered (unless --once) only once it has an
// index; one that cannot have one is an error. Returns what went wrong, for the terminal:
// empty when the program can start.
QString setUpFolders(const CommandLine& cmd, const QString& executableDir);
