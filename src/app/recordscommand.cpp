#include "app/recordscommand.h"

#include "records/records.h"
#include "records/recordsdb.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "tellwyn: %s\n", qPrintable(message));
    return 1;
}

int addClass(const RecordsRequest& r) {
    QString error;
    const QStringList names = namesFromFile(r.namesFile, &error);
    if (names.isEmpty()) return fail(error);
    RecordsConnection c;
    if (!c.openRecord(recordsConfig(), true)) return fail(c.error());
    const int added = addPupils(c.db(), r.addClass, names, &error);
    if (added < 0) return fail(QStringLiteral("cannot add the class: %1").arg(error));
    std::printf("Class \"%s\": %d new names, %d in all.\n", qPrintable(r.addClass.simplified()), added,
                int(pupilNames(c.db(), r.addClass.simplified()).size()));
    return 0;
}

int exportRecords(const RecordsRequest& r) {
    RecordsConnection c;
    if (!c.openRecord(recordsConfig(), false)) return fail(c.error());
    if (!r.exportClass.isEmpty() && !classNames(c.db()).contains(r.exportClass))
        return fail(QStringLiteral("there is no class \"%1\"").arg(r.exportClass));
    QSaveFile out(r.exportFile);
    QString error;
    if (!out.open(QIODevice::WriteOnly)) return fail(QStringLiteral("cannot write %1").arg(r.exportFile));
    if (!exportResultsCsv(c.db(), r.exportClass, out, &error) || !out.commit())
        return fail(QStringLiteral("cannot write %1: %2")
                        .arg(r.exportFile, error.isEmpty() ? out.errorString() : error));
    std::printf("Wrote %s\n", qPrintable(r.exportFile));
    return 0;
}

} // namespace

int runRecordsCommand(const RecordsRequest& r, int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Tellwyn"));
    if (!r.addClass.isEmpty()) return addClass(r);
    if (r.exportFile.isEmpty()) return fail(QStringLiteral("--class goes with --export-records"));
    return exportRecords(r);
}
