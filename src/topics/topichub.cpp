#include "topics/topichub.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "menu/mainmenu.h"
#include "platform/build.h"
#include "sound/playsound.h"

TopicHub::TopicHub(const TopicInfo& topic, TwipRect pictureRect) : topic_(topic) {
    Image1 = placed(new ImageBox(this), "Image1", pictureRect);
    Label1 =
        makeLabel(this, textDesign("Label1", topic.title, {240, 0, 6240, 900}, timesNewRoman(27.75, true)));
    const struct {
        int index;
        const char* caption;
        TwipRect rect;
    } buttons[] = {
        {MultipleChoice, "Multiple Choice", {120, 7920, 3195, 495}},
        {LabellingActivity, "Labelling Activity", {3600, 7920, 3195, 495}},
        {ExitButton, "Exit", {10560, 7920, 1245, 495}},
        {OrderingActivity, "Ordering Activity", {7080, 7920, 3195, 495}},
        {KeyFacts, "Key Facts", {6360, 120, 1995, 495}},
        {TeachersNotes, "Teacher's Notes", {8640, 120, 3195, 495}},
    };
    for (const auto& b : buttons)
        Label3.add(b.index, makeLabel(this, buttonDesign("Label3", b.caption, b.rect)));
    setExitControl(&Label3(ExitButton));
    Image1->lower();

    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove([this](int i, int, int, Twips, Twips) { Label3(i).setOpaque(true); });
}

void TopicHub::Form_Load() {
    SetupScreen(*this);
    setBackColor(topic_.background);
    Image1->setPicture(LoadPicture(topic_.hubPicture));
}

// The buttons keep their black face: they stand on the picture, where a bare yellow caption does
// not read (on the grey moon, in the grass).
void TopicHub::Form_MouseMove(int, int, Twips, Twips) {}

void TopicHub::Label3_Click(int Index) {
    switch (Index) {
    case MultipleChoice:
        openQuiz();
        break;
    case LabellingActivity:
        openActivity(Activity::Labelling);
        break;
    case ExitButton:
        Module1.intro0->Show();
        Unload();
        break;
    case OrderingActivity:
        openActivity(Activity::Ordering);
        break;
    case KeyFacts:
        openKeyFacts();
        break;
    case TeachersNotes:
        openTeachersNotes();
        break;
    default:
        break;
    }
    PlayClick();
}

MoonHub::MoonHub() : TopicHub(moonTopic(), {0, 0, 12000, 9570}) {
    setNames("moon", "The Moon Landings");
}
CaesarHub::CaesarHub() : TopicHub(caesarTopic(), {0, 0, 11835, 8115}) {
    setNames("caesar", "Julius Caesar");
    // Yellow does not read on the pale sky of the picture.
    Label1->setForeColor(Colours::DarkGold);
}
