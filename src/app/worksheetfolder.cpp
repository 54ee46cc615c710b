#include "app/worksheetfolder.h"

#include "platform/files.h"
#include "platform/folders.h"
#include "topics/topicinfo.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString FolderKey = QStringLiteral("worksheets/folder");

QString fileName(const QString& screenPath) {
    return QString(screenPath).replace('\\', '/').section('/', -1);
}

} // namespace

QString chooseWorksheetFolder(const WorksheetFolderInputs& in) {
    if (!in.named.isEmpty()) return QDir(in.named).absolutePath();
    if (in.dataNamed) return {};
    if (!in.remembered.isEmpty()) return QDir(in.remembered).absolutePath();
    if (!in.installed && in.treeWritable) return {};
    return in.userFolder;
}

bool canWriteWorksheetsIn(const QString& folder) {
    const QFileInfo dir(folder);
    const QFileInfo index(folder + QStringLiteral("/track.txt"));
    return dir.isDir() && dir.isWritable() && (!index.exists() || index.isWritable());
}

QString setUpFolders(const CommandLine& cmd, const QString& executableDir) {
    const auto data = findDataFolder(cmd.dataDir, executableDir);
    if (!data)
        return cmd.dataDir.isEmpty() ? QStringLiteral("no data folder found")
                                     : QStringLiteral("no data folder found at %1").arg(cmd.dataDir);
    setDataFolder(*data);
    pinToDataFolder({fileName(moonTopic().questionSet), fileName(caesarTopic().questionSet)});

    WorksheetFolderInputs in;
    in.named = cmd.worksheetsDir;
    in.dataNamed = !cmd.dataDir.isEmpty();
    // The user's settings and, where those say nothing, the ones a school's technician puts in
    // /etc/xdg/Tellwyn/Tellwyn.conf for everyone.
    QSettings settings(QStringLiteral("Tellwyn"), QStringLiteral("Tellwyn"));
    in.remembered = settings.value(FolderKey).toString();
    in.installed = *data == installedDataFolder(executableDir);
    in.treeWritable = canWriteWorksheetsIn(resolveDataPath(QStringLiteral("multiple")));
    in.userFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/multiple");
    const QString folder = chooseWorksheetFolder(in);
    if (folder.isEmpty()) return {};
    if (!in.named.isEmpty()) settings.setValue(FolderKey, folder);
    setWorksheetFolder(folder);
    // Not fatal: pupils can still use everything else, and a save says that it failed.
    if (!ensureWorksheetIndex())
        qWarning("tellwyn: cannot create a worksheet index in %s", qPrintable(folder));
    return {};
}
