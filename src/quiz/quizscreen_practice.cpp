// The quiz screen running a practice round: the same controls, sounds and marking, over the
// questions the pupil missed, ending with how many are now right.
#include "platform/numbertext.h"
#include "platform/services.h"
#include "quiz/quizscreen.h"
#include "records/recordhooks.h"

namespace {
const QString CheckScore = QStringLiteral("Check Score >>");
const QString NextQuestion = QStringLiteral("Next Question >>");
const QString PractiseAgain = QStringLiteral("Practise Again");
} // namespace

void QuizScreen::startPractice(std::vector<MissedQuestion> missed) {
    practice = std::make_unique<PracticeRound>(std::move(missed), *services().random);
    // The printout is of the whole set, which is not what is being practised.
    Label3(3).setVisible(false);
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
    Option1(5).setValue(true);
    for (int i = 1; i <= 4; ++i) {
        Option1(i).setVisible(true);
        Option1(i).setCaption(round.answerOnButton(i));
    }
    Label3(0).setVisible(round.position() > 0);
    Label3(1).setVisible(true);
    Label3(1).setCaption(round.position() == round.size() - 1 ? CheckScore : NextQuestion);
    // The question keeps its number from the quiz, as the wrong-answers list shows it.
    Label4->setCaption(QStringLiteral("Question") + withSign(q.number));
    Label2->setCaption(q.text);
    if (Option1(5).Visible()) Option1(5).setFocus();
}

void QuizScreen::showPracticeEnd() {
    Option1(5).setValue(true);
    for (int i = 1; i <= 4; ++i)
        Option1(i).setVisible(false);
    Label4->setCaption(QString());
    Label2->setCaption(practice->summary());
    recordPracticeResult(*this);
    Label3(0).setVisible(false);
    Label3(1).setCaption(PractiseAgain);
    Label3(1).setVisible(practice->anyStillWrong());
    Label3(practice->anyStillWrong() ? 1 : 2).setFocus();
}

void QuizScreen::practiceClick(int Index) {
    PracticeRound& round = *practice;
    switch (Index) {
    case 0:
        round.back();
        showquest();
        break;
    case 1:
        if (round.finished())
            round.startAgain();
        else
            round.markAndNext(tickedAnswer());
        showquest();
        break;
    case 2:
        // Back to the results, which still show the quiz's own score.
        Unload();
        break;
    default:
        break;
    }
}
