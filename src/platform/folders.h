#pragma once

#include <QString>
#include <QStringList>

// The program reads from two roots. The data folder holds what it is shipped with (pictures,
// sounds, pages and the topics' own question sets; read-only once installed). The worksheet
// folder holds what teachers write: their worksheets and the index. Screens still name both as
// one tree ("multiple\track.txt"): a path under multiple/ goes to the worksheet folder, except
// the names pinned to the data folder.

// The worksheet folder, as an absolute path; empty puts it back inside the data folder, at
// multiple/ (so a data folder given on its own holds everything, as it always did).
void setWorksheetFolder(const QString& absolutePath);
// Where worksheets are written: the folder set, or the data folder's multiple/.
QString worksheetRoot();

// File names in multiple/ that always come from the data folder, whatever the worksheet folder
// holds, so a stray file there cannot stand in for one of the topics' own question sets.
void pinToDataFolder(const QStringList& namesInMultiple);

// The folder a path (split into its components) starts from, and the components below it.
struct RootedPath {
    QString root;
    QStringList parts;
};
RootedPath rootFor(const QStringList& parts);
