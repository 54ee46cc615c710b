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
class MessagesNotingSounds : public MessageBoxes {
public:
    MessagesNotingSounds(std::shared_ptr<MessageBoxes> inner, std::shared_ptr<RecordingSound> sound)
        : inner_(std::move(inner)), sound_(std::move(sound)) {}
    MsgResult show(const QString& text, MsgButtons buttons, const QString& title) override {
        soundsBefore.push_back(static_cast<int>(sound_->played.size()));
        return inner_->show(text, buttons, title);
    }
    std::vector<int> soundsBefore;

private:
    std::shared_ptr<MessageBoxes> inner_;
    std::shared_ptr<RecordingSound> sound_;
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

void fillFrom(WizardScreen& w, const WizardFields& f) {
    w.Text1->setText(f.title);
    for (int i = 0; i < 10; ++i)
        w.Text2(i).setText(f.questions[i]);
    for (int j = 0; j < 40; ++j) {
        w.Text3(j).setText(f.answers[j]);
        w.Check1(j).setValue(f.ticks[j]);
    }
}

WizardScreen& shownWizard() {
    WizardScreen& w = *Module1.wizard;
    w.Show();
    if (!QTest::qWaitForWindowActive(&w)) qWarning("the wizard did not become active");
    return w;
}

QWidget* fieldNamed(WizardScreen& w, const QString& name) {
    const int index = name.mid(name.indexOf('(') + 1).chopped(1).toInt();
    if (name.startsWith("Text1")) return w.Text1;
    if (name.startsWith("Text2")) return &w.Text2(index);
    return &w.Text3(index);
}

} // namespace

class WizardTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void controlsAsDesigned();
    void opensWithTheTitleFocusedAndTabsInOrder();
    void enterMovesToTheNextField_data();
    void enterMovesToTheNextField();
    void aCharacterPastTheLimitCannotBeTyped_data();
    void aCharacterPastTheLimitCannotBeTyped();
    void genworkReportsTheFirstProblem_data();
    void genworkReportsTheFirstProblem();
    void typedWorksheetIsSavedAndReadsBack();
    void emptyFormReportsOnlyTheTitleThenClicks();
    void tickBoxesOnlyToggle();
    void refusedTitleWritesNothing();
    void storeFailureIsReported_data();
    void storeFailureIsReported();
    void exitDiscardsTheFields();
    void menuOpensItBlankOverTheMenu();
};

void WizardTest::controlsAsDesigned() {
    TestEnv env;
    WizardScreen& w = *Module1.wizard;
    QCOMPARE(w.Text2.count(), 10);
    QCOMPARE(w.Text3.count(), 40);
    QCOMPARE(w.Check1.count(), 40);
    QCOMPARE(w.Label1(0).Caption(), QString("Multiple Choice Wizard"));
    QCOMPARE(w.Label1(1).Caption(), QString("Worksheet Title"));
    QCOMPARE(w.Label3(1).Caption(), QString("Save Worksheet"));
    QCOMPARE(w.Label3(0).Caption(), QString("Exit"));
    // Question 8 (right column, third row), answer C.
    const TwipRect c8 = w.Text3(4 * 7 + 2).twipRect();
    QCOMPARE(c8.left, 720.0f + 5880);
    QCOMPARE(c8.top, 1560.0f + 2 * 1440);
    QCOMPARE(w.Check1(4 * 7 + 3).twipRect().left, 3330.0f + 5880);
    QCOMPARE(w.Text2(4).twipRect().top, 840.0f + 4 * 1440);
    QCOMPARE(w.Label1(11).Caption(), QString("Question 10"));
    // At least as drawn, and wide enough that the number never wraps out of sight.
    QVERIFY(w.Label1(11).twipRect().width >= 1170.0f);
    QVERIFY(w.Label1(10).twipRect().width >= 1050.0f);
    for (int i = 2; i <= 11; ++i)
        QVERIFY(QFontMetrics(w.Label1(i).font()).horizontalAdvance(w.Label1(i).Caption()) <
                w.Label1(i).width());
    QCOMPARE(w.Text1->MaxLength(), 25);
    QCOMPARE(w.Text2(9).MaxLength(), 60);
    QCOMPARE(w.Text3(39).MaxLength(), 30);
    QCOMPARE(w.Text3(0).font().pointSizeF(), 9.75);
    QCOMPARE(w.Text2(0).font().pointSizeF(), 12.0);
    QCOMPARE(w.Check1(17).palette().color(QPalette::Window), RGB(0, 78, 152));
    QCOMPARE(w.Caption(), QString("Tellwyn"));
    for (int j = 0; j < 40; ++j)
        QVERIFY(w.Text3(j).Text().isEmpty() && w.Check1(j).Value() == 0);
}

