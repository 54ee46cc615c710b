#include "worksheets/wizardscreen.h"

#include "app/setupscreen.h"
#include "platform/build.h"
#include "platform/files.h"
#include "platform/focus.h"
#include "platform/services.h"
#include "quiz/questionsperset.h"
#include "sound/playsound.h"
#include "worksheets/worksheetstore.h"

#include <QApplication>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>

namespace {

// Offsets of one answer within its question's block, A to D. The second row lies 3 pixels lower
// than first drawn, into the free space below it, so that each tick box takes clicks on 24 pixels
// of height without taking the other row's.
struct AnswerPlace {
    TwipRect letter, tick, text;
};
constexpr std::array<AnswerPlace, 4> AnswerPlaces{{
    {{255, 1200, 270, 285}, {480, 1230, 255, 315}, {720, 1230, 2295, 330}},
    {{3090, 1200, 240, 285}, {3330, 1230, 255, 315}, {3600, 1230, 2295, 330}},
    {{270, 1605, 240, 285}, {480, 1605, 255, 315}, {720, 1605, 2295, 330}},
    {{3090, 1605, 270, 285}, {3330, 1605, 255, 315}, {3600, 1605, 2295, 330}},
}};

TwipRect shifted(TwipRect r, Twips dx, Twips dy) {
    return {r.left + dx, r.top + dy, r.width, r.height};
}

TextBox* textBox(QWidget* parent, const QString& name, TwipRect rect, const QFont& font, int maxLength) {
    auto* t = placed(new TextBox(parent), name, rect);
    t->setFont(font);
    t->setMaxLength(maxLength);
    return t;
}

const QString SavedText = QStringLiteral("Your worksheet has been saved.");

WizardDialogs realDialogs() {
    WizardDialogs d;
    d.choose = [](QWidget* parent, const QString& text, const QStringList& buttons) {
        QMessageBox box(QMessageBox::Question, SaveQuestionTitle, text, QMessageBox::NoButton, parent);
        QList<QAbstractButton*> added;
        for (const QString& b : buttons)
            added << box.addButton(b, added.size() + 1 < buttons.size() ? QMessageBox::AcceptRole
                                                                        : QMessageBox::RejectRole);
        box.setEscapeButton(added.last());
        box.exec();
        return std::max<int>(0, static_cast<int>(added.indexOf(box.clickedButton())));
    };
    d.newTitle = [](QWidget* parent, const QString& title) -> std::optional<QString> {
        bool ok = false;
        const QString t = QInputDialog::getText(parent, SaveQuestionTitle, QStringLiteral("New title:"),
                                                QLineEdit::Normal, title, &ok);
        return ok ? std::optional(t) : std::nullopt;
    };
    return d;
}

} // namespace

WizardDialogs& wizardDialogs() {
    static WizardDialogs dialogs = realDialogs();
    return dialogs;
}

WizardScreen::WizardScreen() {
    setNames("wizard", "Multiple Choice Wizard");
    Label1.add(ScreenTitle,
               makeLabel(this, headingDesign("Label1", "Multiple Choice Wizard", {0, 0, 4320, 540}, 18)));
    Label1.add(TitleCaption,
               makeLabel(this, headingDesign("Label1", "Worksheet Title", {5160, 120, 2280, 345}, 14.25)));
    Text1 = textBox(this, "Text1", {7560, 120, 4215, 375}, timesNewRoman(12), TitleLength);
    Text1->setAccessibleName(QStringLiteral("Worksheet Title"));
    for (int i = 0; i < QuestionsPerSet; ++i)
        buildQuestionBlock(i);
    Label3.add(SaveWorksheet,
               makeLabel(this, buttonDesign("Label3", "Save Worksheet", {240, 7920, 3165, 495})));
    Label3.add(ExitButton, makeLabel(this, buttonDesign("Label3", "Exit", {10560, 7920, 1245, 495})));
    waitLine = makeLabel(this, headingDesign("WaitLine", "Waiting for another computer to finish saving...",
                                             {3600, 8010, 6840, 345}, 12)
                                   .hidden());
    setExitControl(&Label3(ExitButton));
    setTabOrder();

    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove([this](int i, int, int, Twips, Twips) { Label3_MouseMove(i); });
    Text1->KeyPress = [this](int key) { Text1_KeyPress(key); };
    for (int i = 0; i < QuestionsPerSet; ++i)
        Text2(i).KeyPress = [this, i](int key) { Text2_KeyPress(i, key); };
    for (int j = 0; j < 40; ++j)
        Text3(j).KeyPress = [this, j](int key) { Text3_KeyPress(j, key); };
    // Only a teacher's tick changes the worksheet; the catalogue's filling in does not.
    for (int j = 0; j < 40; ++j)
        connect(&Check1(j), &QAbstractButton::clicked, this, [this] { ticksChanged_ = true; });
}

