// The four drag-and-drop screens driven with a real pointer: presses, moves and releases at the
// pixels their twip positions map to.
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
    if (name == "moonlab") return *Module1.moonlab;
    return *Module1.caesar2lab;
}

ActivityScreen& shown(const QString& name) {
    ActivityScreen& screen = activity(name);
    screen.Show();
    if (!QTest::qWaitForWindowExposed(&screen)) qWarning("window not exposed");
    return screen;
}

// Press on the card's middle, one move to `to`, release there.
void drag(Form& form, Label& card, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
    QWindow* w = form.windowHandle();
    QTest::mousePress(w, button, Qt::NoModifier, card.geometry().center());
    QTest::mouseMove(w, to);
    QTest::mouseRelease(w, button, Qt::NoModifier, to);
}

void dragInto(Form& form, Label& card, const Label& box) {
    drag(form, card, box.geometry().center());
}

TwipPoint cornerOf(const Label& l) {
    return {l.Left(), l.Top()};
}

void addScreens() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("cards");
    for (auto [name, n] : {std::pair{"moonord", 5}, {"caesarord", 6}, {"moonlab", 4}, {"caesar2lab", 6}})
        QTest::newRow(name) << QString(name) << n;
}

int stackPlace(const QWidget* w) {
    return w->parentWidget()->children().indexOf(const_cast<QWidget*>(w));
}

} // namespace

class ActivityScreensTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void openingState_data() { addScreens(); }
    void openingState();
    void cardsLieAboveTheBoard_data() { addScreens(); }
    void cardsLieAboveTheBoard();
    void everyCardInItsBoxScoresFull_data() { addScreens(); }
    void everyCardInItsBoxScoresFull();
    void twoSwappedScoreThreeOutOfFive();
    void snapExampleOnTheMoonTimeline();
    void zoneBoundaryWithThePointer();
    void rightButtonDropsButNeverDrags();
    void twoCardsOnOneSlotCompleteTheBoard();
    void buttonStaysOnceShown();
    void cardOffTheScreenComesBackOnStartAgain();
    void exitUnloadsAndTheNextVisitStartsAfresh();
    void hubsOpenTheirActivitiesTitled();
    void hoverLightsTheButtonUnderThePointer();
    void codeTable();
    void picturesLoadAndMissingOnesStayEmpty();
    void foreignCardCountNeverReachesPastTheCards();
};

void ActivityScreensTest::openingState() {
    QFETCH(QString, screen);
    QFETCH(int, cards);
    SoundOnEnv env;
    ActivityScreen& s = activity(screen);
    QCOMPARE(Module1.ScoreOutOf, cards);
    QCOMPARE(s.Label2.count(), cards);
    QStringList texts;
    for (int i = 0; i < cards; ++i) {
        const Label& slot = s.Label1(i);
        QVERIFY(slot.Caption().isEmpty());
        QVERIFY(!slot.Opaque());
        QVERIFY(slot.Border());
        QVERIFY(slot.Visible());
        QVERIFY(s.Label2(i).Visible());
        QVERIFY(s.Label4(i).Visible());
        QVERIFY(!s.Label4(i).Opaque());
        const TwipRect card = s.Label2(i).twipRect(), home = s.Label4(i).twipRect();
        QCOMPARE(home.left, card.left);
        QCOMPARE(home.top, card.top);
        QCOMPARE(home.width, card.width);
        QCOMPARE(home.height, card.height);
        texts << s.Label2(i).Caption();
    }
    QVERIFY(!s.Label3(2).Visible());
    QVERIFY(s.Label3(0).Visible() && s.Label3(1).Visible());
    QCOMPARE(s.Caption(), QString("Tellwyn"));
    QCOMPARE(s.BackColor(), RGB(39, 63, 137));

    const QHash<QString, QStringList> expected{
        {"moonord",
         {"The first manned spacecraft travelled to the Moon.",
          "The Soviet Union launched the world's first satellite - sputnik.",
          "This year was set as the target for sending Americans to the Moon by President Kennedy.",
          "Yuri Gagarin became the first person to travel into space.",
          "Two astronausts from Apollo 11 landed on the Moon."}},
        {"caesarord",
         {"Caesar was chosen to organize Games and festivals.", "Gaius Julius Caesar was born. ",
          "Pompey was murdered and Caesar was made dictator for life.",
          "Caesar was forced to flee from Rome.", "Caesar refused an order to disband his army.",
          "Caesar was murdered by a group of prominent Senators."}},
        {"moonlab",
         {"Command Module", "Service and Command Modules", "Lunar Module", "Apollo Saturn V Launch Vehicle"}},
        {"caesar2lab", {"Empire", "Caesar", "Venus", "Roman", "Legion", "Diana"}},
    };
    QCOMPARE(texts, expected[screen]);
}

