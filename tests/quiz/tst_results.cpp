// The results screen: wording by score for the quiz and for the activities. (Its timed steps,
// ending with the focus in the name box, are walked by the keyboard check on the real program,
// which types a name there and prints the certificate; the wrong-answers list it opens, and whose
// Exit closes both, is the practice suite's.)
#include "app/module1.h"
#include "quiz/resultsscreen.h"
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
    }
};

QTEST_MAIN(ResultsTest)
#include "tst_results.moc"
