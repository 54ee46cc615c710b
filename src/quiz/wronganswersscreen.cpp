#include "quiz/wronganswersscreen.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/build.h"
#include "quiz/questionsperset.h"
#include "quiz/resultsscreen.h"

WrongAnswersScreen::WrongAnswersScreen() {
    setNames("Wrong", "Wrong answers");
    setClientSize(11880, 8880);
    const QFont listFont = tahoma(15.75, true);
    Label6 = makeLabel(this, headingDesign("Label6", "Label6", {0, 120, 12000, 540}, 20.25));
    Label4 = makeLabel(this, textDesign("Label4", "You answered the following questions incorrectly.",
                                        {240, 960, 12000, 540}, listFont));
    for (int k = 0; k < QuestionsPerSet; ++k) {
        const TwipRect row{120, 1680.0f + 600.0f * k, 12000, 540};
        Label2.add(
            k,
            makeLabel(this, textDesign("Label2", "Label2", row, listFont).inColour(Colours::White).hidden()));
    }
    Label5 = makeLabel(
        this, headingDesign("Label5", "Read the Key Facts and try again.", {0, 7920, 12000, 540}, 20.25));
    Label3.add(ExitButton, makeLabel(this, buttonDesign("Label3", "Exit", {10560, 7920, 1245, 495})));
    setExitControl(&Label3(ExitButton));
    // One above the other in the bottom left corner, left of the centred advice: the title band
    // is the whole width's, for the longest title a worksheet may have, and so are the rows.
    Label3.add(PractiseAgain,
               makeLabel(this, buttonDesign("Label3", "Practise Again", {120, 7980, 2280, 390}, 12)));
    Label3.add(PrintMistakes,
               makeLabel(this, buttonDesign("Label3", "Print Mistakes", {120, 8430, 2280, 390}, 12)));
    // Label5 and Label6 span the whole width: the buttons must lie above them to be clicked.
    for (int i : {ExitButton, PractiseAgain, PrintMistakes})
        Label3(i).raise();
    Label3.onClick([this](int i) { Label3_Click(i); });
}

void WrongAnswersScreen::Form_Load() {
    SetupScreen(*this);
}

void WrongAnswersScreen::Label3_Click(int Index) {
    if (Index == PractiseAgain) {
        practise();
        return;
    }
    if (Index == PrintMistakes) {
        printMistakes();
        return;
    }
    Module1.Welldone.Unload();
    Unload();
}
