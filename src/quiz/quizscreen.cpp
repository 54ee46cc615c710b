#include "quiz/quizscreen.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/accessible.h"
#include "platform/build.h"
#include "platform/focus.h"
#include "platform/numbertext.h"
#include "platform/ring.h"
#include "quiz/questionset.h"
#include "quiz/questionsperset.h"
#include "quiz/quizmarking.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "records/recordhooks.h"
#include "sound/playsound.h"

#include <QKeyEvent>
#include <tuple>

namespace {
bool isQuestion(int n) {
    return n >= 1 && n <= QuestionsPerSet;
}

const QColor TickRingColour(255, 140, 0);
// Inside the answer's box, clear of the focus ring round it and of the answers above and below,
// whose descenders and capitals come within a few pixels of the box.
constexpr int TickRingThickness = 3;

// 1 to 4 for the keys A to D and 1 to 4, else 0.
int answerForKey(const QKeyEvent& k) {
    if (k.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return 0;
    if (k.key() >= Qt::Key_A && k.key() <= Qt::Key_D) return k.key() - Qt::Key_A + 1;
    if (k.key() >= Qt::Key_1 && k.key() <= Qt::Key_4) return k.key() - Qt::Key_1 + 1;
    return 0;
}
} // namespace

QuizScreen::QuizScreen() {
    setNames("multiple", "Multiple Choice");
    setClientSize(11790, 8400);
    Label1 = makeLabel(this, headingDesign("Label1", "Multiple Choice", {120, 120, 6240, 900}, 36));
    const QFont large = timesNewRoman(24);
    Label5 = makeLabel(
        this,
        textDesign("Label5", "Label5", {120, 1200, 6465, 585}, large).centred().inColour(Colours::Green));
    Label6 = makeLabel(this, textDesign("Label6", "Label6", {120, 1920, 6465, 705}, large)
                                 .centred()
                                 .inColour(Colours::LightPeriwinkle));
    Label3.add(PrintWorksheet,
               makeLabel(this, buttonDesign("Label3", "Print Worksheet", {7920, 1920, 3045, 495})));
    Label4 = makeLabel(this, textDesign("Label4", "Question 1", {360, 3240, 5415, 615}, large));
    Label2 =
        makeLabel(this, textDesign("Label2", "Label2", {960, 3960, 9840, 1455}, timesNewRoman(30)).centred());
    for (int i = 1; i <= 4; ++i) {
        auto* answer =
            placed(new OptionButton(this), "Option1", {2400, 5400.0f + 600.0f * (i - 1), 6975, 525});
        answer->setFont(timesNewRoman(20.25));
        answer->setForeColor(Colours::Yellow);
        Option1.add(i, answer);
    }
    Option1.add(NoAnswer, placed(new OptionButton(this), "Option1", {6840, 240, 495, 375}));
    Option1(NoAnswer).setChecked(true);
    // Out of sight behind the picture: it holds the focus between questions but Tab passes it by.
    Keyboard::setTakesFocus(&Option1(NoAnswer), false);
    Label3.add(
        PreviousQuestion,
        makeLabel(this, buttonDesign("Label3", "<< Previous Question", {2040, 7920, 3765, 495}).hidden()));
    Label3.add(NextQuestion,
               makeLabel(this, buttonDesign("Label3", "Next Question >>", {6000, 7920, 3765, 495})));
    Label3.add(ExitButton, makeLabel(this, buttonDesign("Label3", "Exit", {10560, 7920, 1245, 495})));
    setExitControl(&Label3(ExitButton));
    // The printing choice, under "Print Worksheet" where the screen is otherwise empty.
    for (const auto& [index, caption, top] : {std::tuple{WorksheetOnly, "Worksheet Only", 2520.0f},
                                              std::tuple{WithAnswerKey, "With Answer Key", 3060.0f}}) {
        Label3.add(index, makeLabel(this, buttonDesign("Label3", caption, {7920, top, 3045, 495}).hidden()));
    }
    // Created last so that it covers the no-answer button.
    Picture1 = placed(new PictureBox(this), "Picture1", {6840, 240, 855, 615});

    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove([this](int i, int, int, Twips, Twips) { Label3(i).setOpaque(true); });
    Option1.onClick([this](int i) { Option1_Click(i); });
    tickRing = new RingMarker(this, TickRingColour, TickRingThickness);
    tickRing->setInside(true);
    Keyboard::setScreenKeys(this, [this](QKeyEvent& k, QWidget* focus) { return answerKey(k, focus); });
    // The answers come first, then the printing, then the way through the questions.
    Keyboard::setFocusOrder(this, {&Option1(1), &Option1(2), &Option1(3), &Option1(4),
                                   &Label3(PrintWorksheet), &Label3(WorksheetOnly), &Label3(WithAnswerKey),
                                   &Label3(PreviousQuestion), &Label3(NextQuestion), &Label3(ExitButton)});
}

void QuizScreen::Form_Load() {
    SetupScreen(*this, Picture1);
    Module1.Score = 0;
    Module1.ScoreOutOf = QuestionsPerSet;
    Module1.QuestionNumber = 1;
    noteActivityStart(*this);
    for (int i = 1; i <= QuestionsPerSet; ++i)
        Module1.QuestionMarks[i] = 0;
    Option1(NoAnswer).Move(Picture1->Left() + 240, Picture1->Top() + 240);
    for (int i = 1; i <= 4; ++i)
        Option1(i).setBackColor(Colours::ScreenBlue);
    Label6->setCaption(Module1.SetTitle);
    showquest();
}

void QuizScreen::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label3);
}

