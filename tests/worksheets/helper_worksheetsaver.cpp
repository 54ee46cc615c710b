// A copy of the worksheet store run from the command line, for the checks that run several copies
// at once or kill one while it saves.
//   helper_worksheetsaver save <data folder> <prefix> <count>   saves "<prefix> 1" .. "<prefix> count"
//   helper_worksheetsaver churn <data folder> <prefix>          saves and deletes until killed
//   helper_worksheetsaver verify <data folder> [<count>]        the index loads, lists each title once
//                                                                (count of them), and every file loads
#include "app/module1.h"
#include "platform/files.h"
#include "quiz/questionset.h"
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
        for (int k = 0; k < 4; ++k)
            set.questions[i].answers[k] = QStringLiteral("Answer %1 of %2").arg(QChar('A' + k)).arg(version);
        set.questions[i].correct = QString::number((i + version) % 4 + 1);
    }
    return set;
}

int save(const QString& prefix, int count) {
    int failed = 0;
    for (int i = 1; i <= count; ++i) {
        if (!saveWorksheet(worksheet(QStringLiteral("%1 %2").arg(prefix).arg(i), i))) {
            std::fprintf(stderr, "could not save %s %d\n", qPrintable(prefix), i);
            ++failed;
        }
    }
    return failed ? 1 : 0;
}

int churn(const QString& prefix) {
    for (int round = 0;; ++round) {
        const QString title = QStringLiteral("%1 %2").arg(prefix).arg(round % 40);
        if (round % 7 == 6)
            delworksheet(title);
        else
            saveWorksheet(worksheet(title, round));
    }
}

int verify(int expected) {
    const auto index = readWorksheetIndex(WorksheetIndexFile, 1 << 30);
    if (!index || !index->complete) {
        std::fprintf(stderr, "the index does not load\n");
        return 1;
    }
    int bad = 0;
    QSet<QString> seen;
    for (const QString& title : index->titles) {
        if (seen.contains(title)) {
            std::fprintf(stderr, "listed twice: %s\n", qPrintable(title));
            ++bad;
        }
        seen.insert(title);
        QString problem;
        if (!LoadQuestionSet(worksheetFile(title), &problem) || Module1.SetTitle != title) {
            std::fprintf(stderr, "listed but does not load: %s (%s)\n", qPrintable(title),
                         qPrintable(problem));
            ++bad;
        }
    }
    if (expected >= 0 && index->titles.size() != expected) {
        std::fprintf(stderr, "the index lists %d titles, not %d\n", int(index->titles.size()), expected);
        ++bad;
    }
    std::printf("%d titles listed\n", int(index->titles.size()));
    return bad ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fputs("usage: helper_worksheetsaver save|churn|verify <data folder> ...\n", stderr);
        return 2;
    }
    setDataFolder(args[2]);
    const QString mode = args[1];
    if (mode == "save" && args.size() == 5) return save(args[3], args[4].toInt());
    if (mode == "churn" && args.size() == 4) return churn(args[3]);
    if (mode == "verify") return verify(args.size() > 3 ? args[3].toInt() : -1);
    std::fputs("usage: helper_worksheetsaver save|churn|verify <data folder> ...\n", stderr);
    return 2;
}
