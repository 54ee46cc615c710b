#include "quiz/wronganswersscreen.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/build.h"
#include "quiz/questionsperset.h"
#include "quiz/resultsscreen.h"

WrongAnswersScreen::WrongAnswersScreen() {
    setObjectName(QStringLiteral("Wrong"));
    setAccessibleName(QStringLiteral("Wrong answers"));
    setClientSize(11880, 8880);
    Label6 = makeLabel(this, {.name = "Label6",
                              .caption = "Label6",
                              .rect = {0, 120, 12000, 540},
                              .font = tahoma(20.25, true),
                              .align = Align::Center});
    Label4 = makeLabel(this, {.name = "Label4",
                              .caption = "You answered the following questions incorrectly.",
                              .rect = {240, 960, 12000, 540},
                              .font = tahoma(15.75, true)});
    for (int k = 0; k < QuestionsPerSet; ++k)
        Label2.add(k, makeLabel(this, {.name = "Label2",
                                       .caption = "Label2",
                                       .rect = {120, 1680.0f + 600.0f * k, 12000, 540},
                                       .font = tahoma(15.75, true),
                                       .fore = Colours::White,
                                       .visible = false}));
    Label5 = makeLabel(this, {.name = "Label5",
                              .caption = "Read the Key Facts and try again.",
                              .rect = {0, 7920, 12000, 540},
                              .font = tahoma(20.25, true),
                              .align = Align::Center});
    Label3.add(1, makeLabel(this, buttonDesign("Label3", "Exit", {10560, 7920, 1245, 495})));
    // In the top corners, beside the centred title, where the designed screen is empty.
    Label3.add(2, makeLabel(this, buttonDesign("Label3", "Practise Again", {120, 120, 2280, 495}, 12)));
    Label3.add(3, makeLabel(this, buttonDesign("Label3", "Print Mistakes", {9525, 120, 2280, 495}, 12)));
    // Label5 and Label6 span the whole width: the buttons must lie above them to be clicked.
    for (int i : {1, 2, 3})
        Label3(i).raise();
    Label3.onClick([this](int i) { Label3_Click(i); });
}

void WrongAnswersScreen::Form_Load() {
    SetupScreen(*this);
}

void WrongAnswersScreen::Label3_Click(int Index) {
    if (Index == 2) {
        practise();
        return;
    }
    if (Index == 3) {
        printMistakes();
        return;
    }
    Module1.Welldone.Unload();
    Unload();
}
