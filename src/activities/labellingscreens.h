#pragma once

#include "activities/activityscreen.h"

// Pictures of the Moon spacecraft, each with an empty box below it for the name of its part.
class MoonLabelling : public ActivityScreen {
public:
    MoonLabelling();
    void Form_Load() override;

    enum Image1Index : int {
        SaturnVPicture = 0,
        ServiceModulePicture = 1,
        LunarModulePicture = 2,
        SplashdownPicture = 3,
    };
    ControlArray<ImageBox> Image1;
    Label* Label7 = nullptr; // the instruction
};

// Words in Caesar's code, each with an empty box to its right for the plain word, under the code
// table that the load builds letter by letter.
class CaesarLabelling : public ActivityScreen {
public:
    CaesarLabelling();
    void Form_Load() override;

    ControlArray<Label> Label5;  // the code words
    ControlArray<Label> Label7;  // the code table's small letters
    ControlArray<Label> Label10; // the code table's capitals
    Label* Label8 = nullptr;     // the explanation
    Label* Label9 = nullptr;     // the instruction under the cards
    Label* Label11 = nullptr;    // the instruction beside the picture
    ImageBox* Image1 = nullptr;
};
