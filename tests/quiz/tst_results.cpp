// The results screen: wording by score for the quiz and for the activities, the three one-shot
// steps, the celebration sound, the buttons, and the wrong-answers list it opens and closes.
#include "app/module1.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "support/testenv.h"

#include <QTest>

namespace {

enum class Caller { Quiz, Activity };

// The hand-off as each kind of caller performs it.
ResultsScreen& handOff(Caller caller, int score, int outOf) {
    Module1.Score = score;
    Module1.ScoreOutOf = outOf;
    ResultsScreen& results = *Module1.Welldone;
    if (caller == Caller::Quiz) {
        results.Label6->setVisible(false);
        results.Label5->setVisible(true);
        results.Label3(0).setVisible(true);
    }
    results.Show();
    return results;
}

// The visible texts of the screen, top to bottom, as a pupil reads them.
QStringList visibleTexts(ResultsScreen& r) {
    QStringList texts;
    for (Label* l : {&r.Label3(0), r.Label1, r.Label5, r.Label6, r.Label2})
        if (l->Visible()) texts << l->Caption();
    if (r.Text1->Visible()) texts << "[name box]";
    return texts;
}

void runTimers(ResultsScreen& r) {
    QTRY_VERIFY(!r.Timer1->Enabled() && !r.Timer2->Enabled() && !r.Timer3->Enabled());
}

const QString CheckHint = "Click the button above to check which questions you answered incorrectly.";
const QString NamePrompt = "Enter your name in the box above before printing your certificate";
const QString KeyFacts = "Read the Key Facts and try again.";

} // namespace

Q_DECLARE_METATYPE(Caller)

class ResultsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wording_data() {
        QTest::addColumn<Caller>("caller");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outOf");
        QTest::addColumn<QStringList>("texts");
        // The visible texts, top to bottom, joined by "|".
        const QString full = "Print Certificate|Excellent work. You have scored %1 out of %1.|";
        const auto row = [](const char* name, Caller c, int score, int outOf, const QString& texts) {
            QTest::newRow(name) << c << score << outOf << texts.split('|');
        };
        row("quiz 10/10", Caller::Quiz, 10, 10, full.arg(10) + "|" + NamePrompt + "|[name box]");
        row("quiz 8/10", Caller::Quiz, 8, 10,
            "Check Wrong Answers|Good work. You have scored 8 out of 10.|" + CheckHint);
        row("quiz 7/10", Caller::Quiz, 7, 10,
            "Check Wrong Answers|You have scored 7 out of 10.|" + CheckHint);
        row("activity 6/6", Caller::Activity, 6, 6, full.arg(6) + NamePrompt + "|[name box]");
        row("activity 3/5", Caller::Activity, 3, 5, "Good work. You have scored 3 out of 5.|" + KeyFacts);
        row("activity 2/5", Caller::Activity, 2, 5, "You have scored 2 out of 5.|" + KeyFacts);
    }
    void wording() {
        QFETCH(Caller, caller);
        QFETCH(int, score);
        QFETCH(int, outOf);
        QFETCH(QStringList, texts);
        TestEnv env;
        ResultsScreen& r = handOff(caller, score, outOf);
        QCOMPARE(visibleTexts(r), texts);
        QVERIFY(r.Label3(1).Visible());
    }

    void soundTable_data() {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("outOf");
        QTest::addColumn<double>("draw");
        QTest::addColumn<QString>("sound");
        QTest::newRow("10 low") << 10 << 10 << 0.0 << "wav/fanf2.wav";
        QTest::newRow("10 high") << 10 << 10 << 0.99 << "wav/fanf3.wav";
        QTest::newRow("9 first") << 9 << 10 << 0.2 << "wav/crowd.wav";
        QTest::newRow("9 last") << 9 << 10 << 0.9 << "wav/klaxon.wav";
        QTest::newRow("8 middle") << 8 << 10 << 0.34 << "wav/gong.wav";
        QTest::newRow("7 last") << 7 << 10 << 0.7 << "wav/whizz.wav";
        QTest::newRow("6 of 10") << 6 << 10 << 0.0 << "wav/clap3.wav";
        QTest::newRow("activity 6 of 6: raw score") << 6 << 6 << 0.5 << "wav/clown.wav";
        QTest::newRow("activity 5 of 5: none") << 5 << 5 << 0.5 << "";
        QTest::newRow("sound off") << 10 << 10 << 0.0 << "off";
    }
    void soundTable() {
        QFETCH(int, score);
        QFETCH(int, outOf);
        QFETCH(double, draw);
        QFETCH(QString, sound);
        TestEnv env;
        Module1.SoundOn = sound == "off" ? 0 : 1;
        env.random->values = {draw};
        runTimers(handOff(Caller::Activity, score, outOf));
        QCOMPARE(env.random->seeded, 1);
        QCOMPARE(env.sound->played, sound.isEmpty() || sound == "off" ? QStringList() : QStringList{sound});
    }

    void stepsRunOnceInOrder() {
        TestEnv env;
        env.copyBundled("Images/lunarmodulesm.jpg");
        Module1.SoundOn = 1;
        env.random->values = {0.0, 0.9};
        // No event runs between the steps below, so each timer's step is taken by hand, in turn.
        ResultsScreen& r = handOff(Caller::Quiz, 10, 10);
        QVERIFY(r.Timer1->Enabled() && !r.Timer2->Enabled() && !r.Timer3->Enabled());
        QVERIFY(r.Picture1->Picture().isNull());
        r.Form_MouseMove(0, 0, 20, 20); // the pointer crossed the bare screen: buttons dimmed

        r.Timer1->Tick();
        QVERIFY(!r.Picture1->Picture().isNull());
        QVERIFY(!r.Timer1->Enabled() && r.Timer2->Enabled() && !r.Timer3->Enabled());
        QVERIFY(r.focusWidget() != r.Text1);

        r.Timer2->Tick();
        QCOMPARE(r.focusWidget(), r.Text1);
        QVERIFY(r.Label3(0).Opaque() && r.Label3(1).Opaque());
        QVERIFY(!r.Timer2->Enabled() && r.Timer3->Enabled());
        QVERIFY(env.random->seeded == 0 && env.sound->played.isEmpty());

        r.Timer3->Tick();
        QVERIFY(!r.Timer3->Enabled());
        QCOMPARE(env.random->seeded, 1);
        QCOMPARE(env.sound->played, QStringList{"wav/fanf2.wav"});
        settle(50);
        QCOMPARE(env.sound->played.size(), 1); // each step runs once
    }

    void exitClosesTheListAndItself_data() {
        QTest::addColumn<bool>("fromList");
        QTest::addColumn<QStringList>("played");
        QTest::newRow("results' Exit clicks") << false << QStringList{"wav/click.wav", "wav/click.wav"};
        QTest::newRow("list's Exit is silent") << true << QStringList{"wav/click.wav"};
    }
    void exitClosesTheListAndItself() {
        QFETCH(bool, fromList);
        QFETCH(QStringList, played);
        TestEnv env;
        Module1.SoundOn = 1;
        ResultsScreen& r = handOff(Caller::Quiz, 3, 10);
        runTimers(r);
        env.sound->played.clear();
        clickControl(&r.Label3(0)); // "Check Wrong Answers"
        QVERIFY(Module1.Wrong->isVisible() && r.isVisible());
        QCOMPARE(Module1.Wrong->Label5->Caption(), KeyFacts);
        clickControl(fromList ? &Module1.Wrong->Label3(1) : &r.Label3(1));
        settle();
        QVERIFY(!Module1.Wrong.isLoaded());
        QVERIFY(!Module1.Welldone.isLoaded());
        QCOMPARE(env.sound->played, played);
    }
};

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