void ActivityScreensTest::cardsLieAboveTheBoard() {
    QFETCH(QString, screen);
    QFETCH(int, cards);
    SoundOnEnv env;
    ActivityScreen& s = activity(screen);
    int lowestCard = INT_MAX;
    for (int i = 0; i < cards; ++i)
        lowestCard = std::min(lowestCard, stackPlace(&s.Label2(i)));
    QList<QWidget*> below;
    for (int i = 0; i < cards; ++i)
        below << &s.Label1(i) << &s.Label4(i);
    for (QWidget* w : s.findChildren<QWidget*>())
        if (qobject_cast<QWidget*>(w) && (w->objectName() == "Image1" || w->objectName().startsWith("Line") ||
                                          w->objectName() == "Label3"))
            below << w;
    for (QWidget* w : below)
        QVERIFY2(stackPlace(w) < lowestCard, qPrintable(w->objectName()));
}

void ActivityScreensTest::everyCardInItsBoxScoresFull() {
    QFETCH(QString, screen);
    QFETCH(int, cards);
    SoundOnEnv env;
    ActivityScreen& s = shown(screen);
    for (int i = 0; i < cards; ++i) {
        QVERIFY(!s.Label3(2).Visible());
        dragInto(s, s.Label2(i), s.Label1(i));
        QCOMPARE(cornerOf(s.Label2(i)), cornerOf(s.Label1(i)));
    }
    QVERIFY(s.Label3(2).Visible());
    QCOMPARE(env.sound->played.count("wav/thud3.wav"), cards);
    clickControl(&s.Label3(2));
    QCOMPARE(Module1.Score, cards);
    QCOMPARE(Module1.ScoreOutOf, cards);
    ResultsScreen* results = Module1.Welldone.ifLoaded();
    QVERIFY(results && results->isVisible());
    QCOMPARE(results->Label1->Caption(), QString("Excellent work. You have scored %1 out of %1.").arg(cards));
    QVERIFY(results->Label3(0).Visible());
    QVERIFY(s.isVisible()); // stays open beneath the results
}

void ActivityScreensTest::twoSwappedScoreThreeOutOfFive() {
    SoundOnEnv env;
    ActivityScreen& s = shown("moonord");
    dragInto(s, s.Label2(0), s.Label1(1));
    dragInto(s, s.Label2(1), s.Label1(0));
    for (int i = 2; i < 5; ++i)
        dragInto(s, s.Label2(i), s.Label1(i));
    QVERIFY(s.Label3(2).Visible());
    clickControl(&s.Label3(2));
    QCOMPARE(Module1.Score, 3);
    ResultsScreen& results = *Module1.Welldone;
    QCOMPARE(results.Label1->Caption(), QString("Good work. You have scored 3 out of 5."));
    QVERIFY(results.Label6->Visible());
    QVERIFY(!results.Label3(0).Visible());
    // Back on the activity, each press counts afresh.
    clickControl(&results.Label3(1));
    settle();
    clickControl(&s.Label3(2));
    QCOMPARE(Module1.Score, 3);
    QVERIFY(Module1.Welldone->isVisible());
}

