// The records: how long a finished quiz keeps the results screen waiting while it is written to
// this machine's file, and how long the Class Record takes to read a class of 30 pupils over a
// school year of 20,000 results (half of them quizzes of ten questions). Prints medians.
#include "records/recorder.h"
#include "records/recordsdb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

ResultRecord quiz(int n) {
    ResultRecord r;
    r.what = QStringLiteral("The Moon Landings");
    r.activity = n % 2 ? QStringLiteral("Quiz") : QStringLiteral("Ordering");
    r.score = n % 11;
    r.outOf = 10;
    r.started = QDateTime(QDate(2026, 9, 1), QTime(9, 0), Qt::UTC).addSecs(n * 600);
    r.ended = r.started.addSecs(300);
    for (int q = 1; n % 2 && q <= 10; ++q)
        r.answers.append(
            {QStringLiteral("Question %1").arg(q), QString::number((n + q) % 4), QString::number(q % 4)});
    return r;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    setRecordsConfig({dir.filePath(QStringLiteral("records.sqlite")), std::nullopt, {}});
    Recorder& recorder = Recorder::instance();
    recorder.choosePupil({QStringLiteral("Oak"), QStringLiteral("Ann")});
    recorder.record(quiz(1)); // the first opens the file
    std::vector<double> times;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        recorder.record(quiz(2 * i + 1));
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("record a quiz result (SQLite): median %.2f ms\n", median(times));

    RecordsConnection c;
    c.openLocal(dir.filePath(QStringLiteral("year.sqlite")), true, 1000);
    QString error;
    QStringList pupils;
    for (int p = 0; p < 30; ++p)
        pupils << QStringLiteral("Pupil %1").arg(p);
    addPupils(c.db(), QStringLiteral("Oak"), pupils, &error);
    for (int n = 0; n < 20000; ++n) {
        ResultRecord r = quiz(n);
        r.id = QString::number(n);
        r.pupil = pupils[n % 30];
        r.className = QStringLiteral("Oak");
        r.what += QString::number(n % 7);
        insertResult(c.db(), r, &error);
    }
    times.clear();
    for (int i = 0; i < 15; ++i) {
        QElapsedTimer t;
        t.start();
        const ClassRecord rec = loadClassRecord(c.db(), QStringLiteral("Oak"), &error);
        const QList<ResultRecord> history = pupilHistory(c.db(), QStringLiteral("Oak"), pupils[0], &error);
        times.push_back(t.nsecsElapsed() / 1e6);
        if (rec.pupils.size() != 30 || history.isEmpty())
            std::printf("wrong record: %s\n", qPrintable(error));
    }
    std::printf("open the class record, 30 pupils x 20000 results: median %.1f ms\n", median(times));
    return 0;
}
