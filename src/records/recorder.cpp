#include "records/recorder.h"

#include "records/recordsdb.h"

#include <QFileInfo>
#include <QMutexLocker>
#include <QSqlQuery>
#include <QSysInfo>
#include <QUuid>

namespace {

// The longest a result waits for another program writing the same file: the pupil's screen is
// waiting on it.
constexpr int GuiWaitMs = 50;

bool mirrorClasses(QSqlDatabase& server, QSqlDatabase& local, QString* error) {
    const QStringList classes = classNames(server);
    QList<std::pair<QString, QStringList>> lists;
    for (const QString& c : classes)
        lists.append({c, pupilNames(server, c)});
    if (!local.transaction()) return false;
    QSqlQuery q(local);
    bool ok = q.exec(QStringLiteral("DELETE FROM pupils")) && q.exec(QStringLiteral("DELETE FROM classes"));
    for (const auto& [c, names] : lists)
        ok = ok && addPupils(local, c, names, error, false) >= 0;
    if (ok && local.commit()) return true;
    local.rollback();
    return false;
}

} // namespace

int sendQueuedResults(const RecordsConfig& config, QString* error) {
    if (!config.server) return 0;
    RecordsConnection server;
    if (!server.openServer(*config.server)) {
        *error = server.error();
        return -1;
    }
    RecordsConnection local;
    const bool hadFile = QFileInfo::exists(config.localFile);
    int sent = 0;
    if (hadFile || !classNames(server.db()).isEmpty()) {
        if (!local.openLocal(config.localFile, true, 5000)) {
            *error = local.error();
            return -1;
        }
        // Few at a time, so that a long queue never holds much in memory.
        for (QList<ResultRecord> batch; !(batch = oldestResults(local.db(), 50)).isEmpty();) {
            for (const ResultRecord& r : batch) {
                // Taken off the queue only once the server has it; sent again after a failure in
                // between, the server keeps it once.
                if (!insertResult(server.db(), r, error) || !deleteResult(local.db(), r.id, error)) return -1;
                ++sent;
            }
        }
        if (!mirrorClasses(server.db(), local.db(), error)) return -1;
    }
    return sent;
}

void RecordSender::wake() {
    QMutexLocker lock(&mutex_);
    pending_ = true;
    woken_.wakeAll();
}

void RecordSender::stop() {
    {
        QMutexLocker lock(&mutex_);
        stopping_ = true;
        woken_.wakeAll();
    }
    wait();
}

QString RecordSender::status() const {
    QMutexLocker lock(&mutex_);
    return status_;
}

void RecordSender::run() {
    for (;;) {
        QString error;
        const int sent = sendQueuedResults(config_, &error);
        QMutexLocker lock(&mutex_);
        status_ = sent < 0 ? error : QString();
        if (stopping_) return;
        if (!pending_) woken_.wait(&mutex_, RoundMs);
        pending_ = false;
        if (stopping_) return;
    }
}

Recorder& Recorder::instance() {
    // Never destroyed: its connection must not outlive Qt's own table of connections at exit.
    static Recorder* recorder = new Recorder;
    return *recorder;
}

bool Recorder::writePending() {
    if (!local_) local_ = std::make_unique<RecordsConnection>();
    if (!local_->isOpen() && !local_->openLocal(recordsConfig().localFile, true, GuiWaitMs)) return false;
    while (!pending_.isEmpty()) {
        QString error;
        if (!insertResult(local_->db(), pending_.first(), &error)) {
            // Perhaps the file went away or became read-only: open it afresh next time.
            local_->close();
            return false;
        }
        pending_.removeFirst();
    }
    return true;
}

bool Recorder::record(ResultRecord r) {
    if (!pupil_) return true;
    r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    r.pupil = pupil_->name;
    r.className = pupil_->className;
    r.machine = QSysInfo::machineHostName();
    pending_.append(r);
    const bool written = writePending();
    if (sender_) sender_->wake();
    return written;
}

void Recorder::startSender() {
    if (sender_ || !recordsConfig().server) return;
    sender_ = std::make_unique<RecordSender>(recordsConfig());
    sender_->start(QThread::LowPriority);
}

void Recorder::stopSender() {
    if (!pending_.isEmpty()) writePending();
    sender_.reset();
}

QString Recorder::senderStatus() const {
    return sender_ ? sender_->status() : QString();
}

void Recorder::reset() {
    sender_.reset();
    local_.reset();
    pending_.clear();
    pupil_.reset();
}

QStringList localClassNames() {
    RecordsConnection c;
    if (!c.openLocal(recordsConfig().localFile, false, GuiWaitMs)) return {};
    return classNames(c.db());
}

QStringList localPupilNames(const QString& className) {
    RecordsConnection c;
    if (!c.openLocal(recordsConfig().localFile, false, GuiWaitMs)) return {};
    return pupilNames(c.db(), className);
}
