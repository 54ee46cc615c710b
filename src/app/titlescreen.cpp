#include "app/titlescreen.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "menu/mainmenu.h"
#include "platform/build.h"
#include "platform/services.h"
#include "records/whoareyouscreen.h"
#include "sound/greyform.h"
#include "sound/playsound.h"

#include <stdexcept>

namespace {
const QColor TitleBlue = Colours::Blue;
const QColor FaceGrey = Colours::Silver;
} // namespace

TitleScreen::TitleScreen() {
    // The taskbar shows the program's name while this screen is the only one up.
    setNames("Titlefrm", "Tellwyn");
    setCaption(QStringLiteral("Tellwyn"));
    setBackColor(FaceGrey);
    setClientSize(5460, 6570);

    Frame1 = placed(new Frame(this), "Frame1", {0, -90, 5480, 6660});
    Frame1->setBackColor(FaceGrey);
    auto credit = [this](const char* name, const char* text, TwipRect r, const QFont& font) {
        return makeLabel(Frame1, textDesign(name, text, r, font).centred().inColour(TitleBlue));
    };
    Label4 = credit("Label4", "Tellwyn Demo", {780, 120, 3915, 1065}, timesNewRoman(24, true));
    Picture1 = placed(new PictureBox(Frame1), "Picture1", {300, 1260, 4860, 3660});
    Label1 = credit("Label1", "Great figures of history", {360, 4980, 4695, 375}, timesNewRoman(14.25));
    Label5 = credit("Label5", "For pupils aged 7 to 11 and their teachers", {480, 5310, 4455, 375},
                    timesNewRoman(12));
    Label3 = credit("Label3", "Published by Lumenda Learning", {480, 5640, 4455, 375}, timesNewRoman(12));
    Command1 = placed(new CommandButton(Frame1), "Command1", {1320, 6000, 1335, 375});
    Command1->setCaption("OK");
    Command2 = placed(new CommandButton(Frame1), "Command2", {2760, 6000, 1335, 375});
    Command2->setCaption("Exit");
    for (CommandButton* b : {Command1, Command2})
        b->setBackColor(FaceGrey);
    Label2 = makeLabel(Frame1, textDesign("Label2", "\u00A9 2026 Lumenda Learning. All rights reserved.",
                                          {0, 6420, 5415, 255}, arial(8.25))
                                   .centred()
                                   .inColour(Colours::FernGreen));

    // Labels and the picture take no focus: Tab goes between the two buttons.
    setTabOrder(Command1, Command2);
    setExitControl(Command2);
    // The screen opens ready for Return: "OK" (or "Cancel") has the focus.
    Command1->setFocus();
    Command1->Click = [this] { Command1_Click(); };
    Command2->Click = [this] { Command2_Click(); };
}

void TitleScreen::centreOnDisplay() {
    const auto& display = services().display;
    if (!display) throw std::runtime_error("no display");
    centreIn(display->sizeTwips());
}

void TitleScreen::Form_Load() {
    try {
        centreOnDisplay();
        centred_ = true;
        Module1.Grey->Show();
        Picture1->setPicture(LoadPicture("images\\lunarmodulesm.jpg"));
    } catch (...) {
        // The screen still appears, in the common frame, whatever went wrong above.
        SetupScreen(*this, Picture1);
        Picture1->setPicture(LoadPicture("images\\lunarmodulesm.jpg"));
    }
}

void TitleScreen::showFromMenu() {
    fromMenu_ = true;
    Command1->setCaption(QStringLiteral("Cancel"));
    Show();
}

void TitleScreen::frameArrived() {
    // Centred by its client area until now; the window manager's frame belongs to its height.
    if (centred_) centreOnDisplay();
}

void TitleScreen::Command1_Click() {
    // At the start, where the machine has a class, the pupil first says who they are.
    const bool asked = !fromMenu_ && offerWhoAreYou();
    if (!asked) Module1.intro0->Show();
    Unload();
    PlayClick();
}

// Opened from the menu the screen asks, and closing its window answers "Cancel"; at start the
// close is the way out, as "Exit" is.
void TitleScreen::closeRequested() {
    if (fromMenu_)
        Command1->click();
    else
        Command2->click();
}

void TitleScreen::Command2_Click() {
    PlayClick();
    if (const auto& end = services().programEnd) end->end(0);
}
