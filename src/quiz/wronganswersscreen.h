#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

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
    ControlArray<Label> Label3; // 1 "Exit"

    void Label3_Click(int Index);
};