void ActivityScreensTest::snapExampleOnTheMoonTimeline() {
    SoundOnEnv env;
    ActivityScreen& s = *Module1.moonord;
    Label& card = s.Label2(0); // starts at (240, 6000), 3435 x 855
    // Moves that put the corner at (6400, 300), then at (6300, 300).
    s.Label2_MouseMove(0, LeftButton, 0, 6400 - 240 + 1717.5f, 300 - 6000 + 427.5f);
    QCOMPARE(cornerOf(card), (TwipPoint{6400, 300}));
    s.Label2_MouseUp(0, LeftButton, 0, 0, 0);
    QCOMPARE(cornerOf(card), (TwipPoint{8040, 240}));
    QCOMPARE(env.sound->played, QStringList{"wav/thud3.wav"});

    s.Label2_MouseMove(0, LeftButton, 0, 6300 - 8040 + 1717.5f, 300 - 240 + 427.5f);
    QCOMPARE(cornerOf(card), (TwipPoint{6300, 300}));
    s.Label2_MouseUp(0, LeftButton, 0, 0, 0);
    QCOMPARE(cornerOf(card), (TwipPoint{6300, 300}));
    QCOMPARE(env.sound->played.size(), 1);
}

void ActivityScreensTest::zoneBoundaryWithThePointer() {
    SoundOnEnv env;
    ActivityScreen& s = shown("moonord");
    Label& card = s.Label2(0);
    // Card 0's corner lands at 15 * px - 1717.5: pixel 536 puts it on the left bound of the box
    // beside "1957" (8040 - 3435 / 2), which does not catch it.
    drag(s, card, QPoint(536, 20));
    QCOMPARE(cornerOf(card), (TwipPoint{6322.5f, 20 * 15 - 427.5f}));
    QVERIFY(env.sound->played.isEmpty());
    // From there, one pixel further right is inside.
    drag(s, card, QPoint(537, 20));
    QCOMPARE(cornerOf(card), (TwipPoint{8040, 240}));
    QCOMPARE(env.sound->played, QStringList{"wav/thud3.wav"});
}

void ActivityScreensTest::rightButtonDropsButNeverDrags() {
    SoundOnEnv env;
    ActivityScreen& s = shown("moonord");
    Label& card = s.Label2(0);
    QWindow* w = s.windowHandle();
    // Put it down inside the zone of the box beside "1957" without a drop.
    card.Move(8100, 300);
    const QPoint start = card.geometry().center();
    QTest::mousePress(w, Qt::RightButton, Qt::NoModifier, start);
    QTest::mouseMove(w, start + QPoint(-200, 150));
    QCOMPARE(cornerOf(card), (TwipPoint{8100, 300}));
    QTest::mouseRelease(w, Qt::RightButton, Qt::NoModifier, start + QPoint(-200, 150));
    QCOMPARE(cornerOf(card), (TwipPoint{8040, 240}));
    QCOMPARE(env.sound->played, QStringList{"wav/thud3.wav"});

    // Both buttons held: no drag either.
    QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, card.geometry().center());
    QTest::mousePress(w, Qt::RightButton, Qt::NoModifier, card.geometry().center());
    QTest::mouseMove(w, QPoint(100, 500));
    QCOMPARE(cornerOf(card), (TwipPoint{8040, 240}));
    QTest::mouseRelease(w, Qt::RightButton, Qt::NoModifier, QPoint(100, 500));
    QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(100, 500));
    QCOMPARE(cornerOf(card), (TwipPoint{8040, 240}));
}

void ActivityScreensTest::twoCardsOnOneSlotCompleteTheBoard() {
    SoundOnEnv env;
    ActivityScreen& s = shown("moonlab");
    for (int i = 0; i < 3; ++i)
        dragInto(s, s.Label2(i), s.Label1(i));
    QVERIFY(!s.Label3(2).Visible());
    // The last card onto slot 0, on top of card 0: four cards on slots, slot 3 empty.
    dragInto(s, s.Label2(3), s.Label1(0));
    QCOMPARE(cornerOf(s.Label2(3)), cornerOf(s.Label2(0)));
    QVERIFY(s.Label3(2).Visible());
    // The card on top is the one picked up again.
    dragInto(s, s.Label2(0), s.Label1(3));
    QCOMPARE(cornerOf(s.Label2(0)), cornerOf(s.Label1(0)));
    QCOMPARE(cornerOf(s.Label2(3)), cornerOf(s.Label1(3)));
    clickControl(&s.Label3(2));
    QCOMPARE(Module1.Score, 4);
}

