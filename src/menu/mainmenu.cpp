#include "menu/mainmenu.h"

#include "app/displayscale.h"
#include "app/module1.h"
#include "app/setupscreen.h"
#include "app/titlescreen.h"
#include "menu/menuentries.h"
#include "platform/build.h"
#include "platform/focus.h"
#include "records/classrecordscreen.h"
#include "sound/playsound.h"
#include "topics/topichub.h"
#include "worksheets/worksheetindex.h"

const QString RightsNotice = QStringLiteral("Tellwyn \u00A9 2026 Lumenda Learning. Pictures, pages and "
                                            "sounds are original and licensed with the program.");

MainMenu::MainMenu() {
    setNames("intro0", "Main menu");
    for (const MenuEntry& e : MenuEntries) {
        const LabelDesign design = buttonDesign(QStringLiteral("Label2"), QString::fromUtf8(e.caption),
                                                e.rect, e.points, e.navy ? Colours::Navy : Colours::Black);
        Label2.add(e.index, makeLabel(this, e.enabled ? design : design.disabled()));
    }
    setExitControl(&Label2(ExitButton));
    Label1 = makeLabel(this, headingDesign("Label1", "Tellwyn Demo", {0, 120, 10560, 900}, 27.75));
    Label3 =
        makeLabel(this, textDesign("Label3", RightsNotice, {0, 8280, 12000, 375}, tahoma(9.75)).centred());
    // The footer overlaps the bottom of "Acknowledgments" and "Exit": a click there is theirs.
    Label3->setAttribute(Qt::WA_TransparentForMouseEvents);
    Option1 = placed(new OptionButton(this), "Option1", {10440, 120, 1455, 255});
    Option1->setCaption("Sound On");
    Option2 = placed(new OptionButton(this), "Option2", {10440, 480, 1455, 255});
    Option2->setCaption("Sound Off");
    // 17 pixels high as drawn; the gap between the two gives them 24.
    new HitMargin(Option1, QMargins(0, 4, 0, 3));
    new HitMargin(Option2, QMargins(0, 3, 0, 4));
    for (OptionButton* o : {Option1, Option2}) {
        o->setFont(tahoma(9.75, true));
        o->setForeColor(Colours::Yellow);
    }
    Option1->setChecked(true);
    Image1 = placed(new ImageBox(this), "Image1", {7050, 1080, 4695, 4560});
    Image1->setStretch(true);
    Timer1 = new Timer(this, 1);
    // Small and out of the way, in the free space under the worksheet tools.
    ScreenSize = makeLabel(this, buttonDesign(QStringLiteral("ScreenSize"), QString(),
                                              {7080, 7370, 3300, 360}, 9.75, Colours::Navy));
    updateScreenSizeCaption();
    // Tab reads down the topics' two columns and then the tools on the right, as a reader does.
    Keyboard::setReadingColumns(this, {3480, 7000});
    ClassRecord = addClassRecordEntry(this);

    Label2.onClick([this](int i) { Label2_Click(i); });
    Label2.onMouseMove([this](int i, int, int, Twips, Twips) { Label2_MouseMove(i); });
    Option1->Click = [] { Module1.SoundOn = 1; };
    Option2->Click = [] { Module1.SoundOn = 0; };
    Timer1->Tick = [this] { Timer1_Timer(); };
    ScreenSize->Click = [this] { ScreenSize_Click(); };
    ScreenSize->MouseMove = [this](int, int, Twips, Twips) { ScreenSize->setOpaque(true); };
}

void MainMenu::updateScreenSizeCaption() {
    ScreenSize->setCaption(displayScaleCaption(rememberedDisplayScale(), currentDisplayScale(),
                                               resolveDisplayScale(std::nullopt)));
}

void MainMenu::ScreenSize_Click() {
    rememberDisplayScale(nextDisplayScaleChoice(rememberedDisplayScale(), resolveDisplayScale(std::nullopt)));
    updateScreenSizeCaption();
    PlayClick();
}

void MainMenu::Form_Load() {
    SetupScreen(*this);
    Image1->setPicture(LoadPicture("Images\\london.jpg"));
    setBackColor(Colours::ScreenBlue);
    Option1->setBackColor(Colours::ScreenBlue);
    Option2->setBackColor(Colours::ScreenBlue);
    Module1.SoundOn = 1;
    Timer1->setEnabled(true);
}

void MainMenu::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label2);
    ScreenSize->setOpaque(false);
    ClassRecord->setOpaque(false);
}

void MainMenu::Label2_MouseMove(int Index) {
    Label2(Index).setOpaque(true);
}

void MainMenu::Timer1_Timer() {
    // One read of the worksheet index, just after the menu is shown. Whatever was read before a
    // failure stays; there is no message.
    Timer1->setEnabled(false);
    loadWorksheetIndex(WorksheetIndexFile);
}

void MainMenu::Label2_Click(int Index) {
    switch (Index) {
    case JuliusCaesar:
        Module1.caesar->Show();
        break;
    case MoonLandings:
        Module1.moon->Show();
        break;
    case ExitButton:
        Module1.Titlefrm->showFromMenu();
        break;
    case MultipleChoiceWizard:
        openWizard();
        break;
    case WorksheetCatalogue:
        openCatalogue();
        break;
    case Acknowledgments:
        openAcknowledgments();
        break;
    case TeachersGuide:
        openTeachersGuide();
        break;
    default:
        break;
    }
    PlayClick();
}
