#include "support/samples.h"

#include "app/module1.h"
#include "platform/files.h"
#include "quiz/quizscreen.h"
#include "records/recordsdb.h"
#include "support/testenv.h"
#include "topics/topichub.h"
#include "worksheets/worksheetstore.h"

QuestionSet sampleQuestionSet(const QString& title, int allRight) {
    QuestionSet s;
    s.title = title;
    for (int q = 0; q < 10; ++q) {
        s.questions[q].text = QStringLiteral("Question text %1?").arg(q + 1);
        for (int k = 0; k < 4; ++k)
            s.questions[q].answers[k] = QStringLiteral("Answer %1%2").arg(q + 1).arg(QChar('A' + k));
        s.questions[q].correct = QString::number(allRight >= 1 && allRight <= 4 ? allRight : q % 4 + 1);
    }
    return s;
}

QByteArray textFileBytes(const QStringList& lines) {
    return encodeWindows1252(lines.join("\r\n") + "\r\n").value_or(QByteArray());
}

QStringList sheets(int n) {
    QStringList titles;
    for (int i = 1; i <= n; ++i)
        titles << QStringLiteral("Sheet %1").arg(i);
    return titles;
}

QByteArray indexBytes(const QStringList& titles) {
    return textFileBytes(worksheetIndexLines(titles));
}

ResultRecord quizResult(const QString& id, const QString& pupil, int score,
                        const QList<AnswerRecord>& answers) {
    const QDateTime started(QDate(2026, 12, 7), QTime(9, 0), Qt::UTC);
    return {id,     pupil, "Oak", "pc1",   "The Moon Landings",
            "Quiz", score, 10,    started, started.addSecs(300 + score),
            answers};
}

bool addClassRecord(const QString& file, const QString& className, const QStringList& pupils,
                    const QList<ResultRecord>& results) {
    RecordsConnection c;
    QString error;
    bool added = c.openLocal(file, true, 50) && addPupils(c.db(), className, pupils, &error) == pupils.size();
    for (const ResultRecord& r : results)
        added = added && insertResult(c.db(), r, &error);
    return added;
}

QuizScreen& openMoonQuiz(TestEnv& env, const QString& title, int allRight) {
    env.writeFile("multiple/The Moon Landings.txt",
                  textFileBytes(questionSetLines(sampleQuestionSet(title, allRight))));
    Module1.moon->Show();
    clickControl(&Module1.moon->Label3(TopicHub::MultipleChoice));
    return *Module1.multiple;
}
