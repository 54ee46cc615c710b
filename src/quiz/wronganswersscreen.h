#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"
#include "platform/picture.h"
#include "quiz/practiceround.h"

#include <vector>

// The questions of the last quiz that were answered wrongly, under the set's title. The quiz
// fills it without showing it; the results screen shows it.
class WrongAnswersScreen : public Form {
public:
    WrongAnswersScreen();
    void Form_Load() override;

    Label* Label6; // the set's title
    Label* Label4;
    ControlArray<Label> Label2; // 0..9, one wrong question each, top to bottom
    Label* Label5;
    enum Label3Index : int {
        ExitButton = 1,
        PractiseAgain = 2,
        PrintMistakes = 3,
    };
    ControlArray<Label> Label3;

    // Handed over by the quiz with the texts: what a practice round and the mistakes sheet need.
    std::vector<MissedQuestion> missed;
    Picture quizPicture;

    void Label3_Click(int Index);
    // Runs the missed questions again on the quiz screen (wronganswersscreen_practice.cpp).
    void practise();
    // Prints the missed questions with the pupil's and the right answers
    // (wronganswersscreen_mistakessheet.cpp).
    void printMistakes();
};
