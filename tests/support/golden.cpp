#include "support/golden.h"

#include "platform/recordingprinter.h"

#include <QFile>
#include <QSaveFile>

QString printoutText(const RecordingPrinter& printer) {
    const auto at = [](Twips x, Twips y) { return QString::number(x) + ',' + QString::number(y); };
    QString out;
    for (size_t i = 0; i < printer.pages.size(); ++i) {
        out += QStringLiteral("page %1 \"%2\"\n").arg(i + 1).arg(printer.pages[i].title);
        for (const PrintOp& op : printer.pages[i].ops) {
            if (op.kind == PrintOp::Text)
                out += QStringLiteral("text %1 %2 %3pt %4 \"%5\"\n")
                           .arg(at(op.x1, op.y1), op.fontName, QString::number(op.points), op.colour.name(),
                                op.text);
            else if (op.kind == PrintOp::Line)
                out +=
                    QStringLiteral("line %1 %2 width %3 %4\n")
                        .arg(at(op.x1, op.y1), at(op.x2, op.y2), QString::number(op.width), op.colour.name());
            else if (op.kind == PrintOp::Picture)
                out += QStringLiteral("picture %1 %2\n").arg(at(op.x1, op.y1), at(op.x2, op.y2));
            else
                out += QStringLiteral("end\n");
        }
    }
    return out;
}

QString goldenDifference(const QString& relativePath, const QString& text) {
    const QString path = QStringLiteral(TELLWYN_SOURCE_DATA_DIR "/../tests/") + relativePath;
    if (qEnvironmentVariableIntValue("TELLWYN_UPDATE_GOLDEN") == 1) {
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(text.toUtf8()) < 0 || !f.commit())
            return QStringLiteral("could not write ") + path;
        qInfo("rewrote the golden file %s", qPrintable(path));
        return {};
    }
    QFile f(path);
    const QStringList want =
        f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()).split('\n') : QStringList();
    const QStringList got = text.split('\n');
    const QString none = QStringLiteral("(nothing)");
    for (qsizetype i = 0; i < std::max(want.size(), got.size()); ++i)
        if (want.value(i, none) != got.value(i, none))
            return QStringLiteral(
                       "%1, line %2:\n  golden:  %3\n  printed: %4\n(TELLWYN_UPDATE_GOLDEN=1 rewrites it)")
                .arg(path, QString::number(i + 1), want.value(i, none), got.value(i, none));
    return {};
}
