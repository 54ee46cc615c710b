#include "quiz/resultsscreen.h"

#include "app/module1.h"
#include "app/setupscreen.h"
#include "platform/accessible.h"
#include "platform/build.h"
#include "platform/focus.h"
#include "platform/services.h"
#include "quiz/resultswording.h"
#include "quiz/wronganswersscreen.h"
#include "records/recorder.h"
#include "sound/playsound.h"

#include <QKeyEvent>

namespace {
const QString WrongAnswersHint =
    QStringLiteral("Click the button above to check which questions you answered incorrectly.");
}

ResultsScreen::ResultsScreen() {
    setNames("Welldone", "Results");
    setClientSize(11910, 8520);
    Label4 = makeLabel(this, headingDesign("Label4", "Well Done!", {0, 120, 12000, 900}, 36));
    Picture1 = placed(new PictureBox(this), "Picture1", {5880, 1440, 4800, 3600});
    Label3.add(
        WrongAnswersOrCertificate,
        makeLabel(this, buttonDesign("Label3", "Check Wrong Answers", {240, 1800, 3765, 495}).hidden()));
    const QFont sentenceFont = timesNewRoman(24);
    Label1 = makeLabel(this, textDesign("Label1", {}, {0, 5400, 12000, 855}, sentenceFont).centred());
    Label5 =
        makeLabel(this, textDesign("Label5", {}, {1680, 6000, 8640, 1335}, sentenceFont).centred().hidden());
    Label6 = makeLabel(
        this, textDesign("Label6", "Read the Key Facts and try again.", {0, 6240, 12000, 855}, sentenceFont)
                  .centred());
    Text1 = placed(new TextBox(this), "Text1", {3120, 6600, 5760, 615});
    Text1->setFont(timesNewRoman(24));
    Text1->setMaxLength(25);
    Text1->setAccessibleName(QStringLiteral("Your name for the certificate"));
    Text1->setVisible(false);
    Label2 = makeLabel(this, textDesign("Label2",
                                        "Enter your name in the box above before printing your certificate",
                                        {3120, 7440, 5775, 855}, timesNewRoman(18))
                                 .centred()
                                 .hidden());
    Label3.add(ExitButton, makeLabel(this, buttonDesign("Label3", "Exit", {10560, 7920, 1245, 495})));
    setExitControl(&Label3(ExitButton));
    Timer1 = new Timer(this, 1);
    Timer2 = new Timer(this, 10);
    Timer3 = new Timer(this, 1);
    // The name first, then what prints it, then the way out; Enter in the name prints.
    Keyboard::setFocusOrder(this, {Text1, &Label3(WrongAnswersOrCertificate), &Label3(ExitButton)});
    Keyboard::setScreenKeys(this, [this](QKeyEvent& k, QWidget* focus) {
        const bool enter = k.key() == Qt::Key_Return || k.key() == Qt::Key_Enter;
        return enter && focus == Text1 && Keyboard::press(&Label3(WrongAnswersOrCertificate));
    });

    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove([this](int i, int, int, Twips, Twips) { Label3(i).setOpaque(true); });
    Timer1->Tick = [this] { Timer1_Timer(); };
    Timer2->Tick = [this] { Timer2_Timer(); };
    Timer3->Tick = [this] { Timer3_Timer(); };
}

void ResultsScreen::Form_Load() {
    SetupScreen(*this, Picture1);
    score_ = Module1.Score;
    if (const auto& pupil = Recorder::instance().pupil()) Text1->setText(pupil->name);
    outOf_ = Module1.ScoreOutOf;
    switch (scoreBand(score_, outOf_)) {
    case ScoreBand::FullMarks:
        Label6->setVisible(false);
        Label3(WrongAnswersOrCertificate).setVisible(true);
        Label1->setCaption(scoreSentence(score_, outOf_));
        Label3(WrongAnswersOrCertificate).setCaption(QStringLiteral("Print Certificate"));
        Text1->setVisible(true);
        Label2->setVisible(true);
        break;
    case ScoreBand::Close:
    case ScoreBand::Far:
        Label1->setCaption(scoreSentence(score_, outOf_));
        Label5->setCaption(WrongAnswersHint);
        Label3(WrongAnswersOrCertificate).setCaption(QStringLiteral("Check Wrong Answers"));
        break;
    case ScoreBand::Beyond:
        break;
    }
    Timer1->setEnabled(true);
    // Said as the screen comes up, whatever has the focus.
    setAccessibleDescription(Label1->Caption());
}

void ResultsScreen::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label3);
}

// The picture, the focus and the sound come one after the other, after the screen is up.
void ResultsScreen::Timer1_Timer() {
    Picture1->setPicture(LoadPicture(QStringLiteral("Images\\lunarmodulesm.jpg")));
    Timer1->setEnabled(false);
    Timer2->setEnabled(true);
}

void ResultsScreen::Timer2_Timer() {
    if (Text1->Visible()) Text1->setFocus();
    Accessible::announce(Label1);
    Timer2->setEnabled(false);
    Label3(WrongAnswersOrCertificate).setOpaque(true);
    Label3(ExitButton).setOpaque(true);
    Timer3->setEnabled(true);
}

void ResultsScreen::Timer3_Timer() {
    RandomSource& random = *services().random;
    random.randomize();
    if (Module1.SoundOn == 1 && celebrationChoices(score_) > 0)
        PlaySound(celebrationSound(score_, random.next()));
    Timer3->setEnabled(false);
}

void ResultsScreen::Label3_Click(int Index) {
    if (Index == WrongAnswersOrCertificate && scoreBand(score_, outOf_) == ScoreBand::FullMarks) {
        try {
            Printpage();
        } catch (...) {
            MsgBox(QStringLiteral("Printing has been cancelled."));
        }
        return;
    }
    if (Index == WrongAnswersOrCertificate) {
        Module1.Wrong->Show();
    } else if (Index == ExitButton) {
        Module1.Wrong.Unload();
        Unload();
    }
    PlayClick();
}
