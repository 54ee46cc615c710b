#pragma once

#include <QStringList>
#include <cstdio>

struct CommandLine;

// Imports files without a window: prints each imported title on `out` (" (replaced)" after it when
// it replaced a listed one) and each broken file's messages on `err`. A title already listed is left
// as it is unless `replace`. 0 when every file was imported.
int importWorksheetFiles(const QStringList& paths, FILE* out, FILE* err, bool replace = false);

// tellwyn --import FILE... [--replace]: imports worksheet files into the worksheet folder with no
// window (a technician's machine may have no display). 0 when every file was imported, 1 otherwise.
int runImportCommand(const CommandLine& cmd, int argc, char** argv);
