#include "records/recordhooks.h"

#include "app/module1.h"
#include "quiz/quizscreen.h"
#include "quiz/wronganswersscreen.h"
#include "records/recorder.h"

#include <QDateTime>
#include <QWidget>

namespace {

const char StartedProperty[] = "tellwynStarted";

QDateTime startOf(const QObject& screen) {
    const QDateTime t = screen.property(StartedProperty).toDateTime();
    return t.isValid() ? t : QDateTime::currentDateTimeUtc();
}

ResultRecord result(const QObject& screen, const QString& what, const QString& activity, int score,
                    int outOf) {
    ResultRecord r;
    r.what = what;
    r.activity = activity;
    r.score = score;
    r.outOf = outOf;
    r.started = startOf(screen);
    r.ended = QDateTime::currentDateTimeUtc();
    return r;
}

QString quizTitle() {
    return Module1.SetTitle.isEmpty() ? Module1.QuizHeading : Module1.SetTitle;
}

QString answerText(int i, int answer) {
    const std::array<QString, 11>* answers[] = {&Module1.AnswerA, &Module1.AnswerB, &Module1.AnswerC,
                                                &Module1.AnswerD};
    return answer >= 1 && answer <= 4 ? (*answers[answer - 1])[i] : QString();
}

} // namespace

void noteActivityStart(QObject& screen) {
    screen.setProperty(StartedProperty, QDateTime::currentDateTimeUtc());
}

void recordQuizResult(const QuizScreen& quiz) {
    if (!Recorder::instance().pupil()) return;
    ResultRecord r = result(quiz, quizTitle(), QStringLiteral("Quiz"), Module1.Score, Module1.ScoreOutOf);
    const auto& missed = Module1.Wrong->missed;
    for (int i = 1; i <= Module1.ScoreOutOf && i < int(Module1.QuestionText.size()); ++i) {
        const int correct = Module1.CorrectAnswer[i].toInt();
        int given = correct;
        for (const MissedQuestion& m : missed)
            if (m.number == i) given = m.pupilAnswer;
        r.answers.append({Module1.QuestionText[i], answerText(i, given), answerText(i, correct)});
    }
    Recorder::instance().record(r);
}

void recordActivityResult(const QWidget& activity) {
    // "Ordering Activity: The Moon Landings"
    const QString name = activity.accessibleName();
    const QString kind = name.section(QLatin1Char(' '), 0, 0);
    Recorder::instance().record(
        result(activity, name.section(QStringLiteral(": "), 1), kind, Module1.Score, Module1.ScoreOutOf));
}

void recordPracticeResult(const QuizScreen& quiz) {
    if (!quiz.practice) return;
    Recorder::instance().record(result(quiz, quizTitle(), QStringLiteral("Practice"),
                                       quiz.practice->nowRight(), quiz.practice->total()));
}
