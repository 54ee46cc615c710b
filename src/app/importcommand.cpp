#include "app/importcommand.h"

#include "app/commandline.h"
#include "app/worksheetfolder.h"
#include "worksheets/worksheetimport.h"

#include <QCoreApplication>
#include <cstdio>

int runImportCommand(const CommandLine& cmd, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    // The same worksheet folder as the program itself would use, remembered choice included.
    QCoreApplication::setApplicationName(QStringLiteral("Tellwyn"));
    if (const QString problem = setUpFolders(cmd, QCoreApplication::applicationDirPath());
        !problem.isEmpty()) {
        std::fprintf(stderr, "tellwyn: %s\n", qPrintable(problem));
        return 1;
    }
    return importWorksheetFiles(cmd.importFiles, stdout, stderr, cmd.replace);
}
