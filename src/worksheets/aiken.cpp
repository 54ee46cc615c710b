#include "worksheets/aiken.h"

#include "quiz/questionsperset.h"

#include <QRegularExpression>

namespace {

const QRegularExpression TitleLine(QStringLiteral("^\\s*TITLE\\s*:\\s*(.*)$"),
                                   QRegularExpression::CaseInsensitiveOption);
const QRegularExpression AnswerLine(QStringLiteral("^\\s*ANSWER\\s*:\\s*(.*)$"),
                                    QRegularExpression::CaseInsensitiveOption);
const QRegularExpression OptionLine(QStringLiteral("^\\s*([A-Za-z])[.)]\\s?(.*)$"));

ImportProblem atLine(qsizetype line, const QString& text) {
    return {static_cast<int>(line), {}, text};
}

class AikenReader {
public:
    AikenReader(const QStringList& lines, QList<ImportProblem>& problems)
        : lines_(lines), problems_(problems) {}

    SourcedSet read(const QString& fileBaseName) {
        SourcedSet s;
        skipBlank();
        const auto title = TitleLine.match(i_ < lines_.size() ? lines_[i_] : QString());
        if (title.hasMatch()) {
            s.set.title = title.captured(1).trimmed();
            s.titleLine = ++i_;
        } else {
            s.set.title = fileBaseName;
        }
        int q = 0;
        for (; q < QuestionsPerSet && readQuestion(s, q); ++q) {
        }
        skipBlank();
        if (q == QuestionsPerSet && i_ < lines_.size())
            problems_ << atLine(
                i_ + 1, QStringLiteral("a worksheet has ten questions; this line is past the tenth."));
        else if (q < QuestionsPerSet && !stopped_)
            problems_ << atLine(
                i_ + 1, QStringLiteral("the file ends after %1 questions; a worksheet has ten.").arg(q));
        return s;
    }

private:
    void skipBlank() {
        while (i_ < lines_.size() && lines_[i_].trimmed().isEmpty())
            ++i_;
    }
    bool stop(const QString& why) {
        problems_ << atLine(i_ + 1, why);
        stopped_ = true;
        return false;
    }
    QString optionLetter() const {
        const auto m = OptionLine.match(lines_[i_]);
        return m.hasMatch() ? m.captured(1).toUpper() : QString();
    }

    bool readQuestion(SourcedSet& s, int q) {
        skipBlank();
        if (i_ >= lines_.size()) return false;
        if (!optionLetter().isEmpty() || AnswerLine.match(lines_[i_]).hasMatch())
            return stop(
                QStringLiteral("the text of question %1 should stand here, before its answers.").arg(q + 1));
        s.set.questions[q].text = lines_[i_].trimmed();
        s.questionLine[q] = ++i_;
        for (int k = 0; k < 4; ++k) {
            const QString letter(QChar('A' + k));
            if (i_ >= lines_.size() || optionLetter() != letter)
                return stop(QStringLiteral("answer %1 of question %2 should stand here, as \"%1. ...\".")
                                .arg(letter)
                                .arg(q + 1));
            s.set.questions[q].answers[k] = OptionLine.match(lines_[i_]).captured(2).trimmed();
            s.answerLine[q][k] = ++i_;
        }
        if (i_ < lines_.size() && !optionLetter().isEmpty())
            return stop(QStringLiteral("a question has four answers, A to D; this is a fifth."));
        const auto answer = AnswerLine.match(i_ < lines_.size() ? lines_[i_] : QString());
        if (!answer.hasMatch())
            return stop(QStringLiteral("\"ANSWER: \" and the letter of the right answer should stand here."));
        const QString letter = answer.captured(1).trimmed().toUpper();
        s.rightLine[q] = ++i_;
        if (letter.size() == 1 && letter[0] >= 'A' && letter[0] <= 'D')
            s.set.questions[q].correct = QString::number(letter[0].unicode() - 'A' + 1);
        else
            problems_ << atLine(s.rightLine[q],
                                QStringLiteral("the right answer must be one of the letters A, B, C and D."));
        return true;
    }

    const QStringList& lines_;
    QList<ImportProblem>& problems_;
    qsizetype i_ = 0;
    bool stopped_ = false;
};

} // namespace

bool looksLikeAiken(const QStringList& lines) {
    for (const QString& line : lines)
        if (AnswerLine.match(line).hasMatch()) return true;
    return false;
}

SourcedSet readAiken(const QStringList& lines, const QString& fileBaseName, QList<ImportProblem>& problems) {
    return AikenReader(lines, problems).read(fileBaseName);
}