void QuizScreen::showquest() {
    if (practice) {
        showPracticeQuestion();
        return;
    }
    const int n = Module1.QuestionNumber;
    if (!isQuestion(n)) return;
    Option1(NoAnswer).setValue(true);
    Label3(PreviousQuestion).setVisible(true);
    Label3(NextQuestion).setCaption(QStringLiteral("Next Question >>"));
    Label4->setCaption(QStringLiteral("Question") + withSign(n));
    Label2->setCaption(Module1.QuestionText[n]);
    Option1(1).setCaption(Module1.AnswerA[n]);
    Option1(2).setCaption(Module1.AnswerB[n]);
    Option1(3).setCaption(Module1.AnswerC[n]);
    Option1(4).setCaption(Module1.AnswerD[n]);
    if (n == 1) Label3(PreviousQuestion).setVisible(false);
    if (n == QuestionsPerSet) Label3(NextQuestion).setCaption(QStringLiteral("Check Score >>"));
    if (Option1(NoAnswer).Visible()) Option1(NoAnswer).setFocus();
    ringTickedAnswer();
    Keyboard::placeFocus(this);
    Accessible::announce(Label2);
}

void QuizScreen::Label3_Click(int Index) {
    if (practice) {
        practiceClick(Index);
        PlayClick();
        return;
    }
    switch (Index) {
    case PreviousQuestion:
        // The question being left is not marked: it is marked again when the pupil moves on.
        if (Module1.QuestionNumber > 1) {
            Module1.QuestionNumber = Module1.QuestionNumber - 1;
            showquest();
        }
        break;
    case NextQuestion:
        if (!isQuestion(Module1.QuestionNumber)) break;
        markQuestionOnScreen();
        Module1.QuestionNumber = Module1.QuestionNumber + 1;
        if (Module1.QuestionNumber < 11)
            showquest();
        else
            checkScore();
        break;
    case ExitButton:
        Unload();
        break;
    case PrintWorksheet:
        // Asks first: the worksheet alone, or with the teacher's answer key.
        showPrintChoice(!Label3(WorksheetOnly).Visible());
        break;
    case WorksheetOnly:
    case WithAnswerKey:
        showPrintChoice(false);
        printWorksheet(Index == WithAnswerKey);
        break;
    default:
        break;
    }
    PlayClick();
}

// Nothing is recorded on a tick; only the sound answers it.
void QuizScreen::Option1_Click(int) {
    PlaySound(QStringLiteral("wav\\typekey.wav"));
    ringTickedAnswer();
}

void QuizScreen::ringTickedAnswer() {
    const int ticked = tickedAnswer();
    tickRing->frame(ticked ? &Option1(ticked) : nullptr);
}

bool QuizScreen::answerKey(QKeyEvent& k, QWidget* focus) {
    if (const int answer = answerForKey(k); answer && Option1(answer).Visible()) {
        Keyboard::focusFromKeyboard(&Option1(answer));
        Keyboard::press(&Option1(answer));
        return true;
    }
    const bool enter = k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter;
    for (int i = 1; enter && i <= 4; ++i) {
        if (focus != &Option1(i)) continue;
        // Enter chooses the answer it is on, as a click on it would, and goes on.
        if (!Option1(i).Value()) Keyboard::press(&Option1(i));
        Keyboard::press(&Label3(NextQuestion));
        return true;
    }
    return false;
}

int QuizScreen::tickedAnswer() const {
    for (int i = 1; i <= 4; ++i)
        if (Option1(i).Value()) return i;
    return 0;
}

void QuizScreen::markQuestionOnScreen() {
    const int n = Module1.QuestionNumber;
    ticked_[n] = tickedAnswer();
    Module1.QuestionMarks[n] = markAnswer(Module1.CorrectAnswer[n], ticked_[n]);
}

void QuizScreen::showPrintChoice(bool shown) {
    Label3(WorksheetOnly).setVisible(shown);
    Label3(WithAnswerKey).setVisible(shown);
    if (shown) Label3(WorksheetOnly).setFocus();
}

std::vector<MissedQuestion> QuizScreen::missedQuestions() const {
    std::vector<MissedQuestion> missed;
    const QuestionSet set = questionSetInModule1();
    for (int i = 1; i <= QuestionsPerSet; ++i)
        if (Module1.QuestionMarks[i] == 0) {
            const Question& q = set.questions[i - 1];
            missed.push_back({i, q.text, q.answers, q.correct, ticked_[i]});
        }
    return missed;
}

void QuizScreen::checkScore() {
    // A list or results screen left from an earlier run would keep its old labels and wording.
    Module1.Wrong.Unload();
    Module1.Welldone.Unload();

    const QuizTally tally = tallyMarks(Module1.QuestionMarks);
    Module1.Score = Module1.Score + tally.score;
    for (int k = 0; k < tally.wrongQuestions.size() && Module1.Wrong->Label2.exists(k); ++k) {
        const int i = tally.wrongQuestions[k];
        Label& line = Module1.Wrong->Label2(k);
        line.setCaption(wrongAnswerLine(i, Module1.QuestionText[i]));
        line.setVisible(true);
    }
    Module1.QuizHeading = Label5->Caption();
    Module1.Wrong->Label6->setCaption(Label6->Caption());
    Module1.Wrong->missed = missedQuestions();
    Module1.Wrong->quizPicture = Picture1->Picture();
    ResultsScreen& results = *Module1.Welldone;
    results.Label6->setVisible(false);
    results.Label5->setVisible(true);
    results.Label3(ResultsScreen::WrongAnswersOrCertificate).setVisible(true);
    results.certificateHeading = certificateHeading.isEmpty() ? Label6->Caption() : certificateHeading;
    results.Show();
    recordQuizResult(*this);
    Unload();
}