void ActivityScreensTest::buttonStaysOnceShown() {
    SoundOnEnv env;
    ActivityScreen& s = shown("caesarord");
    for (int i = 0; i < 6; ++i)
        dragInto(s, s.Label2(i), s.Label1(i));
    QVERIFY(s.Label3(2).Visible());
    drag(s, s.Label2(4), QPoint(300, 250)); // onto Label8, far from every box
    QVERIFY(s.Label3(2).Visible());
    clickControl(&s.Label3(2));
    QCOMPARE(Module1.Score, 5);
}

void ActivityScreensTest::cardOffTheScreenComesBackOnStartAgain() {
    SoundOnEnv env;
    ActivityScreen& s = shown("caesar2lab");
    for (int i = 0; i < 6; ++i)
        dragInto(s, s.Label2(i), s.Label1(i));
    QVERIFY(s.Label3(2).Visible());
    drag(s, s.Label2(2), QPoint(-300, 900));
    QVERIFY(s.Label2(2).Left() + s.Label2(2).Width() < 0);
    QVERIFY(s.Label2(2).Top() > 9000);
    QVERIFY(s.Label3(2).Visible());
    Module1.Score = 7;
    clickControl(&s.Label3(1));
    for (int i = 0; i < 6; ++i)
        QCOMPARE(cornerOf(s.Label2(i)), cornerOf(s.Label4(i)));
    QVERIFY(!s.Label3(2).Visible());
    QCOMPARE(Module1.Score, 0);
    QCOMPARE(env.sound->played.last(), QString("wav/click.wav"));
}

void ActivityScreensTest::exitUnloadsAndTheNextVisitStartsAfresh() {
    SoundOnEnv env;
    ActivityScreen& s = shown("moonord");
    dragInto(s, s.Label2(0), s.Label1(0));
    Module1.Score = 4;
    clickControl(&s.Label3(0));
    QCOMPARE(Module1.Score, 0);
    QCOMPARE(env.sound->played.last(), QString("wav/click.wav"));
    settle();
    QVERIFY(!Module1.moonord.isLoaded());
    ActivityScreen& again = *Module1.moonord;
    QCOMPARE(cornerOf(again.Label2(0)), (TwipPoint{240, 6000}));
    QVERIFY(again.Label1(0).Caption().isEmpty());
}

void ActivityScreensTest::hubsOpenTheirActivitiesTitled() {
    SoundOnEnv env;
    Module1.moon->Show();
    Module1.moon->Label1->setCaption("Moon title");
    clickControl(&Module1.moon->Label3(3));
    QVERIFY(Module1.moonord->isVisible());
    QCOMPARE(Module1.moonord->Label6->Caption(), QString("Moon title"));
    QCOMPARE(Module1.ScoreOutOf, 5);
    clickControl(&Module1.moon->Label3(1));
    QVERIFY(Module1.moonlab->isVisible());
    QCOMPARE(Module1.moonlab->Label6->Caption(), QString("Moon title"));
    QCOMPARE(Module1.ScoreOutOf, 4);

    Module1.caesar->Show();
    clickControl(&Module1.caesar->Label3(3));
    QCOMPARE(Module1.caesarord->Label6->Caption(), QString("Julius Caesar"));
    QVERIFY(Module1.caesarord->isVisible());
    clickControl(&Module1.caesar->Label3(1));
    QCOMPARE(Module1.caesar2lab->Label6->Caption(), QString("Julius Caesar"));
    QVERIFY(Module1.caesar2lab->isVisible());
    QCOMPARE(Module1.ScoreOutOf, 6);
}

