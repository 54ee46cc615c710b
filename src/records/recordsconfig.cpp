#include "records/recordsconfig.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

std::optional<RecordsConfig>& current() {
    static std::optional<RecordsConfig> config;
    return config;
}

// Several accounts add to one file here; the folder is made by the package or the technician.
const QString MachineFolder = QStringLiteral("/var/lib/tellwyn");

} // namespace

QString machineSettingsFile() {
    const QString dirs = qEnvironmentVariable("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg"));
    for (const QString& dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString file = dir + QStringLiteral("/Tellwyn/Tellwyn.conf");
        if (QFileInfo(file).isFile()) return file;
    }
    return {};
}

RecordsConfig readRecordsConfig() {
    RecordsConfig c;
    QSettings user(QStringLiteral("Tellwyn"), QStringLiteral("Tellwyn"));
    const QString machineFile = machineSettingsFile();
    std::optional<QSettings> machine;
    if (!machineFile.isEmpty()) machine.emplace(machineFile, QSettings::IniFormat);
    auto machineValue = [&](const char* key) {
        return machine ? machine->value(QStringLiteral("records/") + QLatin1String(key)).toString()
                       : QString();
    };

    // The server is the machine's choice only: a pupil's own settings cannot send results elsewhere.
    if (const QString host = machineValue("host"); !host.isEmpty()) {
        ServerSettings s;
        s.host = host;
        s.port = machineValue("port").toInt();
        s.database = machineValue("database");
        s.user = machineValue("user");
        s.passwordFile = machineValue("passwordfile");
        c.server = s;
    }
    c.machinePasswordHash = machineValue("teacherpassword");

    c.localFile = user.value(QStringLiteral("records/file")).toString();
    if (c.localFile.isEmpty()) c.localFile = machineValue("file");
    if (c.localFile.isEmpty()) {
        const QFileInfo folder(MachineFolder);
        c.localFile = folder.isDir() && folder.isWritable()
                          ? MachineFolder + QStringLiteral("/records.sqlite")
                          : QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                                QStringLiteral("/Tellwyn/records.sqlite");
    }
    return c;
}

const RecordsConfig& recordsConfig() {
    if (!current()) current() = readRecordsConfig();
    return *current();
}

void setRecordsConfig(const RecordsConfig& config) {
    current() = config;
}
