#include "quiz/questionset.h"

#include "platform/inputfile.h"
#include "quiz/questionsperset.h"
#include "state/sharedstate.h"

QString escapeCommas(const QString& typed) {
    QString s = typed;
    return s.replace(',', '&');
}

QString restoreCommas(const QString& stored) {
    QString s = stored;
    return s.replace('&', ',');
}

std::optional<QuestionSet> readQuestionSet(InputFile& in, QString* problem) {
    auto fail = [&](const QString& why) -> std::optional<QuestionSet> {
        if (problem) *problem = why;
        return std::nullopt;
    };
    QuestionSet set;
    auto typed = [&](QString& into) {
        const auto f = in.readField();
        if (f) into = restoreCommas(*f);
        return f.has_value();
    };
    if (!typed(set.title) || !in.readField())
        return fail(QStringLiteral("the file ends before its first question"));
    for (int q = 0; q < QuestionsPerSet; ++q) {
        Question& question = set.questions[q];
        bool ok = typed(question.text);
        for (QString& answer : question.answers)
            ok = ok && typed(answer);
        const auto digit = ok ? in.readField() : std::nullopt;
        if (!digit || !in.readField())
            return fail(QStringLiteral("the file ends before question %1 is complete").arg(q + 1));
        const QString d = digit->trimmed();
        if (d.size() != 1 || d[0] < '1' || d[0] > '4')
            return fail(QStringLiteral("question %1 has no right answer from 1 to 4").arg(q + 1));
        question.correct = d;
    }
    return set;
}

QStringList questionSetLines(const QuestionSet& set) {
    QStringList lines{escapeCommas(set.title), QStringLiteral(" ")};
    for (const Question& q : set.questions) {
        lines << escapeCommas(q.text);
        for (const QString& a : q.answers)
            lines << escapeCommas(a);
        lines << q.correct << QStringLiteral(" ");
    }
    return lines;
}

void storeInModule1(const QuestionSet& set) {
    Shared.SetTitle = set.title;
    for (int i = 1; i <= QuestionsPerSet; ++i) {
        const Question& q = set.questions[i - 1];
        Shared.QuestionText[i] = q.text;
        Shared.AnswerA[i] = q.answers[0];
        Shared.AnswerB[i] = q.answers[1];
        Shared.AnswerC[i] = q.answers[2];
        Shared.AnswerD[i] = q.answers[3];
        Shared.CorrectAnswer[i] = q.correct;
    }
}

QuestionSet questionSetInModule1() {
    QuestionSet set{Shared.SetTitle, {}};
    for (int i = 1; i <= QuestionsPerSet; ++i)
        set.questions[i - 1] = {Shared.QuestionText[i],
                                {Shared.AnswerA[i], Shared.AnswerB[i], Shared.AnswerC[i], Shared.AnswerD[i]},
                                Shared.CorrectAnswer[i]};
    return set;
}

bool LoadQuestionSet(const QString& relativePath, QString* problem) {
    InputFile in;
    if (!in.open(relativePath, problem)) return false;
    const auto set = readQuestionSet(in, problem);
    in.close();
    if (!set) return false;
    storeInModule1(*set);
    return true;
}
