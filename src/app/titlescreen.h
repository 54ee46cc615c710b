#pragma once

#include "platform/form.h"

// The first screen and the way out: "OK" (or "Cancel" when the menu opened it) goes to the menu,
// "Exit" ends the program.
class TitleScreen : public Form {
public:
    TitleScreen();
    void Form_Load() override;
    // Shown again from the menu: "OK" becomes "Cancel", back to the menu.
    void showFromMenu();

    Frame* Frame1;
    Label* Label4; // heading
    PictureBox* Picture1;
    Label* Label1; // credit lines
    Label* Label5;
    Label* Label3;
    CommandButton* Command1;
    CommandButton* Command2;
    Label* Label2; // notice of rights

    void Command1_Click();
    void Command2_Click();
    void closeRequested() override;

protected:
    void frameArrived() override;

private:
    void centreOnDisplay();
    bool centred_ = false;
    bool fromMenu_ = false;
};
