#include "fuzz_shared.h"

#include "platform/files.h"
#include "quiz/questionset.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

// The program binds this to Module1; the fuzzers have no screens.
SharedState& Shared = *new SharedState;

QString fuzzDataFolder() {
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm/tellwyn-fuzz-XXXXXX")
                                                       : QDir::tempPath() + "/tellwyn-fuzz-XXXXXX");
    static const bool made = [] {
        QDir(dir.path()).mkpath("multiple");
        QDir(dir.path()).mkpath("Images");
        setDataFolder(dir.path());
        return true;
    }();
    (void)made;
    return dir.path();
}

void writeDataFile(const QString& relative, const QByteArray& bytes) {
    QFile f(fuzzDataFolder() + '/' + relative);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        broken("the fuzzer could not write its own data folder");
}

QByteArray fuzzBytes(const std::uint8_t* data, std::size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

bool sameSet(const QuestionSet& a, const QuestionSet& b) {
    return a.title == b.title &&
           std::ranges::equal(a.questions, b.questions, [](const Question& p, const Question& q) {
               return p.text == q.text && p.answers == q.answers && p.correct == q.correct;
           });
}

void broken(const char* invariant) {
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}
