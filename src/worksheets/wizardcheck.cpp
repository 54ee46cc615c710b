#include "worksheets/wizardcheck.h"

namespace {
// Numbers stand in texts with the blank of their sign before them.
QString withNumber(const char* text, int n) {
    return QString::fromLatin1(text) + ' ' + QString::number(n);
}
} // namespace

std::optional<QString> genworkProblem(const WizardFields& f) {
    if (f.title.isEmpty()) return QStringLiteral("You have not chosen a title for your worksheet");
    for (int i = 0; i < 10; ++i) {
        const int n = i + 1;
        if (f.questions[i].isEmpty()) return withNumber("You have not completed Question", n);
        int ticks = 0;
        for (int k = 0; k < 4; ++k) {
            // An empty answer is reported before any count of ticks.
            if (f.answers[4 * i + k].isEmpty()) return withNumber("You have not completed Question", n);
            if (f.ticks[4 * i + k] == 1) ++ticks;
        }
        if (ticks == 0) return withNumber("You have not ticked the correct answer for Question", n);
        if (ticks > 1) return withNumber("You have ticked more than one correct answer for Question", n);
    }
    return std::nullopt;
}

QuestionSet worksheetOf(const WizardFields& f) {
    QuestionSet set;
    set.title = f.title;
    for (int i = 0; i < 10; ++i) {
        Question& q = set.questions[i];
        q.text = f.questions[i];
        for (int k = 0; k < 4; ++k) {
            q.answers[k] = f.answers[4 * i + k];
            if (f.ticks[4 * i + k] == 1) q.correct = QString::number(k + 1);
        }
    }
    return set;
}
