// A pupil's or teacher's machine for the records checks, without screens:
//   helper_records lesson CLASS PUPIL N [hang]  record N results, send them as the program does
//                                               (leave once all are sent, or stay until killed)
//   helper_records send                         one sending round, as at the program's start
// The records settings are the program's own (XDG_CONFIG_DIRS, HOME).
#include "records/recorder.h"
#include "records/recordsdb.h"

#include <QCoreApplication>
#include <QThread>
#include <cstdio>

namespace {

int queued() {
    RecordsConnection c;
    if (!c.openLocal(recordsConfig().localFile, false, 1000)) return 0;
    return int(oldestResults(c.db(), 1000).size());
}

int lesson(const QStringList& a) {
    Recorder& recorder = Recorder::instance();
    recorder.choosePupil({a.value(2), a.value(3)});
    for (int i = 0; i < a.value(4).toInt(); ++i) {
        ResultRecord r;
        r.what = QStringLiteral("The Moon Landings");
        r.activity = QStringLiteral("Quiz");
        r.score = 5 + i;
        r.outOf = 10;
        r.started = r.ended = QDateTime::currentDateTimeUtc();
        r.answers = {{QStringLiteral("Which year?"), QStringLiteral("1970"), QStringLiteral("1969")}};
        if (!recorder.record(r)) return 1;
    }
    std::printf("recorded %d\n", queued());
    std::fflush(stdout);
    // Not a wait: the check kills this copy here, with its results still waiting to be sent.
    if (a.value(5) == QLatin1String("hang")) QThread::sleep(3600);
    recorder.startSender();
    for (int waited = 0; queued() > 0; waited += 50) {
        if (waited > 60000) return 1;
        QThread::msleep(50);
    }
    recorder.stopSender();
    std::printf("all sent\n");
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tellwyn"));
    const QStringList a = QCoreApplication::arguments();
    if (a.value(1) == QLatin1String("lesson")) return lesson(a);
    if (a.value(1) != QLatin1String("send")) return 2;
    QString error;
    const int sent = sendQueuedResults(recordsConfig(), &error);
    std::printf("sent %d %s\n", sent, qPrintable(error));
    return sent < 0 ? 1 : 0;
}
