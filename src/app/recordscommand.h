#pragma once

#include <QString>
#include <QStringList>

// The technician's records commands, run without a window.
struct RecordsRequest {
    QString addClass; // --add-class NAME FILE
    QString namesFile;
    QString exportFile;  // --export-records FILE.csv
    QString exportClass; // --class NAME: only this class
    bool any() const { return !addClass.isEmpty() || !exportFile.isEmpty() || !exportClass.isEmpty(); }
};

// Takes a records option at args[i] (moving i past its values); false when args[i] is not one.
bool parseRecordsOption(const QStringList& args, qsizetype& i, RecordsRequest& r, QString& error);
// The options' lines for the usage text.
QString recordsUsage();
int runRecordsCommand(const RecordsRequest& r, int argc, char** argv);