void WizardScreen::buildQuestionBlock(int i) {
    const Twips dx = 5880.0f * static_cast<float>(i / 5);
    const Twips dy = 1440.0f * static_cast<float>(i % 5);
    const QString heading = QStringLiteral("Question %1").arg(i + 1);
    const QFont headingFont = tahoma(9.75, true);
    // Where the screen font runs wider than the one the blocks were drawn for, a heading grows to
    // its text instead of wrapping its number onto a line that is cut off.
    const Twips headingWidth = std::max<Twips>(
        i == 9 ? 1170 : 1050, pixelsToTwips(QFontMetrics(headingFont).horizontalAdvance(heading) + 4));
    const TwipRect headingRect{240 + dx, 600 + dy, headingWidth, 240};
    Label1.add(FirstQuestionHeading + i,
               makeLabel(this, textDesign("Label1", heading, headingRect, headingFont).centred()));
    Text2.add(
        i, textBox(this, "Text2", shifted({240, 840, 5655, 375}, dx, dy), timesNewRoman(12), QuestionLength));
    Text2(i).setAccessibleName(heading);
    for (int k = 0; k < 4; ++k) {
        const AnswerPlace& place = AnswerPlaces[k];
        const QString letter = QString(QChar('A' + k)) + '.';
        letters.push_back(
            makeLabel(this, headingDesign("Letter", letter, shifted(place.letter, dx, dy), 12)));
        Check1.add(4 * i + k, placed(new CheckBox(this), "Check1", shifted(place.tick, dx, dy)));
        // The box is 17 x 21 pixels: its letter to the left takes its clicks too.
        new HitMargin(&Check1(4 * i + k), QMargins(7, 1, 0, 2));
        Text3.add(4 * i + k,
                  textBox(this, "Text3", shifted(place.text, dx, dy), timesNewRoman(9.75), AnswerLength));
        Check1(4 * i + k).setAccessibleName(
            QStringLiteral("%1: %2 is right").arg(heading).arg(QChar('A' + k)));
        Text3(4 * i + k).setAccessibleName(QStringLiteral("%1, answer %2").arg(heading).arg(QChar('A' + k)));
        new HitMargin(&Text3(4 * i + k), QMargins(0, 1, 0, 1));
    }
}

void WizardScreen::setTabOrder() {
    // Title, then each question followed by its answers, each answer with its tick box, then the
    // two buttons: the order in which a teacher writes a worksheet.
    QList<QWidget*> order{Text1};
    for (int i = 0; i < QuestionsPerSet; ++i) {
        order << &Text2(i);
        for (int k = 0; k < 4; ++k)
            order << &Text3(4 * i + k) << &Check1(4 * i + k);
    }
    order << &Label3(SaveWorksheet) << &Label3(ExitButton);
    Keyboard::setFocusOrder(this, order);
}

void WizardScreen::Form_Load() {
    SetupScreen(*this);
    for (int i = 0; i < 40; ++i)
        Check1(i).setBackColor(Colours::DeepBlue);
    Text1->setFocus();
}

void WizardScreen::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label3);
}

void WizardScreen::Label3_MouseMove(int Index) {
    Label3(Index).setOpaque(true);
}

void WizardScreen::Label3_Click(int Index) {
    switch (Index) {
    case ExitButton:
        exitAsking();
        break;
    case SaveWorksheet:
        genwork();
        break;
    default:
        break;
    }
    // After the action, so it follows the closing of any message.
    PlayClick();
}

void WizardScreen::Text1_KeyPress(int KeyAscii) {
    if (KeyAscii == 13) Text2(0).setFocus();
}

void WizardScreen::Text2_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii == 13) Text3(4 * Index).setFocus();
}

void WizardScreen::Text3_KeyPress(int Index, int KeyAscii) {
    if (KeyAscii != 13) return;
    if (Index % 4 != 3)
        Text3(Index + 1).setFocus();
    else if (Index < 39)
        Text2((Index + 1) / 4).setFocus();
}

void setWholeText(TextBox& box, const QString& text) {
    // The box's limit holds for typing only: a text made elsewhere is kept whole, and the save
    // names it as too long rather than writing it cut.
    const bool tooLong = text.size() > box.maxLength();
    if (tooLong) box.setMaxLength(static_cast<int>(text.size()));
    box.setText(text);
    // Shown from its start, as the teacher reads it, rather than scrolled to its end.
    if (tooLong) box.setCursorPosition(0);
}

