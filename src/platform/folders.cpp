#include "platform/folders.h"

#include "platform/files.h"

namespace {

const QString WorksheetDir = QStringLiteral("multiple");

struct Roots {
    QString worksheets; // empty: the data folder's multiple/
    QStringList pinned;
};

Roots& roots() {
    static Roots r;
    return r;
}

} // namespace

void setWorksheetFolder(const QString& absolutePath) {
    roots().worksheets = absolutePath;
}

QString worksheetRoot() {
    return roots().worksheets.isEmpty() ? resolveDataPath(WorksheetDir) : roots().worksheets;
}

void pinToDataFolder(const QStringList& namesInMultiple) {
    roots().pinned = namesInMultiple;
}

RootedPath rootFor(const QStringList& parts) {
    const Roots& r = roots();
    if (r.worksheets.isEmpty() || parts.isEmpty() || parts[0].compare(WorksheetDir, Qt::CaseInsensitive) != 0)
        return {dataFolder(), parts};
    if (parts.size() == 2 && r.pinned.contains(parts[1], Qt::CaseInsensitive)) return {dataFolder(), parts};
    return {r.worksheets, parts.mid(1)};
}
