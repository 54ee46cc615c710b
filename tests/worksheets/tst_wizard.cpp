// The Multiple Choice Wizard: its tick boxes, leaving it, genwork's checks, refused and contested saves.
// (A text too long for its box is the store suite's; typing and saving a worksheet on the real
// program, the install check's session; Tab order, the screens suite's.)
#include "app/module1.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetstore.h"

#include <QDir>
#include <QTest>

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

} // namespace

class WizardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A tick box takes a click on its letter and on the two pixels below it; the next pixel but one
    // is the box below's. (That the question numbers fit their boxes is the screenshot check's.)
    void tickBoxesTakeClicksAround() {
        TestEnv env;
        WizardScreen& w = *Module1.wizard;
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QRect a = w.Check1(0).geometry();
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(a.left() - 5, a.center().y()));
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(a.center().x(), a.bottom() + 2));
        QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, QPoint(a.center().x(), a.bottom() + 4));
        QCOMPARE((std::array{w.Check1(0).Value(), w.Check1(2).Value()}), (std::array{0, 1}));
    }

    // "Exit", Escape and the window manager's close leave an untouched wizard at once, and ask
    // before typed work is lost: Cancel keeps it.
    void leavingAsksBeforeTypedWorkIsLost() {
        TestEnv env;
        Module1.wizard->Show();
        clickControl(&Module1.wizard->Label3(WizardScreen::ExitButton));
        QVERIFY(!Module1.wizard.isLoaded() && env.messages->texts().isEmpty());
        const std::function<void(WizardScreen&)> leave[] = {
            [](WizardScreen& w) { clickControl(&w.Label3(WizardScreen::ExitButton)); },
            [](WizardScreen& w) { QTest::keyClick(&w.Text2(3), Qt::Key_Escape); },
            [](WizardScreen& w) { closeFromWindowManager(w); }};
        for (const auto& way : leave) {
            WizardScreen& w = *Module1.wizard;
            w.Show();
            QTest::keyClicks(&w.Text2(3), "Who?");
            env.messages->answers = {MsgResult::Cancel, MsgResult::OK};
            way(w);
            QVERIFY(Module1.wizard.isLoaded());
            way(w);
            QVERIFY(!Module1.wizard.isLoaded());
        }
        QCOMPARE(env.messages->texts(), QStringList(6, "Close this screen and lose what you have typed?"));
    }

    // The first problem a teacher meets, as more are made: a missing tick, then two ticks before it,
    // then an empty answer C before those, with three ticks.
    void genworkReportsTheFirstProblem() {
        WizardFields f = completeFields();
        f.ticks[4 * 9 + 1] = 0;
        QCOMPARE(genworkProblem(f).value_or(QString()),
                 "You have not ticked the correct answer for Question 10");
        f.ticks[4 * 5 + 3] = 1;
        QCOMPARE(genworkProblem(f).value_or(QString()),
                 "You have ticked more than one correct answer for Question 6");
        f.answers[4 * 2 + 2].clear();
        f.ticks[4 * 2] = f.ticks[4 * 2 + 1] = 1;
        QCOMPARE(genworkProblem(f).value_or(QString()), "You have not completed Question 3");
    }

    // A refused title writes nothing and stays for the teacher to mend. Another teacher saves, then
    // deletes, the worksheet this wizard has open: nothing is written until the teacher has chosen.
    // (A new title, and a blank wizard meeting a listed title, are the two-teachers check's.)
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
        w.Text1->setText("../Rome");
        clickControl(&w.Label3(WizardScreen::SaveWorksheet));
        QVERIFY(env.messages->texts().value(0).contains("cannot contain the character \"/\""));
        QCOMPARE(QDir(env.path("")).entryList(QDir::Files) +
                     QDir(env.path("multiple")).entryList(QDir::Files),
                 (QStringList{"Sheet 2.txt", "track.txt"}));
        QCOMPARE(w.Text1->Text(), QString("../Rome"));
        w.Text1->setText("Sheet 2");
        w.Text2(1).setText("Mine");
        theirs.questions[0].text = "Theirs";
        QVERIFY(saveWorksheet(theirs));
        const QByteArray kept = env.readFile("multiple/Sheet 2.txt");
        w.Label3_Click(WizardScreen::SaveWorksheet);
        QCOMPARE(env.readFile("multiple/Sheet 2.txt"), kept);
        w.Label3_Click(WizardScreen::SaveWorksheet);
        QVERIFY(env.readFile("multiple/Sheet 2.txt").contains("\r\nMine\r\n"));
        w.Label3_Click(WizardScreen::SaveWorksheet); // as this teacher left it: no question
        QVERIFY(delworksheet("Sheet 2"));
        w.Label3_Click(WizardScreen::SaveWorksheet);
        QCOMPARE(asked, (QList<int>{3, 3, 2}));
        QCOMPARE(env.readFile("multiple/track.txt"), indexBytes({"Sheet 1", "Sheet 3", "Sheet 2"}));
        QCOMPARE(env.messages->texts().mid(1), QStringList(3, "Your worksheet has been saved."));
        wizardDialogs().choose = nullptr; // it holds this case's locals
    }
};

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
