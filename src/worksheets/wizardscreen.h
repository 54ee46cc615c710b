#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"
#include "worksheets/wizardcheck.h"

#include <QByteArray>
#include <functional>
#include <optional>
#include <vector>

struct QuestionSet;
enum class SaveCondition;

// The Multiple Choice Wizard: a title and ten questions of four answers, one ticked as right.
// Opened blank from the menu, or filled by the catalogue for editing; the title alone decides
// which worksheet a save writes. A save never silently overwrites what another teacher saved or
// deleted since this wizard opened the worksheet: it asks first.
class WizardScreen : public Form {
public:
    WizardScreen();
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    // Question i's heading is FirstQuestionHeading + i.
    enum Label1Index : int { ScreenTitle = 0, TitleCaption = 1, FirstQuestionHeading = 2 };
    enum Label3Index : int { ExitButton = 0, SaveWorksheet = 1 };

    ControlArray<Label> Label1;
    TextBox* Text1;                // the worksheet title
    ControlArray<TextBox> Text2;   // question i
    ControlArray<TextBox> Text3;   // answer k of question i at 4i+k
    ControlArray<CheckBox> Check1; // its tick box, same numbering
    ControlArray<Label> Label3;
    std::vector<Label*> letters; // "A." .. "D." beside each question's answers

    void Label3_Click(int Index);
    void Label3_MouseMove(int Index);
    void Text1_KeyPress(int KeyAscii);
    void Text2_KeyPress(int Index, int KeyAscii);
    void Text3_KeyPress(int Index, int KeyAscii);

    void genwork();
    void saveworksheet();
    WizardFields fields() const;
    // Typed or changed since it opened or was last saved.
    bool holdsTypedText() const;
    void closeRequested() override;
    // The worksheet the catalogue opened here: its listed title and its file's bytes as read.
    void rememberOpened(const QString& title, const std::optional<QByteArray>& bytes);

    Label* waitLine; // shown, with a busy pointer, while another machine holds the index

private:
    struct Opened {
        QString title;
        std::optional<QByteArray> bytes;
    };
    std::optional<Opened> opened_;
    void store(const QuestionSet& set, SaveCondition condition);
    void saveUnderNewTitle(const QString& title);
    void waitForOtherMachine();
    void buildQuestionBlock(int i);
    void setTabOrder();
    void exitAsking();
    void markSaved();
    bool ticksChanged_ = false;
};

// The questions a save asks when the worksheet has changed or gone since it was opened. Real
// dialogs by default; tests answer them instead. `choose` gives the index of the button chosen,
// the last (going back) when the dialog is closed.
struct WizardDialogs {
    std::function<int(QWidget* parent, const QString& text, const QStringList& buttons)> choose;
    std::function<std::optional<QString>(QWidget* parent, const QString& title)> newTitle;
};
WizardDialogs& wizardDialogs();
// The window title of those questions.
inline const QString SaveQuestionTitle = QStringLiteral("Save Worksheet");

// Fills a box of the wizard without cutting the text to the box's limit.
void setWholeText(TextBox& box, const QString& text);
