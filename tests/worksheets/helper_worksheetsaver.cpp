// A copy of the worksheet store run from the command line, for the checks that run several copies
// at once or kill one while it saves.
//   helper_worksheetsaver save <data folder> <prefix> <count>   saves "<prefix> 1" .. "<prefix> count"
//   helper_worksheetsaver churn <data folder> <prefix>          saves and deletes until killed
//   helper_worksheetsaver verify <data folder> [<count>]        the index loads, lists each title once
//                                                                (count of them), and every file loads
#include "app/module1.h"
#include "platform/files.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetstore.h"

#include <QCoreApplication>
#include <QSet>
#include <cstdio>

namespace {

QuestionSet worksheet(const QString& title, int version) {
    QuestionSet set;
    set.title = title;
    for (int i = 0; i < 10; ++i) {
        set.questions[i].text =
            QStringLiteral("%1, version %2, question %3?").arg(title).arg(version).arg(i + 1);
        set.questions[i].answers = {"A", "B", "C", QString::number(version)};
        set.questions[i].correct = QString::number((i + version) % 4 + 1);
    }
    return set;
}

int verify(int expected) {
    const auto index = readWorksheetIndex(WorksheetIndexFile, 1 << 30);
    if (!index || !index->complete) return std::fprintf(stderr, "the index does not load\n"), 1;
    int bad = 0;
    QSet<QString> seen;
    for (const QString& title : index->titles) {
        QString problem;
        if (seen.contains(title)) ++bad, std::fprintf(stderr, "listed twice: %s\n", qPrintable(title));
        seen.insert(title);
        if (!LoadQuestionSet(worksheetFile(title), &problem) || Module1.SetTitle != title)
            ++bad, std::fprintf(stderr, "listed but does not load: %s (%s)\n", qPrintable(title),
                                qPrintable(problem));
    }
    if (expected >= 0 && index->titles.size() != expected)
        ++bad,
            std::fprintf(stderr, "the index lists %d titles, not %d\n", int(index->titles.size()), expected);
    std::printf("%d titles listed\n", int(index->titles.size()));
    return bad ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.value(1);
    setDataFolder(args.value(2));
    if (mode == "save" && args.size() == 5) {
        int failed = 0;
        for (int i = 1; i <= args[4].toInt(); ++i)
            if (!saveWorksheet(worksheet(QStringLiteral("%1 %2").arg(args[3]).arg(i), i)))
                ++failed, std::fprintf(stderr, "could not save %s %d\n", qPrintable(args[3]), i);
        return failed ? 1 : 0;
    }
    if (mode == "churn" && args.size() == 4)
        for (int round = 0;; ++round) {
            const QString title = QStringLiteral("%1 %2").arg(args[3]).arg(round % 40);
            round % 7 == 6 ? void(delworksheet(title)) : void(saveWorksheet(worksheet(title, round)));
        }
    if (mode == "verify" && args.size() >= 3) return verify(args.size() > 3 ? args[3].toInt() : -1);
    std::fputs("usage: helper_worksheetsaver save|churn|verify <data folder> ...\n", stderr);
    return 2;
}
