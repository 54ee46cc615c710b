// A copy of the worksheet store run from the command line, for the check that runs several copies
// at once and kills one while it saves.
//   helper_worksheetsaver save <data folder> <prefix> <count>   saves "<prefix> 1" .. "<prefix> count"
//   helper_worksheetsaver churn <data folder> <prefix>          saves and deletes until killed
//   helper_worksheetsaver verify <data folder> [<count>]        the index loads, lists each title once
//                                                                (count of them), and every file loads
#include "app/module1.h"
#include "platform/files.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

QuestionSet worksheet(const QString& title, int version) {
    QuestionSet set{title, {}};
    for (int i = 0; i < 10; ++i)
        set.questions[i] = {QStringLiteral("%1, version %2, question %3?").arg(title).arg(version).arg(i + 1),
                            {"A", "B", "C", QString::number(version)},
                            QString::number((i + version) % 4 + 1)};
    return set;
}

int fault(const char* what, const QString& detail = {}) {
    std::fprintf(stderr, "%s %s\n", what, qPrintable(detail));
    return 1;
}

int verify(int expected) {
    const auto index = readWorksheetIndex(WorksheetIndexFile, 1 << 30);
    if (!index || !index->complete) return fault("the index does not load");
    int bad = 0;
    for (const QString& title : index->titles) {
        if (index->titles.count(title) > 1) bad += fault("listed twice:", title);
        QString problem;
        if (!LoadQuestionSet(worksheetFile(title), &problem) || Module1.SetTitle != title)
            bad += fault("listed but does not load:", title + " (" + problem + ")");
    }
    if (expected >= 0 && index->titles.size() != expected)
        bad += fault("the index lists a wrong number of titles:", QString::number(index->titles.size()));
    std::printf("%d titles listed\n", int(index->titles.size()));
    return bad ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    setDataFolder(args.value(2));
    if (args.value(1) == "save" && args.size() == 5) {
        int failed = 0;
        for (int i = 1; i <= args[4].toInt(); ++i)
            if (!saveWorksheet(worksheet(QStringLiteral("%1 %2").arg(args[3]).arg(i), i)))
                failed += fault("could not save", QStringLiteral("%1 %2").arg(args[3]).arg(i));
        return failed ? 1 : 0;
    }
    if (args.value(1) == "churn" && args.size() == 4)
        for (int round = 0;; ++round) {
            const QString title = QStringLiteral("%1 %2").arg(args[3]).arg(round % 40);
            round % 7 == 6 ? void(delworksheet(title)) : void(saveWorksheet(worksheet(title, round)));
        }
    if (args.value(1) == "verify" && args.size() >= 3) return verify(args.size() > 3 ? args[3].toInt() : -1);
    return fault("usage: helper_worksheetsaver save|churn|verify <data folder> ...") + 1;
}
