// The drop rules on positions alone: the snap zone's bounds, the order of the tests, the count that
// shows "Check Score" and the score.
#include "activities/dragboard.h"

#include <QTest>

class DragBoardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
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

QTEST_APPLESS_MAIN(DragBoardTest)
#include "tst_dragboard.moc"
