// The Multiple Choice Wizard's checks: its question numbers in sight, genwork's checks in the order
// a teacher meets them, a refused save. (A text longer than its box is the store faults suite's;
// opening it from the menu, typing a worksheet in with Enter and ticks, and saving it are the
// install check's session, on the real program; Tab order is tst_keyboard's.)
#include "app/module1.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QFontMetrics>
#include <QTest>

Q_DECLARE_METATYPE(WizardFields)

namespace {

WizardFields completeFields() {
    WizardFields f;
    f.title = "Fractions";
    for (int i = 0; i < 10; ++i) {
        f.questions[i] = QStringLiteral("Q%1").arg(i + 1);
        for (int k = 0; k < 4; ++k)
            f.answers[4 * i + k] = QStringLiteral("A%1%2").arg(i + 1).arg(k);
        f.ticks[4 * i + (i % 4)] = 1;
    }
    return f;
}

void fill(WizardScreen& w, const WizardFields& f) {
    w.Text1->setText(f.title);
    for (int j = 0; j < 40; ++j) {
        w.Text2(j / 4).setText(f.questions[j / 4]);
        w.Text3(j).setText(f.answers[j]);
        w.Check1(j).setValue(f.ticks[j]);
    }
}

} // namespace

class WizardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Where the screen font runs wide, the number must not wrap out of sight. A tick box takes
    // a click on its letter and on the two pixels below it; the next pixel but one is the box below's.
    void questionNumbersFitAndTickBoxesTakeClicksAround() {
        TestEnv env;
        WizardScreen& w = *Module1.wizard;
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (int i = 2; i <= 11; ++i)
            QVERIFY(QFontMetrics(w.Label1(i).font()).horizontalAdvance(w.Label1(i).Caption()) <
                    w.Label1(i).width());
        const QRect a = w.Check1(0).geometry();
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(a.left() - 5, a.center().y()));
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(a.center().x(), a.bottom() + 2));
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(a.center().x(), a.bottom() + 4));
        QCOMPARE((std::array{w.Check1(0).Value(), w.Check1(2).Value()}), (std::array{0, 1}));
    }

    // "Exit" leaves an untouched wizard at once, and asks before typed work is lost: Cancel keeps it.
    void exitAsksBeforeTypedWorkIsLost() {
        TestEnv env;
        WizardScreen& blank = *Module1.wizard;
        blank.Show();
        clickControl(&blank.Label3(0));
        QVERIFY(blank.isUnloaded() && env.messages->texts().isEmpty());
        WizardScreen& w = *Module1.wizard;
        w.Show();
        QTest::keyClicks(&w.Text2(3), "Who?");
        env.messages->answers = {MsgResult::Cancel};
        clickControl(&w.Label3(0));
        QCOMPARE(env.messages->texts(), QStringList{"Close this screen and lose what you have typed?"});
        QVERIFY(!w.isUnloaded());
        clickControl(&w.Label3(0));
        QVERIFY(w.isUnloaded());
    }

    void genworkReportsTheFirstProblem_data() {
        QTest::addColumn<WizardFields>("fields");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QString& message, auto change) {
            WizardFields f = completeFields();
            change(f);
            QTest::newRow(name) << f << message;
        };
        row("answer C empty beats two ticks", "You have not completed Question 3", [](WizardFields& f) {
            f.answers[4 * 2 + 2].clear();
            f.ticks[4 * 2] = f.ticks[4 * 2 + 1] = 1;
        });
        row("question 10 without a tick", "You have not ticked the correct answer for Question 10",
            [](WizardFields& f) { f.ticks[4 * 9 + 1] = 0; });
        row("two ticks", "You have ticked more than one correct answer for Question 6",
            [](WizardFields& f) { f.ticks[4 * 5 + 3] = 1; });
    }
    void genworkReportsTheFirstProblem() {
        QFETCH(WizardFields, fields);
        QFETCH(QString, message);
        QCOMPARE(genworkProblem(fields).value_or(QString()), message);
    }

    void refusedSaveWritesNothing() {
        TestEnv env;
        WizardScreen& w = *Module1.wizard;
        w.Show();
        WizardFields f = completeFields();
        f.title = "../Rome";
        fill(w, f);
        clickControl(&w.Label3(1));
        QCOMPARE(
            env.messages->texts(),
            QStringList{"The Worksheet Title cannot contain the character \"/\". A title may not hold any "
                        "of these characters: / \\ : * ? \" < > | , &. Please choose another title."});
        QCOMPARE(QDir(env.path("")).entryList(QDir::Files) +
                     QDir(env.path("multiple")).entryList(QDir::Files),
                 QStringList());
        QCOMPARE(w.Text1->Text(), QString("../Rome")); // the fields stay for the author to mend
    }

    // Another teacher saves, then deletes, the worksheet this wizard has open: nothing is written
    // until the teacher has chosen. (A new title, and a blank wizard meeting a listed title, are the
    // two-teachers check's, on two real programs.)
    void asksBeforeOverwritingAnotherTeachersWork() {
        TestEnv env;
        env.writeFile("multiple/track.txt", indexBytes(sheets(3)));
        QuestionSet theirs = sampleQuestionSet("Sheet 2");
        env.writeFile("multiple/Sheet 2.txt", textFileBytes(questionSetLines(theirs)));
        QList<int> asked, choices{2, 0, 0}; // go back; replace theirs; (deleted) save it again
        wizardDialogs().choose = [&](QWidget*, const QString&, const QStringList& buttons) {
            asked << static_cast<int>(buttons.size());
            return choices.takeFirst();
        };
        Module1.worksheets->Check1->setValue(1);
        Module1.worksheets->Label2_Click(2);
        WizardScreen& w = *Module1.wizard;
        w.Text2(1).setText("Mine");
        theirs.questions[0].text = "Theirs";
        QVERIFY(saveWorksheet(theirs));
        const QByteArray kept = env.readFile("multiple/Sheet 2.txt");
        w.Label3_Click(1);
        QCOMPARE(env.readFile("multiple/Sheet 2.txt"), kept);
        w.Label3_Click(1);
        QVERIFY(env.readFile("multiple/Sheet 2.txt").contains("\r\nMine\r\n"));
        w.Label3_Click(1); // as this teacher left it: no question
        QVERIFY(delworksheet("Sheet 2"));
        w.Label3_Click(1);
        QCOMPARE(asked, (QList<int>{3, 3, 2}));
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes({"Sheet 1", "Sheet 3", "Sheet 2"}));
        QCOMPARE(env.messages->texts(), QStringList(3, "Your worksheet has been saved."));
        wizardDialogs().choose = nullptr; // it holds this case's locals
    }
};

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
