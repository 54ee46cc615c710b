// The four drag-and-drop screens driven with a real pointer: presses, moves and releases at the
// pixels their twip positions map to. The drop geometry itself is pinned in tst_dragboard.
#include "activities/labellingscreens.h"
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "quiz/resultsscreen.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// Sound on, as it is once the menu has loaded.
struct SoundOnEnv : TestEnv {
    SoundOnEnv() { Module1.SoundOn = 1; }
};

ActivityScreen& activity(const QString& name) {
    if (name == "moonord") return *Module1.moonord;
    if (name == "caesarord") return *Module1.caesarord;
    return name == "moonlab" ? static_cast<ActivityScreen&>(*Module1.moonlab) : *Module1.caesar2lab;
}

ActivityScreen& shown(const QString& name) {
    ActivityScreen& screen = activity(name);
    screen.Show();
    if (!QTest::qWaitForWindowExposed(&screen)) qWarning("window not exposed");
    return screen;
}

// Opened as a pupil opens it: from its topic's hub, under a title of our own.
ActivityScreen& openedFromItsHub(const QString& name) {
    TopicHub& hub = name.startsWith("moon") ? static_cast<TopicHub&>(*Module1.moon) : *Module1.caesar;
    hub.Label1->setCaption(name + " hub");
    clickControl(&hub.Label3(name.endsWith("ord") ? 3 : 1)); // "Ordering Activity", "Labelling Activity"
    if (!QTest::qWaitForWindowExposed(&activity(name))) qWarning("window not exposed");
    return activity(name);
}

// Press on the card's middle, one move to `to`, release there.
void drag(Form& form, Label& card, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QWindow* w = form.windowHandle();
    QTest::mousePress(w, button, Qt::NoModifier, card.geometry().center());
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, button, Qt::NoModifier, to);
}

void placeAll(ActivityScreen& s, int cards) {
    for (int i = 0; i < cards; ++i)
        drag(s, s.Label2(i), s.Label1(i).geometry().center());
}

TwipPoint cornerOf(const Label& l) {
    return {l.Left(), l.Top()};
}

} // namespace

class ActivityScreensTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void playedThroughToTheResults_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<int>("cards");
        QTest::addColumn<bool>("swapTwo"); // cards 0 and 1 each on the other's slot
        QTest::addColumn<QString>("result");
        const QString full("Excellent work. You have scored %1 out of %1.");
        for (auto [name, n] : {std::pair{"moonord", 5}, {"caesarord", 6}, {"moonlab", 4}, {"caesar2lab", 6}})
            QTest::newRow(name) << QString(name) << n << false << full.arg(n);
        QTest::newRow("moonord, two swapped")
            << "moonord" << 5 << true << "Good work. You have scored 3 out of 5.";
    }
    // Also run with an empty data folder: every picture missing, the screen works on.
    void playedThroughToTheResults() {
        QFETCH(QString, screen);
        QFETCH(int, cards);
        QFETCH(bool, swapTwo);
        QFETCH(QString, result);
        SoundOnEnv env;
        ActivityScreen& s = openedFromItsHub(screen);
        QCOMPARE(s.Label6->Caption(), screen + " hub");
        QCOMPARE(Module1.ScoreOutOf, cards);
        Module1.ScoreOutOf = cards - 1; // another activity opened meanwhile leaves its own count behind
        // Set-up: the answer moved from slot to card, the home box under the card, cards on top.
        const QObjectList& stack = s.children();
        qsizetype lowestCard = stack.size();
        for (int i = 0; i < cards; ++i)
            lowestCard = std::min(lowestCard, stack.indexOf(&s.Label2(i)));
        for (QWidget* w : s.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (QStringList{"Label1", "Label3", "Label4", "Image1"}.contains(w->objectName()) ||
                w->objectName().startsWith("Line"))
                QVERIFY2(stack.indexOf(w) < lowestCard, qPrintable(w->objectName()));
        for (int i = 0; i < cards; ++i) {
            QVERIFY(s.Label1(i).Caption().isEmpty() && !s.Label2(i).Caption().isEmpty());
            QCOMPARE(s.Label4(i).geometry(), s.Label2(i).geometry());
            QVERIFY(!s.Label3(2).Visible());
            const int slot = swapTwo && i < 2 ? 1 - i : i;
            drag(s, s.Label2(i), s.Label1(slot).geometry().center());
            QCOMPARE(cornerOf(s.Label2(i)), cornerOf(s.Label1(slot)));
        }
        QVERIFY(s.Label3(2).Visible());
        QCOMPARE(env.sound->played.count("wav/thud3.wav"), cards);
        // Hover: none lit over the bare screen, then the button under the pointer.
        QTest::mouseMove(s.windowHandle(), QPoint(790, 590));
        QVERIFY(!s.Label3(0).Opaque() && !s.Label3(1).Opaque() && !s.Label3(2).Opaque());
        QTest::mouseMove(s.windowHandle(), s.Label3(1).geometry().center());
        QVERIFY(!s.Label3(0).Opaque() && s.Label3(1).Opaque() && !s.Label3(2).Opaque());
        clickControl(&s.Label3(2));
        QCOMPARE(Module1.ScoreOutOf, cards);
        QVERIFY(Module1.Welldone->isVisible() && s.isVisible()); // the activity stays open beneath
        QCOMPARE(Module1.Welldone->Label1->Caption(), result);
        // With the results still open, the last card moved home and "Check Score" again: counted
        // afresh, and the open results screen shows the new score.
        const int score = Module1.Score;
        s.Label2(cards - 1).Move(s.Label4(cards - 1).Left(), s.Label4(cards - 1).Top());
        s.Label3_Click(2);
        settle();
        QCOMPARE(Module1.Score, score - 1);
        QVERIFY(Module1.Welldone->Label1->Caption().endsWith(
            QString("scored %1 out of %2.").arg(score - 1).arg(cards)));
    }

    void zoneBoundaryWithThePointer() {
        SoundOnEnv env;
        ActivityScreen& s = shown("moonord");
        Label& card = s.Label2(0);
        // Card 0's corner lands at 15 * px - 1717.5: pixel 536 puts it on the left bound of the box
        // beside "1957" (8040 - 3435 / 2), which does not catch it; one pixel further does.
        drag(s, card, QPoint(536, 20));
        QCOMPARE(cornerOf(card), (TwipPoint{6322.5f, 20 * 15 - 427.5f}));
        QVERIFY(env.sound->played.isEmpty());
        drag(s, card, QPoint(537, 20));
        QCOMPARE(cornerOf(card), (TwipPoint{8040, 240}));
        QCOMPARE(env.sound->played, QStringList{"wav/thud3.wav"});
    }

    void rightButtonDropsButNeverDrags() {
        SoundOnEnv env;
        ActivityScreen& s = shown("moonord");
        Label& card = s.Label2(0);
        card.Move(8100, 300); // inside the zone of the box beside "1957", not yet dropped
        // Had it moved with the pointer, it would have left the zone.
        drag(s, card, card.geometry().center() + QPoint(-200, 150), Qt::RightButton);
        QCOMPARE(cornerOf(card), (TwipPoint{8040, 240}));
        QCOMPARE(env.sound->played, QStringList{"wav/thud3.wav"});
        // Both buttons held: no drag either.
        QTest::mousePress(s.windowHandle(), Qt::LeftButton, Qt::NoModifier, card.geometry().center());
        drag(s, card, QPoint(100, 500), Qt::RightButton);
        QTest::mouseRelease(s.windowHandle(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 500));
        QCOMPARE(cornerOf(card), (TwipPoint{8040, 240}));
    }

    void twoCardsOnOneSlotCompleteTheBoard() {
        SoundOnEnv env;
        ActivityScreen& s = shown("moonlab");
        placeAll(s, 3);
        QVERIFY(!s.Label3(2).Visible());
        // The last card onto slot 0, on top of card 0: four cards on slots, slot 3 empty.
        drag(s, s.Label2(3), s.Label1(0).geometry().center());
        QCOMPARE(cornerOf(s.Label2(3)), cornerOf(s.Label2(0)));
        QVERIFY(s.Label3(2).Visible());
        // The card on top is the one picked up again.
        drag(s, s.Label2(0), s.Label1(3).geometry().center());
        QCOMPARE(cornerOf(s.Label2(0)), cornerOf(s.Label1(0)));
        QCOMPARE(cornerOf(s.Label2(3)), cornerOf(s.Label1(3)));
        clickControl(&s.Label3(2));
        QCOMPARE(Module1.Score, 4);
    }

    // Then Exit: the score cleared and the screen unloaded.
    void cardOffTheScreenComesBackOnStartAgainAndTheButtonStays() {
        SoundOnEnv env;
        ActivityScreen& s = shown("caesar2lab");
        placeAll(s, 6);
        drag(s, s.Label2(2), QPoint(-300, 900)); // no bounds: off the left and bottom edges
        QVERIFY(s.Label2(2).Left() + s.Label2(2).Width() < 0 && s.Label2(2).Top() > 9000);
        QVERIFY(s.Label3(2).Visible());
        Module1.Score = 7;
        clickControl(&s.Label3(1));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(cornerOf(s.Label2(i)), cornerOf(s.Label4(i)));
        QVERIFY(!s.Label3(2).Visible());
        QCOMPARE(Module1.Score, 0);
        QCOMPARE(env.sound->played.last(), QString("wav/click.wav"));
        Module1.Score = 4;
        clickControl(&s.Label3(0));
        QCOMPARE(Module1.Score, 0);
        QCOMPARE(env.sound->played.count("wav/click.wav"), 2);
        settle();
        QVERIFY(!Module1.caesar2lab.isLoaded());
    }

    // Pictures, missing at first, and the code table: both made at load, and made again on the next
    // visit.
    void eachVisitLoadsPicturesAndBuildsTheCodeTable() {
        SoundOnEnv env; // an empty data folder
        for (bool pictures : {false, true}) {
            if (pictures) env.copyBundled("Images");
            CaesarLabelling& s = *Module1.caesar2lab;
            QCOMPARE(s.Image1->Picture().isNull(), !pictures);
            for (int i = 0; i < 4; ++i)
                QCOMPARE(Module1.moonlab->Image1(i).Picture().isNull(), !pictures);
            QString smalls, capitals;
            for (int i = 0; i < 26; ++i) {
                smalls += s.Label7(i).Caption();
                capitals += s.Label10(i).Caption();
            }
            QCOMPARE(smalls, QString("abcdefghijklmnopqrstuvwxyz"));
            QCOMPARE(capitals, QString("DEFGHIJKLMNOPQRSTUVWXYZABC"));
            QCOMPARE(s.Label10(25).Left(), 11235.0f); // 60 twips between letters
            Module1.caesar2lab.Unload();
            Module1.moonlab.Unload();
            settle();
        }
    }
};

QTEST_MAIN(ActivityScreensTest)
#include "tst_activityscreens.moc"
