#include "worksheets/wizardcheck.h"

namespace {
// Numbers stand in texts with the blank of their sign before them.
QString withNumber(const char* text, int n) {
    return QString::fromLatin1(text) + ' ' + QString::number(n);
}
// The fields longer than their boxes allow, named as the author sees them.
QStringList tooLongFields(const WizardFields& f) {
    QStringList names;
    if (f.title.size() > TitleLength) names << QStringLiteral("the Worksheet Title");
    for (int i = 0; i < 10; ++i) {
        if (f.questions[i].size() > QuestionLength) names << QStringLiteral("Question %1").arg(i + 1);
        for (int k = 0; k < 4; ++k)
            if (f.answers[4 * i + k].size() > AnswerLength)
                names << QStringLiteral("Answer %1 of Question %2").arg(QChar('A' + k)).arg(i + 1);
    }
    return names;
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
    if (const QStringList names = tooLongFields(f); !names.isEmpty())
        return QStringLiteral("These texts are longer than the wizard allows (a title %1 characters, a "
                              "question %2, an answer %3): %4. Please shorten them before saving.")
            .arg(TitleLength)
            .arg(QuestionLength)
            .arg(AnswerLength)
            .arg(names.join(QStringLiteral(", ")));
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
