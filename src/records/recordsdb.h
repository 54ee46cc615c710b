#pragma once

#include "records/recordsconfig.h"

#include <QSqlDatabase>
#include <QString>

// The version of the records' tables that this program writes; older ones are brought up to it.
inline constexpr int RecordsSchemaVersion = 1;

// One database connection, used only by the thread that opened it; removed again when it goes.
class RecordsConnection {
public:
    RecordsConnection() = default;
    ~RecordsConnection() { close(); }
    RecordsConnection(const RecordsConnection&) = delete;
    RecordsConnection& operator=(const RecordsConnection&) = delete;

    // The SQLite file; without create, a file that is not there yet is an error and stays absent.
    // waitMs is how long a write waits for another program's write to the same file.
    bool openLocal(const QString& file, bool create, int waitMs);
    bool openServer(const ServerSettings& server);
    // The record itself: the server where one is set, else the local file.
    bool openRecord(const RecordsConfig& config, bool create);

    bool isOpen() const { return db_.isOpen(); }
    QSqlDatabase& db() { return db_; }
    QString error() const { return error_; }
    void close();

private:
    bool finishOpening(const QString& what);
    QSqlDatabase db_;
    QString name_;
    QString error_;
};

// Brings the tables up to this program's version, all steps in one transaction. Refuses a database
// written by a newer program, leaving it as it is.
bool migrateRecords(QSqlDatabase& db, QString* error);
// The schema version a database carries, 0 when it has none yet.
int recordsSchemaVersion(QSqlDatabase& db);

// Reads the server's password from its file (first line); empty when it cannot be read.
QString readPasswordFile(const QString& path);