void ActivityScreensTest::hoverLightsTheButtonUnderThePointer() {
    SoundOnEnv env;
    ActivityScreen& s = shown("moonord");
    for (int i = 0; i < 5; ++i)
        dragInto(s, s.Label2(i), s.Label1(i));
    QVERIFY(s.Label3(2).Opaque());
    QTest::mouseMove(s.windowHandle(), QPoint(790, 590)); // bare screen
    for (int i = 0; i < 3; ++i)
        QVERIFY(!s.Label3(i).Opaque());
    QTest::mouseMove(s.windowHandle(), s.Label3(1).geometry().center());
    QVERIFY(s.Label3(1).Opaque());
    QVERIFY(!s.Label3(0).Opaque() && !s.Label3(2).Opaque());
}

void ActivityScreensTest::codeTable() {
    SoundOnEnv env;
    CaesarLabelling& s = *Module1.caesar2lab;
    QCOMPARE(s.Label7.count(), 26);
    QCOMPARE(s.Label10.count(), 26);
    QString smalls, capitals;
    for (int i = 0; i < 26; ++i) {
        QCOMPARE(s.Label7(i).Left(), Twips(360 + 435 * i));
        QCOMPARE(s.Label10(i).Left(), Twips(360 + 435 * i));
        QCOMPARE(s.Label7(i).Top(), 2160.0f);
        QCOMPARE(s.Label10(i).Top(), 2640.0f);
        QCOMPARE(s.Label10(i).Width(), 375.0f);
        QVERIFY(s.Label7(i).Visible() && s.Label10(i).Visible());
        QVERIFY(s.Label10(i).Border() && s.Label10(i).Opaque());
        QVERIFY(!s.Label7(i).Border() && !s.Label7(i).Opaque());
        QCOMPARE(s.Label10(i).font(), s.Label10(0).font());
        smalls += s.Label7(i).Caption();
        capitals += s.Label10(i).Caption();
    }
    QCOMPARE(smalls, QString("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(capitals, QString("DEFGHIJKLMNOPQRSTUVWXYZABC"));
    QCOMPARE(s.Label10(25).Left(), 11235.0f);

    // Built again from the design elements on the next visit.
    Module1.caesar2lab.Unload();
    settle();
    QCOMPARE(Module1.caesar2lab->Label7.count(), 26);
}

void ActivityScreensTest::picturesLoadAndMissingOnesStayEmpty() {
    {
        SoundOnEnv env; // an empty data folder
        MoonLabelling& s = *Module1.moonlab;
        for (int i = 0; i < 4; ++i)
            QVERIFY(s.Image1(i).Picture().isNull());
        QVERIFY(Module1.caesar2lab->Image1->Picture().isNull());
        QCOMPARE(Module1.caesar2lab->Image1->Width(), 2250.0f);
    }
    SoundOnEnv env;
    env.copyBundled("Images");
    MoonLabelling& s = *Module1.moonlab;
    for (int i = 0; i < 4; ++i) {
        QVERIFY(!s.Image1(i).Picture().isNull());
        QVERIFY(s.Image1(i).Stretch());
    }
    QCOMPARE(s.Image1(1).Width(), 3630.0f);
    ImageBox& picture = *Module1.caesar2lab->Image1;
    QVERIFY(!picture.Picture().isNull());
    QVERIFY(!picture.Stretch());
    QCOMPARE(picture.Width(), Twips(picture.Picture().sizeTwips().width()));
}

void ActivityScreensTest::foreignCardCountNeverReachesPastTheCards() {
    SoundOnEnv env;
    ActivityScreen& s = shown("moonlab");
    // A quiz opened meanwhile leaves its own count behind.
    Module1.ScoreOutOf = 10;
    for (int i = 0; i < 4; ++i)
        dragInto(s, s.Label2(i), s.Label1(i));
    QVERIFY(s.Label3(2).Visible());
    clickControl(&s.Label3(2));
    QCOMPARE(Module1.Score, 4);
    QCOMPARE(Module1.Welldone->Label1->Caption(), QString("Excellent work. You have scored 4 out of 4."));
    clickControl(&s.Label3(1));
    QCOMPARE(cornerOf(s.Label2(3)), cornerOf(s.Label4(3)));
}

QTEST_MAIN(ActivityScreensTest)
#include "tst_activityscreens.moc"