bool WizardScreen::holdsTypedText() const {
    if (ticksChanged_) return true;
    for (const QObject* child : children())
        if (auto* box = dynamic_cast<const TextBox*>(child); box && box->isModified()) return true;
    return false;
}

// Ten typed questions are not lost to one click: "Exit" asks as the window's close does.
void WizardScreen::exitAsking() {
    if (!holdsTypedText() || MsgBox(QStringLiteral("Close this screen and lose what you have typed?"),
                                    MsgButtons::OKCancel) == MsgResult::OK)
        Unload();
}

void WizardScreen::closeRequested() {
    exitAsking();
}

void WizardScreen::markSaved() {
    ticksChanged_ = false;
    for (QObject* child : children())
        if (auto* box = dynamic_cast<TextBox*>(child)) box->setModified(false);
}

WizardFields WizardScreen::fields() const {
    WizardFields f;
    f.title = Text1->Text();
    for (int i = 0; i < QuestionsPerSet; ++i)
        f.questions[i] = Text2(i).Text();
    for (int j = 0; j < 40; ++j) {
        f.answers[j] = Text3(j).Text();
        f.ticks[j] = Check1(j).Value();
    }
    return f;
}

void WizardScreen::genwork() {
    if (const auto problem = genworkProblem(fields())) {
        MsgBox(*problem);
        return;
    }
    saveworksheet();
}

void WizardScreen::rememberOpened(const QString& title, const std::optional<QByteArray>& bytes) {
    opened_ = Opened{title, bytes};
}

void WizardScreen::saveworksheet() {
    const QuestionSet set = worksheetOf(fields());
    if (const auto refusal = worksheetRefusal(set)) {
        MsgBox(*refusal);
        return;
    }
    // Under the title it was opened with, the file must still be as it was then; under any other
    // title, and from a blank wizard, the title must not be taken.
    store(set,
          opened_ && opened_->title == set.title ? SaveCondition::OnlyIfUnchanged : SaveCondition::OnlyIfNew);
}

void WizardScreen::store(const QuestionSet& set, SaveCondition condition) {
    SaveRequest request{condition, std::nullopt, [this] { waitForOtherMachine(); }};
    if (opened_ && opened_->title == set.title) request.opened = opened_->bytes;
    const StoreResult result = storeWorksheet(set, request);
    if (waitLine->isVisible()) {
        waitLine->setVisible(false);
        QApplication::restoreOverrideCursor();
    }
    const QString& title = set.title;
    switch (result.outcome) {
    case StoreOutcome::Saved:
    case StoreOutcome::Replaced:
        // What this teacher has now saved is what the next save compares against.
        rememberOpened(title, windows1252TextBytes(questionSetLines(set)));
        markSaved();
        MsgBox(SavedText);
        return;
    case StoreOutcome::AlreadyListed:
        if (MsgBox(QStringLiteral(
                       "A worksheet called %1 is already in the catalogue. Do you want to replace it?")
                       .arg(title),
                   MsgButtons::OKCancel, SaveQuestionTitle) == MsgResult::OK)
            store(set, SaveCondition::Replace);
        return;
    case StoreOutcome::ChangedSinceOpened:
        switch (wizardDialogs().choose(
            this,
            QStringLiteral("Someone else has saved the worksheet %1 since you opened it. Your worksheet "
                           "has not been saved yet.")
                .arg(title),
            {QStringLiteral("&Replace Their Version"), QStringLiteral("Save Under a &New Title"),
             QStringLiteral("&Go Back")})) {
        case 0:
            store(set, SaveCondition::Replace);
            return;
        case 1:
            saveUnderNewTitle(title);
            return;
        default:
            return;
        }
    case StoreOutcome::DeletedSinceOpened:
        if (wizardDialogs().choose(this,
                                   QStringLiteral("The worksheet %1 has been deleted since you opened it. "
                                                  "Your worksheet has not been saved yet.")
                                       .arg(title),
                                   {QStringLiteral("&Save It Again"), QStringLiteral("&Go Back")}) == 0)
            store(set, SaveCondition::OnlyIfNew);
        return;
    default:
        MsgBox(storeProblemText(result));
    }
}

void WizardScreen::saveUnderNewTitle(const QString& title) {
    const auto chosen = wizardDialogs().newTitle(this, title);
    if (!chosen || *chosen == title) return;
    setWholeText(*Text1, *chosen);
    // Checked and stored as any other title typed here: a taken one is asked about.
    genwork();
}

// Called again and again while the lock is waited for: the window keeps painting and says why
// nothing happens, but takes no clicks until the save is decided.
void WizardScreen::waitForOtherMachine() {
    if (!waitLine->isVisible()) {
        waitLine->setVisible(true);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
