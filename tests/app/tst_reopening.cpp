// A screen opened again while it is still open starts afresh instead of showing stale state.
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "quiz/resultsscreen.h"
#include "support/testenv.h"
#include "topics/guideviewer.h"
#include "topics/notesviewer.h"
#include "topics/topichub.h"

#include <QTest>

class ReopeningTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void checkScoreAgainShowsTheNewScore();
    void guideReopenedStartsAtPageOne();
    void keyFactsAfterAcknowledgmentsShowsNoLogos();
};

void ReopeningTest::checkScoreAgainShowsTheNewScore() {
    TestEnv env;
    MoonOrdering& activity = *Module1.moonord;
    activity.Show();
    // Every card on its own slot: full marks.
    for (int i = 0; i < 5; ++i)
        activity.Label2(i).Move(activity.Label1(i).Left(), activity.Label1(i).Top());
    activity.Label3(2).setVisible(true);
    activity.Label3_Click(2);
    QCOMPARE(Module1.Welldone->Label1->Caption(), QString("Excellent work. You have scored 5 out of 5."));
    // The results screen stays open; the pupil moves a card off and presses Check Score again.
    activity.Label2(0).Move(activity.Label4(0).Left(), activity.Label4(0).Top());
    activity.Label3_Click(2);
    settle();
    QCOMPARE(Module1.Welldone->Label1->Caption(), QString("Good work. You have scored 4 out of 5."));
}

void ReopeningTest::guideReopenedStartsAtPageOne() {
    TestEnv env;
    MainMenu& menu = *Module1.intro0;
    menu.Label2_Click(20);
    GuideViewer* first = &*Module1.guide;
    first->Label3_Click(2);
    first->Label3_Click(2);
    QCOMPARE(Module1.PageNumber, 3);
    menu.Label2_Click(20);
    settle();
    GuideViewer& guide = *Module1.guide;
    QCOMPARE(Module1.PageNumber, 1);
    QCOMPARE(guide.Label1->Caption(), QString("Page 1 of 4"));
    QVERIFY(!guide.Label3(3).isEnabled());
    QVERIFY(guide.Label3(2).isEnabled());
}

void ReopeningTest::keyFactsAfterAcknowledgmentsShowsNoLogos() {
    TestEnv env;
    Module1.intro0->Label2_Click(19);
    QVERIFY(Module1.teacher->Timer1->Enabled());
    Module1.moon->Label3_Click(4);
    settle();
    NotesViewer& viewer = *Module1.teacher;
    QVERIFY(!viewer.Timer1->Enabled());
    QVERIFY(!viewer.Picture1->Visible());
    QVERIFY(!viewer.Picture2->Visible());
    QCOMPARE(viewer.BackColor(), RGB(39, 63, 137));
}

QTEST_MAIN(ReopeningTest)
#include "tst_reopening.moc"
