#pragma once

#include "records/records.h"
#include "records/recordsconfig.h"
#include "records/recordsdb.h"

#include <QMutex>
#include <QString>
#include <QThread>
#include <QWaitCondition>
#include <memory>
#include <optional>

// The pupil who said who they are at the start.
struct PupilChoice {
    QString className;
    QString name;
};

// Moves queued results from this machine's file to the school's server, and brings the server's
// class lists to this machine, on its own thread with its own connections.
class RecordSender : public QThread {
public:
    explicit RecordSender(RecordsConfig config) : config_(std::move(config)) {}
    ~RecordSender() override { stop(); }
    // Asks for a round now rather than at the next tick.
    void wake();
    void stop();
    QString status() const;

    // Rounds are this far apart at most, so a server that comes back is used within this time.
    static constexpr int RoundMs = 10000;

protected:
    void run() override;

private:
    RecordsConfig config_;
    mutable QMutex mutex_;
    QWaitCondition woken_;
    bool stopping_ = false;
    bool pending_ = false;
    QString status_;
};

// One round of sending: every queued result to the server (each in its own transaction, taken off
// the queue only once the server has it), then the server's class lists into the local file.
// Returns how many results were sent, or -1 with the problem in error.
int sendQueuedResults(const RecordsConfig& config, QString* error);

// Where the screens hand their results. Writing the local file takes a few milliseconds; the
// network is the sender's alone.
class Recorder {
public:
    static Recorder& instance();

    void choosePupil(const PupilChoice& pupil) { pupil_ = pupil; }
    void forgetPupil() { pupil_.reset(); }
    const std::optional<PupilChoice>& pupil() const { return pupil_; }

    // Records a result for the chosen pupil; does nothing when no pupil was chosen. Fills in the
    // id, pupil, class and machine. A result that cannot be written to the file now is kept in
    // memory and written by the next call or when the sender stops. Returns false only then.
    bool record(ResultRecord r);

    // Starts the sender where a server is set; the program does this once at start.
    void startSender();
    void stopSender();
    QString senderStatus() const;

    // For tests: forget the pupil, the connection and any waiting result.
    void reset();

private:
    bool writePending();
    std::optional<PupilChoice> pupil_;
    QList<ResultRecord> pending_;
    std::unique_ptr<RecordsConnection> local_;
    std::unique_ptr<RecordSender> sender_;
};

// The classes that "Who are you?" offers, read from this machine's file; never makes the file.
QStringList localClassNames();
QStringList localPupilNames(const QString& className);
