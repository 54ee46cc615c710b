#include "app/importcommand.h"

#include "app/commandline.h"
#include "platform/files.h"
#include "worksheets/worksheetimport.h"

#include <QCoreApplication>
#include <cstdio>

int runImportCommand(const CommandLine& cmd, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const auto data = findDataFolder(cmd.dataDir, QCoreApplication::applicationDirPath());
    if (!data) {
        std::fprintf(stderr, "tellwyn: no data folder found\n");
        return 1;
    }
    setDataFolder(*data);
    return importWorksheetFiles(cmd.importFiles, stdout, stderr);
}
