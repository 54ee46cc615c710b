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

// "~" and "~/..." as the home folder; with no home folder known, nothing.
std::optional<QString> withHome(const QString& path, const QString& home) {
    if (path != "~" && !path.startsWith(QLatin1String("~/"))) return path;
    if (home.isEmpty()) return std::nullopt;
    return home + path.mid(1);
}

} // namespace

std::optional<QString> rememberedFolderPath(const QString& setting, const QString& home) {
    if (setting.isEmpty()) return QString();
    const auto path = withHome(setting, home);
    if (!path) return std::nullopt;
    if (QDir::isAbsolutePath(*path)) return QDir::cleanPath(*path);
    // Written by hand in a settings file, where there is no current folder to speak of.
    if (home.isEmpty()) return std::nullopt;
    return QDir::cleanPath(home + '/' + *path);
}

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

    const QString home = qEnvironmentVariable("HOME");
    WorksheetFolderInputs in;
    if (!cmd.worksheetsDir.isEmpty()) {
        // A shell leaves "--worksheets-dir=~/x" as it is.
        const auto named = withHome(cmd.worksheetsDir, home);
        if (!named) return QStringLiteral("HOME is not set, so %1 names no folder").arg(cmd.worksheetsDir);
        in.named = *named;
    }
    in.dataNamed = !cmd.dataDir.isEmpty();
    // The user's settings and, where those say nothing, the ones a school's technician puts in
    // /etc/xdg/Tellwyn/Tellwyn.conf for everyone.
    QSettings settings(QStringLiteral("Tellwyn"), QStringLiteral("Tellwyn"));
    const QString setting = settings.value(FolderKey).toString();
    const auto remembered = rememberedFolderPath(setting, home);
    if (!remembered && in.named.isEmpty() && !in.dataNamed)
        return QStringLiteral("HOME is not set, so the worksheet folder %1 cannot be found").arg(setting);
    in.remembered = remembered.value_or(QString());
    in.installed = *data == installedDataFolder(executableDir);
    in.treeWritable = canWriteWorksheetsIn(resolveDataPath(QStringLiteral("multiple")));
    in.userFolder =
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/multiple");
    const QString folder = chooseWorksheetFolder(in);
    if (folder.isEmpty()) return {};
    if (folder == in.userFolder && home.isEmpty() && qEnvironmentVariableIsEmpty("XDG_DATA_HOME"))
        return QStringLiteral("HOME is not set, so there is no folder for worksheets; set HOME or use "
                              "--worksheets-dir DIR");
    setWorksheetFolder(folder);
    if (!ensureWorksheetIndex()) {
        // A folder named now that cannot be used stops here, and is not remembered for later starts.
        if (!in.named.isEmpty())
            return QStringLiteral("the worksheet folder %1 cannot be used: it cannot be created, or its "
                                  "index cannot be made or read there")
                .arg(folder);
        // Not fatal: pupils can still use everything else, and a save says that it failed.
        qWarning("tellwyn: cannot create a worksheet index in %s", qPrintable(folder));
    } else if (!in.named.isEmpty() && !cmd.once) {
        settings.setValue(FolderKey, folder);
    }
    return {};
}
