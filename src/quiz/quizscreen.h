#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"
#include "quiz/practiceround.h"

#include <memory>
#include <vector>

class QKeyEvent;
class RingMarker;

// Runs the loaded question set one question at a time and marks each answer when the pupil moves
// on. The opener loads the set, sets Picture1 and Label5, then shows the screen.
class QuizScreen : public Form {
public:
    QuizScreen();
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    Label* Label1; // "Multiple Choice"
    PictureBox* Picture1;
    Label* Label5; // heading, set by the opener
    Label* Label6; // the set's title
    // What a certificate for this run is for; a worksheet's title when the opener sets none.
    QString certificateHeading;
    Label* Label4; // "Question n"
    Label* Label2; // the question
    // 1..4 the answers A..D.
    enum Option1Index : int {
        NoAnswer = 5, // kept out of sight behind Picture1
    };
    ControlArray<OptionButton> Option1;
    enum Label3Index : int {
        PreviousQuestion = 0,
        NextQuestion = 1, // "Check Score >>" on the last question
        ExitButton = 2,
        PrintWorksheet = 3,
        // The choice that "Print Worksheet" offers.
        WorksheetOnly = 4,
        WithAnswerKey = 5,
    };
    ControlArray<Label> Label3;

    // Seen from the back of a classroom, where the small dot of a ticked answer is not.
    RingMarker* tickRing;

    void showquest();
    void Label3_Click(int Index);
    void Option1_Click(int Index);

    // Prints the loaded set as a paper worksheet, and with a key as a second page the answer key;
    // reports its own failures.
    void printWorksheet(bool withAnswerKey = false);

    // Runs a practice round of missed questions on this screen in place of the set; nothing of it
    // reaches the score (quizscreen_practice.cpp).
    void startPractice(std::vector<MissedQuestion> missed);
    std::unique_ptr<PracticeRound> practice;

private:
    int tickedAnswer() const;
    void ringTickedAnswer();
    // A to D or 1 to 4 tick that answer; Enter on an answer goes on as "Next Question >>" does.
    bool answerKey(QKeyEvent& key, QWidget* focus);

    void markQuestionOnScreen();
    void checkScore();
    std::vector<MissedQuestion> missedQuestions() const;
    void showPrintChoice(bool shown);
    void showPracticeQuestion();
    void showPracticeEnd();
    void practiceClick(int Index);

    std::array<int, 11> ticked_{}; // the answer ticked when each question was marked, 0 for none
};
