#include "support/samples.h"

#include "platform/files.h"

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
