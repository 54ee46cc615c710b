#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

// The main menu: the topics, the teachers' material, the worksheet tools and the sound switch.
// Just after it loads it reads the worksheet index into the shared state.
class MainMenu : public Form {
public:
    MainMenu();
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    // The entries, as menuentries.h lays them out.
    enum Label2Index : int {
        AlexanderTheGreat = 0,
        JuliusCaesar = 1,
        Mohammed = 2,
        QueenElizabeth = 3,
        MahatmaGandhi = 4,
        JohnLennon = 5,
        NelsonMandela = 6,
        GreatFireOfLondon = 7,
        OlympicGames = 8,
        BattleOfHastings = 9,
        MongolInvasions = 10,
        GunpowderPlot = 11,
        FrenchRevolution = 12,
        MoonLandings = 13,
        // There is no 14.
        FlorenceNightingale = 15,
        ExitButton = 16,
        MultipleChoiceWizard = 17,
        WorksheetCatalogue = 18,
        Acknowledgments = 19,
        TeachersGuide = 20,
    };
    ControlArray<Label> Label2;
    Label* Label1; // screen title
    Label* Label3; // footer
    OptionButton* Option1;
    OptionButton* Option2;
    ImageBox* Image1;
    Timer* Timer1;
    Label* ScreenSize;  // the teacher's choice of how large screens are drawn
    Label* ClassRecord; // the teacher's view of the class's results

    void Label2_Click(int Index);
    void Label2_MouseMove(int Index);
    void Timer1_Timer();
    void ScreenSize_Click();

private:
    void updateScreenSizeCaption();
    // Entries whose screens live in other folders.
    void openAcknowledgments();
    void openTeachersGuide();
    void openWizard();
    void openCatalogue();
};
