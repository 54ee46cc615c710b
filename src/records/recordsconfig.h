#pragma once

#include <QString>
#include <optional>

// A school's database server, as the technician sets it machine-wide. The password stays in its
// own file, which only the accounts that need it can read.
struct ServerSettings {
    QString driver = QStringLiteral("QPSQL");
    QString host; // a host name, or the folder of the server's socket when it starts with "/"
    int port = 0; // 0: the driver's default
    QString database;
    QString user;
    QString passwordFile;
};

// Where the records are kept on this machine.
struct RecordsConfig {
    // The SQLite file: the record itself, or with a server only the queue of results still to send
    // and the class lists last fetched from it.
    QString localFile;
    std::optional<ServerSettings> server;
    // The teacher's password hash that the machine's settings carry, if any.
    QString machinePasswordHash;
};

// Reads the settings: group [records] of the machine's Tellwyn.conf (in the folders of
// XDG_CONFIG_DIRS, /etc/xdg by default) for the server, and for the local file the user's then the
// machine's "file" key, else a per-machine folder every account can write, else the user's own.
RecordsConfig readRecordsConfig();

// The configuration every part of the program uses; read once, replaced by tests.
const RecordsConfig& recordsConfig();
void setRecordsConfig(const RecordsConfig& config);

// The machine's settings file, or empty when there is none.
QString machineSettingsFile();
