// The drop rules on positions alone: the snap zone's bounds, the order of the tests, the count that
// shows "Check Score" and the score.
#include "activities/dragboard.h"

#include <QTest>

Q_DECLARE_METATYPE(TwipRect)
Q_DECLARE_METATYPE(TwipPoint)

class DragBoardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void zone_data() {
        QTest::addColumn<TwipPoint>("corner");
        QTest::addColumn<bool>("hit");
        // The box beside "1957" on the Moon timeline, (8040, 240) 3435 x 855.
        // Left bound 8040 - 1717.5, right 8040 + 3435, top 240 - 427.5, bottom 240 + 855.
        QTest::newRow("on the left bound") << TwipPoint{6322.5f, 300} << false;
        QTest::newRow("1 twip inside the left bound") << TwipPoint{6323.5f, 300} << true;
        QTest::newRow("on the right bound") << TwipPoint{11475, 300} << false;
        QTest::newRow("1 twip inside the right bound") << TwipPoint{11474, 300} << true;
        QTest::newRow("on the top bound") << TwipPoint{9000, -187.5f} << false;
        QTest::newRow("1 twip inside the top bound") << TwipPoint{9000, -186.5f} << true;
        QTest::newRow("on the bottom bound") << TwipPoint{9000, 1095} << false;
        QTest::newRow("1 twip inside the bottom bound") << TwipPoint{9000, 1094} << true;
    }
    void zone() {
        QFETCH(TwipPoint, corner);
        QFETCH(bool, hit);
        const TwipRect box1957{8040, 240, 3435, 855};
        QCOMPARE(DragBoard::inZone(box1957, corner), hit);
        const DragBoard board{.slots = {box1957}, .homes = {{240, 6000, 3435, 855}}, .cards = {}};
        TwipPoint dropped = corner;
        QCOMPARE(board.drop(dropped).size(), size_t(hit ? 1 : 0));
        QCOMPARE(dropped, (hit ? TwipPoint{8040, 240} : corner));
    }

    void dragCentresTheCardWithoutBounds() {
        // x and y are relative to the card's corner; nothing keeps the card on the screen.
        QCOMPARE(DragBoard::centredOn({240, 6000, 3435, 855}, 20000, -9000),
                 (TwipPoint{240 + 20000 - 1717.5f, -3000 - 427.5f}));
    }

    void dropOrder_data() {
        QTest::addColumn<TwipRect>("slot0");
        QTest::addColumn<TwipRect>("home0");
        QTest::addColumn<TwipRect>("slot1");
        QTest::addColumn<TwipPoint>("corner");
        QTest::addColumn<QList<int>>("snaps"); // 2k for slot k, 2k + 1 for home k
        QTest::addColumn<TwipPoint>("endsAt");
        const TwipRect far{10000, 8000, 100, 100};
        // Two overlapping zones: the first in the order wins, and the corner it gives lies outside
        // the second.
        QTest::newRow("slot 1 and home 0: home 0 first")
            << far << TwipRect{1000, 1000, 1000, 500} << TwipRect{1800, 1200, 1000, 500}
            << TwipPoint{1600, 1300} << QList<int>{1} << TwipPoint{1000, 1000};
        // The snap onto home 0 puts the corner inside slot 1's zone: a second snap.
        QTest::newRow("a snap into a later zone snaps again")
            << far << TwipRect{1000, 1000, 1000, 500} << TwipRect{1200, 1100, 1000, 500}
            << TwipPoint{1100, 1050} << QList<int>{1, 2} << TwipPoint{1200, 1100};
        // A later box whose zone held the released corner does not catch it back after an earlier
        // snap moved it away; an earlier box is never looked at again.
        QTest::newRow("slot 0 then nothing")
            << TwipRect{0, 0, 1000, 500} << TwipRect{3000, 3000, 1000, 500} << TwipRect{600, 300, 1000, 500}
            << TwipPoint{700, 350} << QList<int>{0} << TwipPoint{0, 0};
    }
    void dropOrder() {
        QFETCH(TwipRect, slot0);
        QFETCH(TwipRect, home0);
        QFETCH(TwipRect, slot1);
        QFETCH(TwipPoint, corner);
        const DragBoard board{
            .slots = {slot0, slot1}, .homes = {home0, {20000, 20000, 100, 100}}, .cards = {}};
        QList<int> made;
        for (const Snap& s : board.drop(corner))
            made << 2 * s.index + (s.kind == Snap::Home ? 1 : 0);
        QTEST(made, "snaps");
        QTEST(corner, "endsAt");
    }

    void completionCountsRepeatsScoreOnlyOwnSlots_data() {
        QTest::addColumn<QList<TwipPoint>>("cards");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<int>("score");
        const TwipPoint a{0, 0}, b{0, 1000}, c{0, 2000}, off{5, 0};
        QTest::newRow("all at home") << QList<TwipPoint>{{9000, 0}, {9000, 1000}, {9000, 2000}} << 0 << false
                                     << 0;
        QTest::newRow("each on its own slot") << QList<TwipPoint>{a, b, c} << 3 << true << 3;
        QTest::newRow("each on a slot, two swapped") << QList<TwipPoint>{a, c, b} << 3 << true << 1;
        QTest::newRow("two on one slot, one slot empty") << QList<TwipPoint>{a, a, b} << 3 << true << 1;
        QTest::newRow("three on one slot") << QList<TwipPoint>{b, b, b} << 3 << true << 1;
        QTest::newRow("one a twip off") << QList<TwipPoint>{off, b, c} << 2 << false << 2;
    }
    void completionCountsRepeatsScoreOnlyOwnSlots() {
        QFETCH(QList<TwipPoint>, cards);
        DragBoard board;
        board.slots = {{0, 0, 500, 500}, {0, 1000, 500, 500}, {0, 2000, 500, 500}};
        board.cards.assign(cards.begin(), cards.end());
        QTEST(board.completionCount(), "count");
        QTEST(board.everySlotFilled(), "filled");
        QTEST(board.score(), "score");
    }
};

QTEST_APPLESS_MAIN(DragBoardTest)
#include "tst_dragboard.moc"
