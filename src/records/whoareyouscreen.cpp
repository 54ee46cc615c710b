#include "records/whoareyouscreen.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "menu/mainmenu.h"
#include "platform/build.h"
#include "records/recorder.h"
#include "sound/playsound.h"

WhoAreYouScreen::WhoAreYouScreen() {
    setNames("whoareyou", "Who are you?");
    Label1 = makeLabel(this, headingDesign("Label1", "Who are you?", {0, 120, 12000, 900}, 36));
    ClassName = makeLabel(this, textDesign("ClassName", {}, {0, 1050, 12000, 600}, tahoma(18)).centred());
    for (int i = 0; i < NamesPerPage; ++i) {
        const TwipRect r{float(420 + (i % 3) * 3780), float(1800 + (i / 3) * 1180), 3600, 720};
        Names.add(i, makeLabel(this, buttonDesign("Names", {}, r, 20).hidden()));
    }
    const char* captions[] = {"<< Previous", "Next >>", "Change Class", "Skip"};
    for (int i = PreviousPage; i <= Skip; ++i)
        Label3.add(
            i, makeLabel(
                   this,
                   buttonDesign("Label3", captions[i], {float(240 + i * 2940), 7920, 2700, 495}).hidden()));
    Names.onClick([this](int i) { Names_Click(i); });
    Names.onMouseMove([this](int i, int, int, Twips, Twips) { Names(i).setOpaque(true); });
    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove([this](int i, int, int, Twips, Twips) { Label3(i).setOpaque(true); });
    // No Exit control: Skip forgets the pupil chosen last, while closing the window goes on to the
    // menu keeping them (closeRequested), and Escape does neither.
}

void WhoAreYouScreen::Form_Load() {
    SetupScreen(*this);
    classes_ = localClassNames();
    // The class chosen last on this machine comes first.
    if (const auto& last = Recorder::instance().pupil())
        class_ = std::max(0, int(classes_.indexOf(last->className)));
    Label3(Skip).setVisible(true);
    showClass(class_);
}

void WhoAreYouScreen::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Names);
    makeAllTransparent(Label3);
}

void WhoAreYouScreen::closeRequested() {
    goToMenu();
}

void WhoAreYouScreen::showClass(int index) {
    class_ = classes_.isEmpty() ? 0 : index % int(classes_.size());
    const QString cls = classes_.value(class_);
    pupils_ = localPupilNames(cls);
    ClassName->setCaption(cls);
    Label3(ChangeClass).setVisible(classes_.size() > 1);
    showPage(0);
}

void WhoAreYouScreen::showPage(int page) {
    const int pages = std::max(1, int((pupils_.size() + NamesPerPage - 1) / NamesPerPage));
    page_ = std::clamp(page, 0, pages - 1);
    for (int i = 0; i < NamesPerPage; ++i) {
        const QString name = pupils_.value(page_ * NamesPerPage + i);
        Names(i).setCaption(name);
        Names(i).setAccessibleName(name);
        Names(i).setVisible(!name.isEmpty());
    }
    Label3(PreviousPage).setVisible(page_ > 0);
    Label3(NextPage).setVisible(page_ < pages - 1);
    if (Names(0).Visible()) Names(0).setFocus();
}

void WhoAreYouScreen::Names_Click(int Index) {
    Recorder::instance().choosePupil({classes_.value(class_), Names(Index).Caption()});
    goToMenu();
}

void WhoAreYouScreen::Label3_Click(int Index) {
    switch (Index) {
    case PreviousPage:
    case NextPage:
        showPage(page_ + (Index == PreviousPage ? -1 : 1));
        break;
    case ChangeClass:
        showClass(class_ + 1);
        break;
    case Skip:
        // Someone not on the list, a visitor or the teacher: nothing is recorded for them.
        Recorder::instance().forgetPupil();
        goToMenu();
        return;
    default:
        break;
    }
    PlayClick();
}

void WhoAreYouScreen::goToMenu() {
    Module1.intro0->Show();
    Unload();
    PlayClick();
}

bool offerWhoAreYou() {
    if (localClassNames().isEmpty()) return false;
    Module1.whoareyou->Show();
    return true;
}
