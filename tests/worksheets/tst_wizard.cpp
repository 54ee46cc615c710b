// The Multiple Choice Wizard driven as a teacher drives it: typing, Enter, Tab, tick boxes and
// the two buttons; and genwork's checks in the order a teacher meets them.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "support/testenv.h"
#include "worksheets/wizardscreen.h"
#include "worksheets/worksheetstore.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QTest>

Q_DECLARE_METATYPE(WizardFields)

namespace {

// Notes how many sounds had been asked for when each message box opened.
struct MessagesNotingSounds : ScriptedMessages {
    std::shared_ptr<RecordingSound> sound;
    std::vector<int> soundsBefore;
    MsgResult show(const QString& text, MsgButtons buttons, const QString& title) override {
        soundsBefore.push_back(static_cast<int>(sound->played.size()));
        return ScriptedMessages::show(text, buttons, title);
    }
};

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

WizardScreen& shownWizard(TestEnv&, const WizardFields& fill = {}) {
    Module1.SoundOn = 1;
    WizardScreen& w = *Module1.wizard;
    w.Show();
    if (!QTest::qWaitForWindowActive(&w)) qWarning("the wizard did not become active");
    if (!fill.title.isEmpty()) {
        w.Text1->setText(fill.title);
        for (int i = 0; i < 10; ++i)
            w.Text2(i).setText(fill.questions[i]);
        for (int j = 0; j < 40; ++j) {
            w.Text3(j).setText(fill.answers[j]);
            w.Check1(j).setValue(fill.ticks[j]);
        }
    }
    return w;
}

QStringList filesIn(TestEnv& env) {
    return QDir(env.path("multiple")).entryList(QDir::Files);
}

} // namespace

class WizardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutFocusTabOrderAndLimits() {
        TestEnv env;
        WizardScreen& w = shownWizard(env);
        // Question 8 is in the right column, third row.
        QCOMPARE(w.Text3(4 * 7 + 2).twipRect().left, 720.0f + 5880);
        QCOMPARE(w.Text3(4 * 7 + 2).twipRect().top, 1560.0f + 2 * 1440);
        QCOMPARE(w.Label1(11).Caption(), QString("Question 10"));
        // Where the screen font runs wide, the number must not wrap out of sight.
        for (int i = 2; i <= 11; ++i)
            QVERIFY(QFontMetrics(w.Label1(i).font()).horizontalAdvance(w.Label1(i).Caption()) <
                    w.Label1(i).width());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Text1));
        QList<QWidget*> order;
        for (int i = 0; i < 10; ++i) {
            order << &w.Text2(i);
            for (int k = 0; k < 4; ++k)
                order << &w.Text3(4 * i + k) << &w.Check1(4 * i + k);
        }
        order << &w.Label3(1) << &w.Label3(0);
        for (QWidget* next : order << w.Text1) { // and round again
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
        // A character past a box's limit cannot be typed: title 25, question 60, answer 30.
        for (const auto& [box, limit] : {std::pair{w.Text1, 25}, {&w.Text2(7), 60}, {&w.Text3(30), 30}}) {
            box->setFocus();
            QTest::keyClicks(box, QString(limit, 'x') + "yz");
            QCOMPARE(box->Text(), QString(limit, 'x'));
        }
    }

    void genworkReportsTheFirstProblem_data() {
        QTest::addColumn<WizardFields>("fields");
        QTest::addColumn<QString>("message");
        const auto row = [](const char* name, const QString& message, auto change) {
            WizardFields f = completeFields();
            change(f);
            QTest::newRow(name) << f << message;
        };
        QTest::newRow("everything empty")
            << WizardFields{} << "You have not chosen a title for your worksheet";
        row("complete", QString(), [](WizardFields&) {});
        row("a blank is a title", QString(), [](WizardFields& f) { f.title = " "; });
        row("a blank answer counts", QString(), [](WizardFields& f) { f.answers[39] = " "; });
        row("question 4 empty", "You have not completed Question 4",
            [](WizardFields& f) { f.questions[3].clear(); });
        row("answer C empty beats two ticks", "You have not completed Question 3", [](WizardFields& f) {
            f.answers[4 * 2 + 2].clear();
            f.ticks[4 * 2] = f.ticks[4 * 2 + 1] = 1;
        });
        row("question 10 without a tick", "You have not ticked the correct answer for Question 10",
            [](WizardFields& f) { f.ticks[4 * 9 + 1] = 0; });
        row("two ticks", "You have ticked more than one correct answer for Question 6",
            [](WizardFields& f) { f.ticks[4 * 5 + 3] = 1; });
        row("questions in order", "You have not ticked the correct answer for Question 1",
            [](WizardFields& f) {
                f.questions[1].clear();
                f.ticks[0] = 0;
            });
    }
    void genworkReportsTheFirstProblem() {
        QFETCH(WizardFields, fields);
        QFETCH(QString, message);
        QCOMPARE(genworkProblem(fields).value_or(QString()), message);
    }

    void typedWorksheetWithEnterAfterEachFieldIsSaved() {
        TestEnv env;
        WizardScreen& w = shownWizard(env);
        // Type everything, Enter after each field, as a teacher does: a field out of its order would
        // leave another empty or put text where the file does not expect it.
        const auto type = [](const QString& text) {
            QTest::keyClicks(QApplication::focusWidget(), text);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        };
        type("Rome and Romans");
        for (int i = 0; i < 10; ++i) {
            type(QStringLiteral("Question %1, about Rome?").arg(i + 1));
            for (int k = 0; k < 4; ++k)
                type(QStringLiteral("Answer %1").arg(QChar('A' + k)));
        }
        QCOMPARE(QApplication::focusWidget(), &w.Text3(39)); // Enter in the last field stays there
        // Ticks last: a clicked box takes the focus, and a blank typed into it would toggle it. A box
        // clicked twice is clear again (else question 2 would have two ticks), and ticks are silent.
        clickControl(&w.Check1(4));
        clickControl(&w.Check1(4));
        for (int i = 0; i < 10; ++i)
            clickControl(&w.Check1(4 * i + (i + 1) % 4));
        clickControl(&w.Label3(1));
        QCOMPARE(env.messages->texts(), QStringList{"Your worksheet has been saved."});
        QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
        QCOMPARE(env.readFile("multiple/track.txt"), QByteArray(" 1 \r\nRome and Romans\r\n"));
        QVERIFY(LoadQuestionSet(worksheetFile("Rome and Romans")));
        QCOMPARE(Module1.QuestionText[10], QString("Question 10, about Rome?"));
        QCOMPARE(Module1.AnswerC[3], QString("Answer C"));
        QCOMPARE(Module1.CorrectAnswer[1], QString("2"));
        QCOMPARE(Module1.CorrectAnswer[4], QString("1"));
        // The wizard stays with its fields.
        QCOMPARE(w.Text1->Text(), QString("Rome and Romans"));
    }

    void refusedSaveWritesNothingAndClicksAfterTheMessage_data() {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QByteArray>("index");
        QTest::addColumn<QString>("message");
        QTest::newRow("a title reaching outside")
            << "../Rome" << QByteArray()
            << "The Worksheet Title cannot contain the character \"/\". Please choose another title.";
        QByteArray full = " 1000 \r\n";
        for (int i = 1; i <= 1000; ++i)
            full += "Sheet " + QByteArray::number(i) + "\r\n";
        QTest::newRow("a 1001st worksheet")
            << "Fractions" << full << "There was a problem saving your worksheet";
    }
    void refusedSaveWritesNothingAndClicksAfterTheMessage() {
        QFETCH(QString, title);
        QFETCH(QByteArray, index);
        QFETCH(QString, message);
        TestEnv env;
        auto noting = std::make_shared<MessagesNotingSounds>();
        noting->sound = env.sound;
        services().messages = noting;
        if (!index.isEmpty()) env.writeFile("multiple/track.txt", index);
        WizardFields f = completeFields();
        f.title = title;
        WizardScreen& w = shownWizard(env, f);
        clickControl(&w.Label3(1));
        QCOMPARE(noting->texts(), QStringList{message});
        QCOMPARE(noting->soundsBefore, std::vector<int>{0});
        QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
        QCOMPARE(filesIn(env), index.isEmpty() ? QStringList() : QStringList{"track.txt"});
        QCOMPARE(env.readFile("multiple/track.txt"), index);
        QCOMPARE(QDir(env.path("")).entryList(QDir::Files), QStringList());
        QCOMPARE(w.Text1->Text(), title); // the fields stay for the author to mend
    }

    void menuOpensItBlankAndExitDiscardsTheFields() {
        TestEnv env;
        MainMenu& menu = *Module1.intro0;
        menu.Show();
        clickControl(&menu.Label2(17));
        settle();
        QVERIFY(Module1.wizard.isLoaded() && Module1.wizard->isVisible());
        QVERIFY(menu.isVisible());
        QTest::keyClicks(Module1.wizard->Text1, "Fractions");
        clickControl(&Module1.wizard->Label3(0));
        settle();
        QVERIFY(!Module1.wizard.isLoaded());
        QVERIFY(env.messages->shown.empty());
        QCOMPARE(env.sound->played, (QStringList{"wav/click.wav", "wav/click.wav"}));
        QCOMPARE(filesIn(env), QStringList());
        QVERIFY(Module1.wizard->Text1->Text().isEmpty());
    }
};

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