void WizardTest::opensWithTheTitleFocusedAndTabsInOrder() {
    TestEnv env;
    Module1.SoundOn = 1;
    WizardScreen& w = shownWizard();
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.Text1));
    QList<QWidget*> expected;
    for (int i = 0; i < 10; ++i) {
        expected << &w.Text2(i);
        for (int k = 0; k < 4; ++k)
            expected << &w.Text3(4 * i + k);
    }
    for (int j = 0; j < 40; ++j)
        expected << &w.Check1(j);
    expected << w.Text1; // and round again
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void WizardTest::enterMovesToTheNextField_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("title to question 1") << "Text1"
                                         << "Text2(0)";
    QTest::newRow("question 4 to its answer A") << "Text2(3)"
                                                << "Text3(12)";
    QTest::newRow("answer A to B") << "Text3(0)"
                                   << "Text3(1)";
    QTest::newRow("answer C to D") << "Text3(22)"
                                   << "Text3(23)";
    QTest::newRow("answer D of question 5 to question 6") << "Text3(19)"
                                                          << "Text2(5)";
    QTest::newRow("answer D of question 10 stays") << "Text3(39)"
                                                   << "Text3(39)";
}

void WizardTest::enterMovesToTheNextField() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    TestEnv env;
    Module1.SoundOn = 1;
    WizardScreen& w = shownWizard();
    QWidget* start = fieldNamed(w, from);
    start->setFocus();
    QTest::keyClicks(start, "ab");
    QTest::keyClick(start, Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), fieldNamed(w, to));
    // Nothing is refused or replaced on the way.
    QCOMPARE(static_cast<TextBox*>(start)->Text(), QString("ab"));
    QVERIFY(env.messages->shown.empty());
}

void WizardTest::aCharacterPastTheLimitCannotBeTyped_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("limit");
    QTest::newRow("title") << "Text1" << 25;
    QTest::newRow("question") << "Text2(7)" << 60;
    QTest::newRow("answer") << "Text3(30)" << 30;
}

void WizardTest::aCharacterPastTheLimitCannotBeTyped() {
    QFETCH(QString, field);
    QFETCH(int, limit);
    TestEnv env;
    Module1.SoundOn = 1;
    WizardScreen& w = shownWizard();
    auto* box = static_cast<TextBox*>(fieldNamed(w, field));
    box->setFocus();
    QTest::keyClicks(box, QString(limit, 'x') + "yz");
    QCOMPARE(box->Text(), QString(limit, 'x'));
}

void WizardTest::genworkReportsTheFirstProblem_data() {
    QTest::addColumn<WizardFields>("fields");
    QTest::addColumn<QString>("message");
    QTest::newRow("complete") << completeFields() << QString();
    QTest::newRow("everything empty") << WizardFields{} << "You have not chosen a title for your worksheet";
    WizardFields f = completeFields();
    f.title = " ";
    QTest::newRow("a blank is a title") << f << QString();
    f = completeFields();
    f.questions[3].clear();
    QTest::newRow("question 4 empty") << f << "You have not completed Question 4";
    f = completeFields();
    f.answers[4 * 2 + 2].clear();
    f.ticks[4 * 2] = 1;
    f.ticks[4 * 2 + 1] = 1;
    QTest::newRow("answer C empty beats two ticks") << f << "You have not completed Question 3";
    f = completeFields();
    f.ticks[4 * 9 + 1] = 0;
    QTest::newRow("question 10 without a tick")
        << f << "You have not ticked the correct answer for Question 10";
    f = completeFields();
    f.ticks[4 * 5 + 3] = 1;
    QTest::newRow("two ticks") << f << "You have ticked more than one correct answer for Question 6";
    f = completeFields();
    f.questions[1].clear();
    f.ticks[4 * 0] = 0;
    QTest::newRow("questions in order") << f << "You have not ticked the correct answer for Question 1";
    f = completeFields();
    f.answers[39] = " ";
    QTest::newRow("a blank answer counts") << f << QString();
}

void WizardTest::genworkReportsTheFirstProblem() {
    QFETCH(WizardFields, fields);
    QFETCH(QString, message);
    QCOMPARE(genworkProblem(fields).value_or(QString()), message);
}

