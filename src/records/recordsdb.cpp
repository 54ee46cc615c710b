#include "records/recordsdb.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {

QString uniqueConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("tellwyn-records-%1").arg(counter.fetchAndAddRelaxed(1));
}

// Each step takes the tables from one version to the next; a step, once released, never changes.
const QStringList Steps[] = {
    // 0 -> 1
    {QStringLiteral("CREATE TABLE records_schema (version INTEGER NOT NULL)"),
     QStringLiteral("CREATE TABLE classes (name TEXT PRIMARY KEY)"),
     QStringLiteral("CREATE TABLE pupils (class_name TEXT NOT NULL, name TEXT NOT NULL, "
                    "PRIMARY KEY (class_name, name))"),
     QStringLiteral(
         "CREATE TABLE results (id TEXT PRIMARY KEY, pupil TEXT NOT NULL, class_name TEXT NOT NULL, "
         "machine TEXT NOT NULL, what TEXT NOT NULL, activity TEXT NOT NULL, score INTEGER NOT NULL, "
         "out_of INTEGER NOT NULL, started TEXT NOT NULL, ended TEXT NOT NULL)"),
     // The class record's grid is read from this index alone.
     QStringLiteral(
         "CREATE INDEX results_by_pupil ON results (class_name, pupil, what, activity, score, out_of, "
         "ended)"),
     // Class, pupil and topic stand beside each answer too, so that the questions a class finds
     // hard are counted from one index, without a join over a year of results.
     QStringLiteral(
         "CREATE TABLE answers (result_id TEXT NOT NULL, number INTEGER NOT NULL, class_name TEXT NOT NULL, "
         "pupil TEXT NOT NULL, what TEXT NOT NULL, question TEXT NOT NULL, given TEXT NOT NULL, "
         "correct TEXT NOT NULL, PRIMARY KEY (result_id, number))"),
     QStringLiteral(
         "CREATE INDEX answers_by_question ON answers (class_name, what, question, pupil, given, correct)"),
     QStringLiteral("INSERT INTO records_schema (version) VALUES (0)")},
};
static_assert(std::size(Steps) == RecordsSchemaVersion);

// Every account that may add to the folder may add to the file, whatever the umask.
void shareLikeFolder(const QString& file) {
    const QFile::Permissions folder = QFileInfo(QFileInfo(file).absolutePath()).permissions();
    QFile::Permissions p = QFile::permissions(file);
    if (folder & QFile::WriteGroup) p |= QFile::ReadGroup | QFile::WriteGroup;
    if (folder & QFile::WriteOther) p |= QFile::ReadOther | QFile::WriteOther;
    QFile::setPermissions(file, p);
}

} // namespace

QString readPasswordFile(const QString& path) {
    QFile f(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.read(4096)).section(QLatin1Char('\n'), 0, 0).remove(QLatin1Char('\r'));
}

void RecordsConnection::close() {
    if (name_.isEmpty()) return;
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
    name_.clear();
}

bool RecordsConnection::openLocal(const QString& file, bool create, int waitMs) {
    close();
    const bool existed = QFileInfo(file).isFile();
    if (!existed && !create) {
        error_ = QStringLiteral("There are no records on this machine yet.");
        return false;
    }
    if (!existed && !QDir().mkpath(QFileInfo(file).absolutePath())) {
        error_ =
            QStringLiteral("Cannot make the folder for the records: %1").arg(QFileInfo(file).absolutePath());
        return false;
    }
    name_ = uniqueConnectionName();
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    db_.setDatabaseName(file);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(waitMs));
    const bool ok = finishOpening(file);
    // A pupil's result is safe once written, even if the program is killed; only a power cut may
    // take the last one, and the screen never waits for the disk.
    if (ok) {
        QSqlQuery q(db_);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    }
    if (ok && !existed) shareLikeFolder(file);
    return ok;
}

bool RecordsConnection::openServer(const ServerSettings& server) {
    close();
    name_ = uniqueConnectionName();
    db_ = QSqlDatabase::addDatabase(server.driver, name_);
    db_.setHostName(server.host);
    if (server.port > 0) db_.setPort(server.port);
    db_.setDatabaseName(server.database);
    db_.setUserName(server.user);
    if (!server.passwordFile.isEmpty()) db_.setPassword(readPasswordFile(server.passwordFile));
    // A server that does not answer costs the sender a few seconds, never the pupil.
    if (server.driver == QLatin1String("QPSQL")) db_.setConnectOptions(QStringLiteral("connect_timeout=5"));
    return finishOpening(QStringLiteral("the school's records server"));
}

bool RecordsConnection::finishOpening(const QString& what) {
    if (!db_.isValid()) {
        error_ = QStringLiteral("The database driver %1 is not installed.").arg(db_.driverName());
        close();
        return false;
    }
    if (!db_.open()) {
        // The driver's text names the server and what went wrong; it never holds the password.
        error_ = QStringLiteral("Cannot open %1: %2").arg(what, db_.lastError().text());
        close();
        return false;
    }
    if (!migrateRecords(db_, &error_)) {
        close();
        return false;
    }
    return true;
}

bool RecordsConnection::openRecord(const RecordsConfig& config, bool create) {
    return config.server ? openServer(*config.server) : openLocal(config.localFile, create, 2000);
}

int recordsSchemaVersion(QSqlDatabase& db) {
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT version FROM records_schema")) || !q.next()) return 0;
    return q.value(0).toInt();
}

bool migrateRecords(QSqlDatabase& db, QString* error) {
    const bool hasTables = db.tables().contains(QStringLiteral("records_schema"));
    const int version = hasTables ? recordsSchemaVersion(db) : 0;
    if (version > RecordsSchemaVersion) {
        *error =
            QStringLiteral("The records were written by a newer Tellwyn (version %1 of their tables; this "
                           "program knows %2). Update Tellwyn on this machine.")
                .arg(version)
                .arg(RecordsSchemaVersion);
        return false;
    }
    if (version == RecordsSchemaVersion) return true;
    if (!db.transaction()) {
        *error = QStringLiteral("Cannot change the records: %1").arg(db.lastError().text());
        return false;
    }
    QSqlQuery q(db);
    for (int v = version; v < RecordsSchemaVersion; ++v) {
        for (const QString& statement : Steps[v]) {
            if (!q.exec(statement)) {
                *error = QStringLiteral("Cannot update the records' tables: %1").arg(q.lastError().text());
                db.rollback();
                return false;
            }
        }
    }
    if (!q.exec(QStringLiteral("UPDATE records_schema SET version = %1").arg(RecordsSchemaVersion)) ||
        !db.commit()) {
        *error = QStringLiteral("Cannot update the records' tables: %1").arg(db.lastError().text());
        db.rollback();
        return false;
    }
    return true;
}
