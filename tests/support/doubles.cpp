#include "support/doubles.h"

#include "platform/files.h"

#include <QDir>

void RecordingSound::play(const QString& absolutePath) {
    QString p = QDir(dataFolder()).relativeFilePath(absolutePath);
    played << p;
}

MsgResult ScriptedMessages::show(const QString& text, MsgButtons buttons, const QString& title) {
    shown.push_back({text, buttons, title});
    if (answers.empty())
        return MsgResult::OK;
    const MsgResult r = answers.front();
    answers.pop_front();
    return r;
}

QStringList ScriptedMessages::texts() const {
    QStringList t;
    for (const auto& m : shown)
        t << m.text;
    return t;
}

double FixedRandom::next() {
    if (values.empty())
        return 0;
    const double v = values.front();
    values.pop_front();
    return v;
}