void WizardTest::typedWorksheetIsSavedAndReadsBack() {
    TestEnv env;
    Module1.SoundOn = 1;
    WizardScreen& w = shownWizard();
    // Type everything, Enter after each field, as a teacher does.
    QTest::keyClicks(QApplication::focusWidget(), "Rome and Romans");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    for (int i = 0; i < 10; ++i) {
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Question %1, about Rome?").arg(i + 1));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        for (int k = 0; k < 4; ++k) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Answer %1").arg(QChar('A' + k)));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
    }
    // Ticks last: a clicked box takes the focus, and a blank typed into it would toggle it.
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
    QVERIFY(Module1.wizard.isLoaded());
    QCOMPARE(w.Text1->Text(), QString("Rome and Romans"));
}

void WizardTest::emptyFormReportsOnlyTheTitleThenClicks() {
    TestEnv env;
    auto noting = std::make_shared<MessagesNotingSounds>(env.messages, env.sound);
    services().messages = noting;
    Module1.SoundOn = 1;
    WizardScreen& w = shownWizard();
    clickControl(&w.Label3(1));
    QCOMPARE(env.messages->texts(), QStringList{"You have not chosen a title for your worksheet"});
    QCOMPARE(noting->soundsBefore, std::vector<int>{0}); // the click follows the message
    QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
    QCOMPARE(QDir(env.path("multiple")).entryList(QDir::Files), QStringList());
}

void WizardTest::tickBoxesOnlyToggle() {
    TestEnv env;
    Module1.SoundOn = 1;
    WizardScreen& w = shownWizard();
    clickControl(&w.Check1(4));
    clickControl(&w.Check1(5));
    QCOMPARE(w.Check1(4).Value(), 1);
    QCOMPARE(w.Check1(5).Value(), 1);
    clickControl(&w.Check1(4));
    QCOMPARE(w.Check1(4).Value(), 0);
    QCOMPARE(w.Check1(5).Value(), 1);
    QVERIFY(env.sound->played.isEmpty());
}

void WizardTest::refusedTitleWritesNothing() {
    TestEnv env;
    Module1.SoundOn = 1;
    WizardScreen& w = shownWizard();
    fillFrom(w, completeFields());
    w.Text1->clear();
    QTest::keyClicks(w.Text1, "../Rome");
    clickControl(&w.Label3(1));
    QCOMPARE(
        env.messages->texts(),
        QStringList{"The Worksheet Title cannot contain the character \"/\". Please choose another title."});
    QCOMPARE(QDir(env.path("multiple")).entryList(QDir::Files), QStringList());
    QCOMPARE(QDir(env.path("")).entryList(QDir::Files), QStringList());
    QCOMPARE(w.Text1->Text(), QString("../Rome"));
}

void WizardTest::storeFailureIsReported_data() {
    QTest::addColumn<QByteArray>("index");
    QByteArray full = " 1000 \r\n";
    for (int i = 1; i <= 1000; ++i)
        full += "Sheet " + QByteArray::number(i) + "\r\n";
    QTest::newRow("a 1001st worksheet") << full;
    QTest::newRow("an index without a count") << QByteArray("Fractions\r\n");
}

void WizardTest::storeFailureIsReported() {
    QFETCH(QByteArray, index);
    TestEnv env;
    env.writeFile("multiple/track.txt", index);
    WizardScreen& w = shownWizard();
    fillFrom(w, completeFields());
    clickControl(&w.Label3(1));
    QCOMPARE(env.messages->texts(), QStringList{"There was a problem saving your worksheet"});
    QCOMPARE(QDir(env.path("multiple")).entryList(QDir::Files), QStringList{"track.txt"});
    QCOMPARE(env.readFile("multiple/track.txt"), index);
    QVERIFY(Module1.wizard.isLoaded());
}

void WizardTest::exitDiscardsTheFields() {
    TestEnv env;
    Module1.SoundOn = 1;
    WizardScreen& w = shownWizard();
    fillFrom(w, completeFields());
    clickControl(&w.Label3(0));
    settle();
    QVERIFY(!Module1.wizard.isLoaded());
    QVERIFY(env.messages->shown.empty());
    QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
    QCOMPARE(QDir(env.path("multiple")).entryList(QDir::Files), QStringList());
    QVERIFY(Module1.wizard->Text1->Text().isEmpty());
}

void WizardTest::menuOpensItBlankOverTheMenu() {
    TestEnv env;
    MainMenu& menu = *Module1.intro0;
    menu.Show();
    clickControl(&menu.Label2(17));
    settle();
    QVERIFY(Module1.wizard.isLoaded());
    QVERIFY(Module1.wizard->isVisible());
    QVERIFY(Module1.intro0.isLoaded() && menu.isVisible());
    QVERIFY(Module1.wizard->Text1->Text().isEmpty());
    QCOMPARE(env.sound->played, QStringList{"wav/click.wav"});
}

QTEST_MAIN(WizardTest)
#include "tst_wizard.moc"
