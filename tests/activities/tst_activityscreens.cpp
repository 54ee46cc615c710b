// The drag-and-drop screens driven with a real pointer: presses, moves and releases at the pixels
// their twip positions map to. Each of the four is played to full marks in the real program, also
// at a projector's scale, by tests/app/check-xvfb-scale.sh; the drop rules are tst_dragboard's.
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
};

QTEST_MAIN(ActivityScreensTest)
#include "tst_activityscreens.moc"
