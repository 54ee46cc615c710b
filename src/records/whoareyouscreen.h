#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <QStringList>

// "Who are you?": where a class exists, the pupil picks their own name before the menu, so that
// their results are recorded under it.
class WhoAreYouScreen : public Form {
public:
    WhoAreYouScreen();
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;
    void closeRequested() override;

    static constexpr int NamesPerPage = 15;
    enum Label3Index : int { PreviousPage = 0, NextPage = 1, ChangeClass = 2, Skip = 3 };

    Label* Label1;             // "Who are you?"
    Label* ClassName;          // the class on show
    ControlArray<Label> Names; // one button per name on this page
    ControlArray<Label> Label3;

    void showClass(int index);
    void showPage(int page);
    void Names_Click(int Index);
    void Label3_Click(int Index);

private:
    void goToMenu();
    QStringList classes_;
    QStringList pupils_;
    int class_ = 0;
    int page_ = 0;
};

// Shows "Who are you?" where this machine has a class; false (and nothing made) where none.
bool offerWhoAreYou();
