#include "activities/labellingscreens.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/build.h"

namespace {
// The parts of the spacecraft: the slot under each picture, and where its card starts.
const CardPlace MoonParts[] = {
    {"Command Module", {8760, 7200, 2205, 615}, 11.25, {120, 6480, 2205, 615}},
    {"Service and Command Modules", {4560, 4680, 2205, 615}, 11.25, {120, 7200, 2205, 615}},
    {"Lunar Module", {8760, 3870, 2205, 615}, 11.25, {2400, 7200, 2205, 615}},
    {"Apollo Saturn V Launch Vehicle", {720, 5520, 2205, 615}, 11.25, {2400, 6480, 2205, 615}},
};

// The coded words: the slot beside each, and where its answer card starts.
const CardPlace CaesarWords[] = {
    {"Empire", {5160, 6240, 1635, 495}, 15.75, {660, 7200, 1635, 495}},
    {"Caesar", {5160, 4800, 1635, 495}, 15.75, {6000, 7200, 1635, 495}},
    {"Venus", {9120, 5520, 1635, 495}, 15.75, {2400, 7200, 1635, 495}},
    {"Roman", {5160, 5520, 1635, 495}, 14.25, {4200, 7200, 1635, 495}},
    {"Legion", {9120, 4800, 1635, 495}, 15.75, {7800, 7200, 1635, 495}},
    {"Diana", {9120, 6240, 1635, 495}, 15.75, {9600, 7200, 1635, 495}},
};
} // namespace

// ---- moonlab ----------------------------------------------------------------------------------

MoonLabelling::MoonLabelling() {
    setNames("moonlab", "Labelling Activity: The Moon Landings");
    addCardPlaces(MoonParts, 11.25, Align::Center);
    const TwipRect pictures[] = {
        {240, 120, 3270, 5310}, {3960, 960, 3630, 3630}, {8280, 120, 3255, 3660}, {8040, 4620, 3660, 2505}};
    for (int i = 0; i < 4; ++i) {
        auto* image = placed(new ImageBox(this), "Image1", pictures[i]);
        image->setStretch(true);
        // Named by place alone: a name saying what a picture shows would give the answer away.
        static const char* const places[] = {"left", "middle", "top right", "bottom right"};
        image->setAccessibleName(QStringLiteral("Picture %1, %2").arg(i + 1).arg(QLatin1String(places[i])));
        Image1.add(i, image);
    }
    // Wider than first drawn, into the free blue on both sides: at its first width the sentence took
    // three lines and the box showed two.
    Label7 =
        makeLabel(this, textDesign("Label7", "Label these pictures of parts of the Apollo Moon spacecraft.",
                                   {3480, 5520, 4440, 825}, timesNewRoman(15.75))
                            .centred());
    Label6 = addTitle("The Moon Landings", {3720, 120, 4305, 945});

    // clang-format off
    stackFrontToBack({&Label2(3), &Label2(0), &Label2(2), &Label2(1),
                      &Label1(2), &Label1(1), &Label1(0), &Label1(3),
                      &Label4(3), &Label4(2), &Label4(1), &Label4(0), Label7, Label6,
                      &Label3(CheckScore), &Label3(StartAgain), &Label3(ExitButton),
                      &Image1(LunarModulePicture), &Image1(ServiceModulePicture),
                      &Image1(SaturnVPicture), &Image1(SplashdownPicture)});
    // clang-format on
}

void MoonLabelling::Form_Load() {
    SetupScreen(*this);
    setBackColor(Colours::ScreenBlue);
    setCardCount(4);
    // A picture that cannot be read stays empty; the activity does not need it to work.
    Image1(SaturnVPicture).setPicture(LoadPicture("Images\\saturnv2.jpg"));
    Image1(ServiceModulePicture).setPicture(LoadPicture("Images\\service.jpg"));
    Image1(LunarModulePicture).setPicture(LoadPicture("Images\\lunarmodule2.jpg"));
    Image1(SplashdownPicture).setPicture(LoadPicture("Images\\splashdown.jpg"));
    setupCards();
}

