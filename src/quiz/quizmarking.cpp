#include "quiz/quizmarking.h"

#include "platform/numbertext.h"

int correctOption(const QString& digit) {
    bool ok = false;
    const int c = digit.trimmed().toInt(&ok);
    return ok && c >= 1 && c <= 4 ? c : 0;
}

int markAnswer(const QString& correctDigit, int tickedOption) {
    const int c = correctOption(correctDigit);
    return c != 0 && c == tickedOption ? 1 : 0;
}

QuizTally tallyMarks(const std::array<int, QuestionsPerSet + 1>& marks) {
    QuizTally t;
    for (int i = 1; i <= QuestionsPerSet; ++i) {
        t.score += marks[i];
        if (marks[i] == 0) t.wrongQuestions << i;
    }
    return t;
}

QString wrongAnswerLine(int question, const QString& questionText) {
    return withSign(question) + QStringLiteral(". ") + questionText;
}
