// The drag-and-drop screens driven with a real pointer: presses, moves and releases at the pixels
// their twip positions map to; then the drop rules on positions alone: the snap zone's bounds, the
// order of the tests, the count that shows "Check Score" and the score. Each of the four screens is
// played to full marks in the real program, also at a projector's scale, by check-xvfb-scale.sh.
#include "activities/dragboard.h"
#include "activities/labellingscreens.h"
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "quiz/resultsscreen.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// Press on the card's middle, one move to `to`, release there.
void drag(Form& form, Label& card, QPoint to) {
    QWindow* w = form.windowHandle();
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, card.geometry().center());
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, to);
}

TwipPoint cornerOf(const Label& l) {
    return {l.Left(), l.Top()};
}

} // namespace

class ActivityScreensTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The Moon labelling (four cards) opened over the timeline (five), as the taskbar allows, once
    // took the timeline's fifth card from it: it did not snap and the score was out of four. Run
    // with an empty data folder: every picture missing, the screens work on. The timeline is larger
    // than designed, as full screen makes it, so the drops land on a screen centred in its window.
    void cardsPlacedAndCounted() {
        TestEnv env;
        Module1.SoundOn = 1;
        Module1.moon->Label1->setCaption("Moon hub");
        clickControl(&Module1.moon->Label3(TopicHub::OrderingActivity));
        MoonOrdering& s = *Module1.moonord;
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QCOMPARE(s.Label6->Caption(), QString("Moon hub"));
        s.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        s.resize(s.minimumSize() + QSize(200, 100));
        QTRY_COMPARE(s.Label1(0).pos(), s.Label1(0).twipRect().toPixels().topLeft() + QPoint(100, 50));
        Module1.moonlab->Show();
        QCOMPARE(Module1.ScoreOutOf, 4); // what the timeline once went by
        for (int i = 0; i < 5; ++i) {
            const int slot = i < 2 ? 1 - i : i; // cards 0 and 1 each on the other's slot
            drag(s, s.Label2(i), s.Label1(slot).geometry().center());
            QCOMPARE(cornerOf(s.Label2(i)), cornerOf(s.Label1(slot)));
        }
        QCOMPARE(env.sound->played.count("wav/thud3.wav"), 5);
        clickControl(&s.Label3(ActivityScreen::CheckScore));
        QVERIFY(Module1.Welldone->isVisible() && s.isVisible()); // the activity stays open beneath
        QCOMPARE(Module1.Welldone->Label1->Caption(), QString("Good work. You have scored 3 out of 5."));
        // With the results still open, the last card moved home and "Check Score" again: counted
        // afresh, and the open results screen shows the new score, with no list of wrong answers.
        s.Label2(4).Move(s.Label4(4).Left(), s.Label4(4).Top());
        s.Label3_Click(ActivityScreen::CheckScore);
        settle();
        QCOMPARE(Module1.Welldone->Label1->Caption(), QString("You have scored 2 out of 5."));
        QVERIFY(Module1.Welldone->Label6->isVisible() &&
                !Module1.Welldone->Label3(ResultsScreen::WrongAnswersOrCertificate).isVisible());
        clickControl(&s.Label3(ActivityScreen::StartAgain));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(cornerOf(s.Label2(i)), cornerOf(s.Label4(i)));
        QVERIFY(!s.Label3(ActivityScreen::CheckScore).Visible() && Module1.Score == 0);

        // A card let go beyond the window's edge comes home with the snap's sound, and a card
        // dropped on a taken box sends the one there home, so "Check Score" waits until every box
        // really holds a card.
        for (QPoint off : {QPoint(-40, 300), QPoint(400, s.height() + 40)}) {
            drag(s, s.Label2(1), off);
            QCOMPARE(cornerOf(s.Label2(1)), cornerOf(s.Label4(1)));
        }
        QCOMPARE(env.sound->played.count("wav/thud3.wav"), 7);
        for (int i = 1; i < 5; ++i)
            drag(s, s.Label2(i), s.Label1(i).geometry().center());
        drag(s, s.Label2(0), s.Label1(1).geometry().center());
        QCOMPARE(cornerOf(s.Label2(0)), cornerOf(s.Label1(1)));
        QCOMPARE(cornerOf(s.Label2(1)), cornerOf(s.Label4(1)));
        QVERIFY(!s.Label3(ActivityScreen::CheckScore).Visible());
    }

    // The box beside "1957" on the Moon timeline, (8040, 240) 3435 x 855, catches a card whose
    // corner lies strictly inside 8040 - 1717.5 to 8040 + 3435 across and 240 - 427.5 to 240 + 855
    // down: on each bound it does not, one twip inside it does. (What a drop in a zone does to the
    // card is the drop order's.)
    void zone() {
        const TwipRect box1957{8040, 240, 3435, 855};
        const std::pair<TwipPoint, TwipPoint> boundAndInside[] = {{{6322.5f, 300}, {6323.5f, 300}},
                                                                  {{11475, 300}, {11474, 300}},
                                                                  {{9000, -187.5f}, {9000, -186.5f}},
                                                                  {{9000, 1095}, {9000, 1094}}};
        for (const auto& [bound, inside] : boundAndInside)
            QVERIFY(!DragBoard::inZone(box1957, bound) && DragBoard::inZone(box1957, inside));
    }

    // The boxes are tried once each, in order (slot 0, home 0, slot 1): of two overlapping zones the
    // first wins and the corner it gives lies outside the second; a snap that puts the corner into a
    // later zone snaps again; a later zone that held the released corner no longer catches it after
    // an earlier snap moved it away.
    void dropOrder() {
        const TwipRect home0{1000, 1000, 1000, 500}, far{10000, 8000, 100, 100};
        const struct {
            TwipRect slot0, slot1;
            TwipPoint corner;
            std::vector<Snap> snaps;
            TwipPoint endsAt;
        } cases[] = {
            {far, {1800, 1200, 1000, 500}, {1600, 1300}, {{Snap::Home, 0}}, {1000, 1000}},
            {far, {1200, 1100, 1000, 500}, {1100, 1050}, {{Snap::Home, 0}, {Snap::Slot, 1}}, {1200, 1100}},
            {{0, 0, 1000, 500}, {600, 300, 1000, 500}, {700, 350}, {{Snap::Slot, 0}}, {0, 0}}};
        for (auto c : cases) {
            const DragBoard board{
                .slots = {c.slot0, c.slot1}, .homes = {home0, {20000, 20000, 100, 100}}, .cards = {}};
            QVERIFY(board.drop(c.corner) == c.snaps);
            QCOMPARE(c.corner, c.endsAt);
        }
    }

    // A card let go with its middle off the screen goes home; one dropped on a taken slot sends the
    // card there home, and a card parked on that home box goes to its own in turn; a card's start
    // place is never taken from it.
    void placeKeepsEveryCardInSight() {
        DragBoard board{.slots = {{0, 0, 500, 500}, {0, 1000, 500, 500}, {0, 2000, 500, 500}},
                        .homes = {{4000, 0, 500, 500}, {4000, 1000, 500, 500}, {4000, 2000, 500, 500}},
                        .cards = {{4000, 0}, {4000, 1000}, {4000, 2000}}};
        const TwipRect screen{0, 0, 6000, 4000};
        QVERIFY((board.place(1, {-251, 1000}, screen) == std::vector<Snap>{{Snap::Home, 1}}));
        QCOMPARE(board.cards[1], (TwipPoint{4000, 1000}));
        QVERIFY(board.place(1, {-249, 3749}, screen).empty()); // middle just inside: stays
        QCOMPARE(board.cards[1], (TwipPoint{-249, 3749}));
        board.place(0, {10, 10}, screen);
        board.place(2, {20, 20}, screen); // onto card 0's slot: card 0 goes home
        QCOMPARE(board.cards, (std::vector<TwipPoint>{{4000, 0}, {-249, 3749}, {0, 0}}));
        board.place(1, {4010, 10}, screen); // onto card 0's start place, where card 0 lies
        QCOMPARE(board.cards[1], (TwipPoint{4000, 1000}));
        board.place(1, {4010, 2010}, screen); // parked on card 2's start place
        board.place(0, {10, 10}, screen);     // card 2 sent home, card 1 on to its own
        QCOMPARE(board.cards, (std::vector<TwipPoint>{{0, 0}, {4000, 1000}, {4000, 2000}}));
    }

    // Two cards on one slot count twice towards "Check Score" but score once; a card a twip off its
    // slot counts for nothing.
    void completionCountsRepeatsScoreOnlyOwnSlots() {
        const TwipPoint a{0, 0}, b{0, 1000}, c{0, 2000}, off{5, 0};
        const std::tuple<std::vector<TwipPoint>, int, bool, int> cases[] = {
            {{a, b, c}, 3, true, 3}, {{a, a, b}, 3, true, 1}, {{off, b, c}, 2, false, 2}};
        for (const auto& [cards, count, filled, score] : cases) {
            const DragBoard board{.slots = {{0, 0, 500, 500}, {0, 1000, 500, 500}, {0, 2000, 500, 500}},
                                  .homes = {},
                                  .cards = cards};
            QCOMPARE(board.completionCount(), count);
            QCOMPARE(board.everySlotFilled(), filled);
            QCOMPARE(board.score(), score);
        }
    }
};

QTEST_MAIN(ActivityScreensTest)
#include "tst_activityscreens.moc"
