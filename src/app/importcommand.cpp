#include "app/importcommand.h"

#include "app/commandline.h"
#include "app/worksheetfolder.h"
#include "worksheets/worksheetimport.h"
#include "worksheets/worksheetstore.h"

#include <QCoreApplication>
#include <cstdio>

int importWorksheetFiles(const QStringList& paths, FILE* out, FILE* err, bool replace) {
    int status = 0;
    for (const QString& path : paths) {
        const QByteArray name = path.toUtf8();
        const ImportedWorksheet w = readWorksheetFileAt(path);
        if (!w.set) {
            for (const QString& message : w.messages())
                std::fprintf(err, "%s: %s\n", name.constData(), message.toUtf8().constData());
            status = 1;
            continue;
        }
        const QByteArray title = w.set->title.toUtf8();
        // Without a window there is no one to ask: a listed title is replaced only when asked for.
        const StoreResult r =
            storeWorksheet(*w.set, {replace ? SaveCondition::Replace : SaveCondition::OnlyIfNew, {}, {}});
        if (r.outcome == StoreOutcome::AlreadyListed) {
            std::fprintf(err,
                         "%s: a worksheet called \"%s\" is already in the catalogue; it was left as it is "
                         "(--replace replaces it).\n",
                         name.constData(), title.constData());
            status = 1;
        } else if (!r.succeeded()) {
            std::fprintf(err, "%s: %s\n", name.constData(), storeProblemText(r).toUtf8().constData());
            status = 1;
        } else {
            std::fprintf(out, "%s%s\n", title.constData(),
                         r.outcome == StoreOutcome::Replaced ? " (replaced)" : "");
        }
    }
    return status;
}

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
