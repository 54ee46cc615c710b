#include "activities/activityscreen.h"

#include "app/module1.h"
#include "platform/build.h"
#include "platform/focus.h"
#include "records/recordhooks.h"
#include "sound/playsound.h"

#include <algorithm>

ActivityScreen::ActivityScreen() : placing(new KeyboardPlacing(*this)) {
    Keyboard::setScreenKeys(this, [this](QKeyEvent& k, QWidget* focus) { return placing->key(k, focus); });
    // Handlers first: elements added later are wired as they arrive.
    Label2.onMouseMove([this](int i, int b, int s, Twips x, Twips y) { Label2_MouseMove(i, b, s, x, y); });
    Label2.onMouseUp([this](int i, int b, int s, Twips x, Twips y) { Label2_MouseUp(i, b, s, x, y); });
    Label3.onClick([this](int i) { Label3_Click(i); });
    Label3.onMouseMove([this](int i, int b, int s, Twips x, Twips y) { Label3_MouseMove(i, b, s, x, y); });

    Label3.add(ExitButton, makeLabel(this, buttonDesign("Label3", "Exit", {10560, 7920, 1245, 495})));
    Label3.add(StartAgain, makeLabel(this, buttonDesign("Label3", "Start Again", {3360, 7920, 2565, 495})));
    Label3.add(CheckScore,
               makeLabel(this, buttonDesign("Label3", "Check Score", {6000, 7920, 2565, 495}).hidden()));
    setExitControl(&Label3(ExitButton));
}

void ActivityScreen::addCardPlaces(std::span<const CardPlace> places, double cardPoints, Align slotAlign) {
    for (int i = 0; i < static_cast<int>(places.size()); ++i) {
        const CardPlace& p = places[i];
        addSlot(i, QString::fromUtf8(p.text), p.slot, p.slotPoints, slotAlign);
        addCard(i, p.card, cardPoints);
        addHome(i);
    }
}

void ActivityScreen::addSlot(int index, const QString& caption, TwipRect rect, double points, Align align) {
    // Slots and cards look like the screens' buttons.
    Label1.add(index, makeLabel(this, buttonDesign("Label1", caption, rect, points).aligned(align)));
    placing->watchBox(&Label1(index));
}

void ActivityScreen::addCard(int index, TwipRect rect, double points) {
    Label2.add(index, makeLabel(this, buttonDesign("Label2", "Label2", rect, points)));
    placing->watchCard(&Label2(index));
}

void ActivityScreen::addHome(int index) {
    // Placed and sized at load from its card.
    LabelDesign home = textDesign("Label4", QString(), {0, 0, 495, 495}, tahoma(8.25));
    home.border = true;
    Label4.add(index, makeLabel(this, home));
    placing->watchBox(&Label4(index));
}

Label* ActivityScreen::addTitle(const QString& caption, TwipRect rect) {
    return makeLabel(this, textDesign("Label6", caption, rect, timesNewRoman(24)).centred());
}

void ActivityScreen::setCardCount(int n) {
    cards_ = n;
    noteActivityStart(*this);
    Module1.ScoreOutOf = n;
}

int ActivityScreen::cardCount() const {
    const int n = std::min({Label1.count(), Label2.count(), Label4.count()});
    return std::clamp(cards_, 0, n);
}

void ActivityScreen::setupCards() {
    const int N = cardCount();
    for (int i = 0; i < N; ++i) {
        Label1(i).hide();
        Label4(i).setWidth(Label2(i).Width());
        Label4(i).setHeight(Label2(i).Height());
    }
    for (int i = 0; i < N; ++i) {
        Label2(i).setCaption(Label1(i).Caption());
        Label1(i).setCaption(QString());
        Label1(i).setOpaque(false);
        Label1(i).show();
        Label4(i).Move(Label2(i).Left(), Label2(i).Top());
    }
    for (int i = 0; i < N; ++i) {
        Label2(i).show();
        Label4(i).show();
    }
}

DragBoard ActivityScreen::board() const {
    const int N = cardCount();
    DragBoard b;
    b.slots.reserve(N);
    b.homes.reserve(N);
    b.cards.reserve(N);
    for (int i = 0; i < N; ++i) {
        b.slots.push_back(Label1(i).twipRect());
        b.homes.push_back(Label4(i).twipRect());
        b.cards.push_back({Label2(i).Left(), Label2(i).Top()});
    }
    return b;
}

void ActivityScreen::Form_MouseMove(int, int, Twips, Twips) {
    makeAllTransparent(Label3);
}

void ActivityScreen::Label3_MouseMove(int Index, int, int, Twips, Twips) {
    Label3(Index).setOpaque(true);
}

void ActivityScreen::Label2_MouseMove(int Index, int Button, int, Twips X, Twips Y) {
    // A second button held with the left one stops the drag, so a pupil's stray click never
    // carries a card away.
    if (Button != LeftButton) return;
    Label& card = Label2(Index);
    const TwipPoint to = DragBoard::centredOn(card.twipRect(), X, Y);
    card.Move(to.left, to.top);
}

void ActivityScreen::Label2_MouseUp(int Index, int, int, Twips, Twips) {
    // Whichever button goes up, the card is put down where it is: a card never stays hanging
    // between boxes only because the wrong button was released.
    Label& card = Label2(Index);
    DragBoard b = board();
    const QPoint shift = property(ContentOffsetProperty).toPoint();
    const TwipRect visible{pixelsToTwips(-shift.x()), pixelsToTwips(-shift.y()), pixelsToTwips(width()),
                           pixelsToTwips(height())};
    const std::vector<Snap> snaps = b.place(Index, {card.Left(), card.Top()}, visible);
    for (int i = 0; i < static_cast<int>(b.cards.size()); ++i)
        if (b.cards[i] != TwipPoint{Label2(i).Left(), Label2(i).Top()})
            Label2(i).Move(b.cards[i].left, b.cards[i].top);
    for (size_t k = 0; k < snaps.size(); ++k)
        PlaySound(QStringLiteral("wav\\thud3.wav"));

    // Once every slot is filled the button stays, even if cards are moved off again.
    if (b.everySlotFilled()) Label3(CheckScore).show();
}

void ActivityScreen::Label3_Click(int Index) {
    Module1.Score = 0;
    const int N = cardCount();
    switch (Index) {
    case ExitButton:
        Unload();
        break;
    case StartAgain:
        for (int i = 0; i < N; ++i)
            Label2(i).Move(Label4(i).Left(), Label4(i).Top());
        Label3(CheckScore).hide();
        break;
    case CheckScore:
        Module1.Score = board().score();
        // Another activity open beside this one may have set its own count since this one loaded.
        Module1.ScoreOutOf = N;
        showResults();
        break;
    default:
        break;
    }
    PlayClick();
}