// ---- caesar2lab -------------------------------------------------------------------------------

CaesarLabelling::CaesarLabelling() {
    setNames("caesar2lab", "Labelling Activity: Julius Caesar");
    addCardPlaces(CaesarWords, 14.25, Align::Left);
    const struct {
        const char* text;
        TwipRect rect;
    } codeWords[] = {
        {"FDHVDU", {3600, 4860, 1350, 375}}, {"URPDQ", {3600, 5580, 1155, 375}},
        {"HPSLUH", {3600, 6300, 1305, 375}}, {"OHJLRQ", {7560, 4860, 1290, 375}},
        {"YHQXV", {7560, 5580, 1110, 375}},  {"GLDQD", {7560, 6300, 1140, 375}},
    };
    const QFont codeFont = tahoma(15.75, true);
    for (int k = 0; k < 6; ++k)
        Label5.add(k, makeLabel(this, textDesign("Label5", codeWords[k].text, codeWords[k].rect, codeFont)));
    // The first column of the code table; the others are loaded from it.
    Label7.add(
        0, makeLabel(this, textDesign("Label7", "a", {360, 2160, 375, 495}, codeFont).centred().hidden()));
    Label10.add(0, makeLabel(this, buttonDesign("Label10", "D", {360, 2640, 375, 495}).hidden()));
    const QFont storyFont = timesNewRoman(20.25);
    Label8 =
        makeLabel(this, textDesign("Label8",
                                   "In Julius Caesar's writings he described a method that he used to "
                                   "prevent his enemies from reading his messages. He put his messages in "
                                   "code by moving each letter three places on in the alphabet.",
                                   {3600, 0, 8265, 2025}, storyFont));
    Label9 = makeLabel(this, headingDesign("Label9", "Drag the labels into the correct boxes.",
                                           {120, 7920, 2625, 585}, 11.25)
                                 .inColour(Colours::PaleCyan));
    Label11 =
        makeLabel(this, textDesign("Label11",
                                   "See if you can work out the meaning of each of these words that have "
                                   "been encoded using Caesar's method.",
                                   {3000, 3480, 8865, 1185}, storyFont));
    Label6 = addTitle("Julius Caesar", {120, 120, 2865, 705});
    // Its own size once the picture is in.
    Image1 = placed(new ImageBox(this), "Image1", {240, 3360, 2250, 4080});

    // clang-format off
    stackFrontToBack({Label11, &Label10(0), &Label7(0),
                      &Label2(5), &Label2(4), &Label2(3), &Label2(2), &Label2(1), &Label2(0), &Label4(5),
                      &Label5(5), &Label5(4), &Label5(3), &Label5(2), &Label5(1), &Label5(0),
                      &Label4(0), &Label4(4), &Label4(3), &Label4(2), &Label4(1), Label9, Label6,
                      &Label3(CheckScore), &Label3(StartAgain), &Label3(ExitButton), Label8,
                      &Label1(5), &Label1(0), &Label1(1), &Label1(2), &Label1(3), &Label1(4), Image1});
    // clang-format on
}

void CaesarLabelling::Form_Load() {
    SetupScreen(*this);
    setCardCount(6);
    setupCards();
    // The code table: each letter 60 twips to the right of the one before, every capital three
    // letters on from the small letter above it.
    for (int i = 1; i <= 25; ++i) {
        Label& small = Label7.Load(i);
        Label& capital = Label10.Load(i);
        small.setLeft(Label7(i - 1).Left() + Label7(i - 1).Width() + 60);
        capital.setLeft(Label10(i - 1).Left() + Label10(i - 1).Width() + 60);
        small.setTop(Label7(0).Top());
        capital.setTop(Label10(0).Top());
        small.setCaption(QChar(97 + i));
        capital.setCaption(QChar(65 + (i + 3) % 26));
    }
    for (int i = 0; i <= 25; ++i) {
        Label7(i).show();
        Label10(i).show();
    }
    Image1->setPicture(LoadPicture("images\\caesar2.jpg"));
}
