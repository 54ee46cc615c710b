#pragma once

#include "activities/dragboard.h"
#include "activities/keyboardplacing.h"
#include "platform/controlarray.h"
#include "platform/form.h"

#include <span>

// One card's design: the slot's caption (which load moves onto the card), where the slot is and
// where the card starts.
struct CardPlace {
    const char* text;
    TwipRect slot;
    double slotPoints;
    TwipRect card;
};

// What the four drag-and-drop screens share: slots, cards, home boxes and the three buttons, and
// every handler. A screen adds its own content and layout and says where the cards' set-up stands
// in its load. Each screen keeps its own card count, set by its load; another activity open at the
// same time (through the taskbar) cannot change it through ScoreOutOf.
class ActivityScreen : public Form {
public:
    ControlArray<Label> Label1; // slots: where card i belongs
    ControlArray<Label> Label2; // cards
    enum Label3Index : int {
        ExitButton = 0,
        StartAgain = 1,
        CheckScore = 2,
    };
    ControlArray<Label> Label3;
    ControlArray<Label> Label4; // home boxes: where card i starts
    Label* Label6 = nullptr;    // the title, set by the hub that opens the screen

    void Form_MouseMove(int Button, int Shift, Twips X, Twips Y) override;
    void Label2_MouseMove(int Index, int Button, int Shift, Twips X, Twips Y);
    void Label2_MouseUp(int Index, int Button, int Shift, Twips X, Twips Y);
    void Label3_Click(int Index);
    void Label3_MouseMove(int Index, int Button, int Shift, Twips X, Twips Y);

    // The cards, slots and home boxes as positions, over the current card count.
    DragBoard board() const;

    KeyboardPlacing* placing; // cards placed by keyboard and by tapping

protected:
    ActivityScreen();

    // Design-time controls, as the screens' tables describe them: slot, card and home box i for
    // each place i.
    void addCardPlaces(std::span<const CardPlace> places, double cardPoints, Align slotAlign);
    Label* addTitle(const QString& caption, TwipRect rect);

    // Moves each answer text from its slot onto its card, empties the slots and puts the home boxes
    // under the cards.
    void setupCards();

    // Sets this screen's card count, and ScoreOutOf as the load step always has.
    void setCardCount(int n);
    // The card count the handlers work over; never more than the cards there are.
    int cardCount() const;

private:
    int cards_ = 0;
    void addSlot(int index, const QString& caption, TwipRect rect, double points, Align align);
    void addCard(int index, TwipRect rect, double points);
    void addHome(int index);
    // The results screen takes everything it needs from Module1.Score and Module1.ScoreOutOf.
    void showResults();
};
