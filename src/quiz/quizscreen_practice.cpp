// The quiz screen running a practice round: the same controls, sounds and marking, over the
// questions the pupil missed, ending with how many are now right.
#include "platform/numbertext.h"
#include "platform/services.h"
#include "quiz/quizscreen.h"
#include "records/recordhooks.h"

namespace {
const QString CheckScoreCaption = QStringLiteral("Check Score >>");
const QString NextQuestionCaption = QStringLiteral("Next Question >>");
const QString PractiseAgainCaption = QStringLiteral("Practise Again");
} // namespace

void QuizScreen::startPractice(std::vector<MissedQuestion> missed) {
    practice = std::make_unique<PracticeRound>(std::move(missed), *services().random);
    // The printout is of the whole set, which is not what is being practised.
    Label3(PrintWorksheet).setVisible(false);
    showPrintChoice(false);
    showquest();
}

void QuizScreen::showPracticeQuestion() {
    const PracticeRound& round = *practice;
    if (round.finished()) {
        showPracticeEnd();
        return;
    }
    const MissedQuestion& q = round.current();
    Option1(NoAnswer).setValue(true);
    for (int i = 1; i <= 4; ++i) {
        Option1(i).setVisible(true);
        Option1(i).setCaption(round.answerOnButton(i));
    }
    Label3(PreviousQuestion).setVisible(round.position() > 0);
    Label3(NextQuestion).setVisible(true);
    Label3(NextQuestion)
        .setCaption(round.position() == round.size() - 1 ? CheckScoreCaption : NextQuestionCaption);
    // The question keeps its number from the quiz, as the wrong-answers list shows it.
    Label4->setCaption(QStringLiteral("Question") + withSign(q.number));
    Label2->setCaption(q.text);
    if (Option1(NoAnswer).Visible()) Option1(NoAnswer).setFocus();
}

void QuizScreen::showPracticeEnd() {
    Option1(NoAnswer).setValue(true);
    for (int i = 1; i <= 4; ++i)
        Option1(i).setVisible(false);
    Label4->setCaption(QString());
    Label2->setCaption(practice->summary());
    recordPracticeResult(*this);
    Label3(PreviousQuestion).setVisible(false);
    Label3(NextQuestion).setCaption(PractiseAgainCaption);
    Label3(NextQuestion).setVisible(practice->anyStillWrong());
    Label3(practice->anyStillWrong() ? NextQuestion : ExitButton).setFocus();
}

void QuizScreen::practiceClick(int Index) {
    PracticeRound& round = *practice;
    switch (Index) {
    case PreviousQuestion:
        round.back();
        showquest();
        break;
    case NextQuestion:
        if (round.finished())
            round.startAgain();
        else
            round.markAndNext(tickedAnswer());
        showquest();
        break;
    case ExitButton:
        // Back to the results, which still show the quiz's own score.
        Unload();
        break;
    default:
        break;
    }
}
