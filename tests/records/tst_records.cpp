// The class record: its tables, class lists, queries, export, the queue to a server, the teacher's
// password, and the screens that keep the class list, choose a pupil and show the record.
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "app/titlescreen.h"
#include "menu/mainmenu.h"
#include "quiz/resultsscreen.h"
#include "records/classrecordscreen.h"
#include "records/recorder.h"
#include "records/recordhooks.h"
#include "records/recordsdb.h"
#include "records/teacherpassword.h"
#include "records/whoareyouscreen.h"
#include "support/samples.h"
#include "support/testenv.h"

#include <QBuffer>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTest>

namespace {

int rows(QSqlDatabase& db, const QString& table) {
    QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM ") + table, db);
    return q.next() ? q.value(0).toInt() : -1;
}

} // namespace

class RecordsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        // The teacher's password goes into a settings file of this run's own.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(config_.path() + "/none"));
    }

    void namesFromText() {
        const std::pair<QString, QStringList> cases[] = {
            {"Ann Lee\r\n\r\n  Bob   Ray \nAnn Lee\n", {"Ann Lee", "Bob Ray"}}, // blanks, repeats
            {"Forename;Surname;Class\nAnn;Lee;4\nBob;\"Ray\";4\n", {"Ann Lee", "Bob Ray"}},
            {"Lee, Ann\nRay, Bob\n", {"Lee, Ann", "Ray, Bob"}}}; // a comma in a plain list
        for (const auto& [text, names] : cases)
            QCOMPARE(::namesFromText(text), names);
    }

    // The tables carry their version, and a newer one is left alone.
    void classRecordQueriesEraseExportAndSchema() {
        TestEnv env;
        const QString file = env.path("r/records.sqlite");
        RecordsConnection c;
        QVERIFY(!c.openLocal(file, false, 50) && !QFileInfo::exists(file));
        QVERIFY2(c.openLocal(file, true, 50), qPrintable(c.error()));
        QCOMPARE(recordsSchemaVersion(c.db()), RecordsSchemaVersion);
        QString error;
        QCOMPARE(addPupils(c.db(), " Oak ", {"Ann", "Bob", "=Cy", "Ann"}, &error), 3);
        QCOMPARE(addPupils(c.db(), "Oak", {"Ann", "Dee"}, &error), 1);
        QVERIFY(!renamePupil(c.db(), "Oak", "Dee", "Ann", &error));
        const AnswerRecord right{"Who walked first?", "Armstrong", "Armstrong"};
        const AnswerRecord wrong{"Which year?", "1970", "1969"};
        // Bob ticked nothing once: a blank answer, kept and counted as wrong. =Cy's result comes
        // twice and is kept once.
        for (const ResultRecord& r :
             {quizResult("1", "Ann", 6, {right, wrong}), quizResult("2", "Ann", 9, {right, right}),
              quizResult("3", "Bob", 3, {wrong, {"Which moon?", QString(), "Ours"}}),
              quizResult("4", "=Cy", 8, {right, wrong}), quizResult("4", "=Cy", 8, {right, wrong})})
            QVERIFY(insertResult(c.db(), r, &error));
        QVERIFY(renamePupil(c.db(), "Oak", "Dee", "Dee Ray", &error));

        ClassRecord rec = loadClassRecord(c.db(), "Oak", &error);
        QCOMPARE(rec.pupils, (QStringList{"=Cy", "Ann", "Bob", "Dee Ray"}));
        QCOMPARE(rec.columns, QStringList{"The Moon Landings: Quiz"});
        const GridCell ann = rec.cells.value(ClassRecord::cellKey("Ann", rec.columns[0]));
        QCOMPARE((std::tuple{ann.best, ann.outOf, ann.attempts, ann.last}),
                 (std::tuple{9, 10, 2, quizResult("2", "Ann", 9, {}).ended}));
        QCOMPARE(rec.mostMissed.size(), 2);
        QCOMPARE((std::tuple{rec.mostMissed[0].question, rec.mostMissed[0].pupilsWrong,
                             rec.mostMissed[0].pupilsAnswered, rec.mostMissed[1].question}),
                 (std::tuple{QString("Which year?"), 3, 3, QString("Which moon?")}));
        const QList<ResultRecord> history = pupilHistory(c.db(), "Oak", "Ann", &error);
        QCOMPARE(history.size(), 2);
        QVERIFY(history[0].answers.isEmpty() && history[1].answers.size() == 1);
        QCOMPARE(history[1].answers[0].given, QString("1970"));

        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QVERIFY(exportResultsCsv(c.db(), "Oak", csv, &error));
        const QList<QByteArray> lines = csv.data().split('\n');
        QCOMPARE(lines.size(), 6);
        QCOMPARE(lines[1], QByteArray("\"'=Cy\",\"Oak\",\"The Moon Landings\",\"Quiz\",8,10,"
                                      "\"2026-12-07T09:00:00.000Z\",\"2026-12-07T09:05:08.000Z\"\r"));
        QCOMPARE(csvField("say \"hi\""), QString("\"say \"\"hi\"\"\""));

        QVERIFY(erasePupil(c.db(), "Oak", "Ann", &error));
        QCOMPARE((std::pair{rows(c.db(), "results"), rows(c.db(), "answers")}), (std::pair{2, 4}));
        QVERIFY(!pupilNames(c.db(), "Oak").contains("Ann"));
        QVERIFY(eraseClass(c.db(), "Oak", &error));
        for (const char* table : {"results", "answers", "pupils", "classes"})
            QCOMPARE(rows(c.db(), table), 0);

        QSqlQuery(QStringLiteral("UPDATE records_schema SET version = 99"), c.db());
        c.close();
        // Refused, and refused again: the first refusal changed nothing.
        QVERIFY(!c.openLocal(file, false, 50) && c.error().contains("newer Tellwyn"));
        QVERIFY(!c.openLocal(file, false, 50));
    }

    // A server that is away keeps results in the queue; once back, each arrives once, also one the
    // server already had when the program died between sending it and taking it off the queue.
    void queuedResultsReachTheServerOnce() {
        TestEnv env;
        RecordsConfig config{env.path("queue.sqlite"), ServerSettings{}, {}};
        config.server->driver = "QSQLITE";
        config.server->database = env.path("server/missing/records.sqlite");
        setRecordsConfig(config);
        Recorder::instance().choosePupil({"Oak", "Ann"});
        for (int i = 0; i < 3; ++i)
            QVERIFY(Recorder::instance().record(quizResult({}, {}, i, {})));
        QString error;
        QCOMPARE(sendQueuedResults(config, &error), -1);
        QVERIFY(!error.isEmpty());
        error.clear();

        QDir().mkpath(env.path("server/missing"));
        RecordsConnection server, local;
        QVERIFY(server.openServer(*config.server) && local.openLocal(config.localFile, false, 50));
        QCOMPARE(addPupils(server.db(), "Oak", {"Ann", "Bob"}, &error), 2);
        QVERIFY(insertResult(server.db(), oldestResults(local.db(), 1).at(0), &error));
        QCOMPARE((std::pair{sendQueuedResults(config, &error), error}), (std::pair{3, QString()}));
        QCOMPARE((std::pair{rows(server.db(), "results"), rows(local.db(), "results")}), (std::pair{3, 0}));
        // The server's class list is what "Who are you?" offers on this machine.
        QCOMPARE(localPupilNames("Oak"), (QStringList{"Ann", "Bob"}));
    }

    void teacherPasswordIsASlowSaltedHash() {
        QCOMPARE(pbkdf2Sha256("password", "salt", 2, 32).toHex(),
                 QByteArray("ae4d0c95af6b46d32d0adff928f06dd02a303f8ef3c251dfd6e2d85a95474c43"));
        const QString stored = hashTeacherPassword("owl-pellet", 1000);
        QVERIFY(!stored.contains("owl-pellet") && stored != hashTeacherPassword("owl-pellet", 1000));
        QVERIFY(checkTeacherPassword("owl-pellet", stored) && !checkTeacherPassword("owl-pelle", stored));
        QVERIFY(!checkTeacherPassword("owl-pellet", "pbkdf2-sha256$999999999$AA==$AA=="));
    }

    // From the title screen: without a class nothing changes and nothing is made; with one, a pupil
    // picks her name, finishes an activity, and the teacher finds it.
    void aPupilsResultReachesTheClassRecord() {
        TestEnv env;
        Module1.Titlefrm->Show();
        clickControl(Module1.Titlefrm->Command1);
        QVERIFY(Module1.intro0.isLoaded() && !Module1.whoareyou.isLoaded());
        Module1.Score = Module1.ScoreOutOf = 5;
        recordActivityResult(*Module1.moonord);
        QVERIFY(!QFileInfo::exists(recordsConfig().localFile));
        Module1.intro0.Unload();
        const QString records = recordsConfig().localFile;
        QVERIFY(addClassRecord(records, "Oak", sheets(17)) && addClassRecord(records, "Ash", {"Zed"}));
        // Reached by Return, the first name shows its focus ring before any other key.
        Module1.Titlefrm->Show();
        QVERIFY(QTest::qWaitForWindowActive(&*Module1.Titlefrm));
        QTest::keyClick(Module1.Titlefrm->Command1, Qt::Key_Return);
        WhoAreYouScreen& who = *Module1.whoareyou;
        QVERIFY(who.isVisible() && !Module1.intro0.isLoaded());
        QTRY_VERIFY(who.focusWidget() == &who.Names(0) && focusRing(&who));
        QCOMPARE(who.ClassName->Caption(), QString("Ash"));
        clickControl(&who.Label3(WhoAreYouScreen::ChangeClass));
        QCOMPARE(who.ClassName->Caption(), QString("Oak"));
        QVERIFY(!who.Names(2).isHidden() && who.Label3(WhoAreYouScreen::NextPage).Visible() &&
                !who.Label3(WhoAreYouScreen::PreviousPage).Visible());
        clickControl(&who.Label3(WhoAreYouScreen::NextPage));
        QVERIFY(who.Names(1).Caption() == "Sheet 9" && who.Names(2).isHidden()); // the last name
        clickControl(&who.Names(1));
        QVERIFY(Module1.intro0->isVisible());

        Module1.moonord->Show();
        Module1.moonord->Label3(ActivityScreen::CheckScore).show();
        clickControl(&Module1.moonord->Label3(ActivityScreen::CheckScore));
        const QString cell = QString("%1/%2,").arg(Module1.Score).arg(Module1.ScoreOutOf);
        QCOMPARE(Module1.Welldone->Text1->Text(), QString("Sheet 9"));

        ClassRecordScreen& screen = *Module1.classrecord;
        screen.Show();
        QTest::keyClicks(screen.Password, "chalk-dust");
        QTest::keyClicks(screen.Password2, "chalk-dust");
        clickControl(&screen.Label3(ClassRecordScreen::OpenRecord));
        QVERIFY(checkTeacherPassword("chalk-dust", storedTeacherPassword()));
        QTRY_COMPARE(screen.ClassName->Caption(), QString("Ash"));
        clickControl(&screen.Label3(ClassRecordScreen::ChangeClass));
        QTRY_COMPARE(screen.Grid->rowCount(), 17);
        QTRY_COMPARE(screen.Grid->item(16, 0)->text().left(4), cell);

        env.messages->answers = {MsgResult::Cancel, MsgResult::OK};
        screen.choosePupil("Sheet 9");
        QTRY_VERIFY(!screen.isLoading());
        clickControl(&screen.Label3(ClassRecordScreen::ErasePupil));
        QCOMPARE(screen.record().pupils.size(), 17);
        clickControl(&screen.Label3(ClassRecordScreen::ErasePupil));
        QTRY_COMPARE(screen.Grid->rowCount(), 16);
        QVERIFY(screen.record().cells.isEmpty());
    }

    // The teacher makes a class on its screen: names typed and from a file, one renamed, one taken
    // off after a question.
    void aTeacherKeepsTheClassList() {
        TestEnv env;
        storeTeacherPassword("chalk-dust");
        ClassRecordScreen& screen = *Module1.classrecord;
        screen.Show();
        QTest::keyClicks(screen.Password, "chalk-dust");
        QTest::keyClick(screen.Password, Qt::Key_Return);
        QTRY_VERIFY(!screen.isLoading());
        clickControl(&screen.Label3(ClassRecordScreen::ClassList));
        ClassListScreen& list = *screen.classList;
        QVERIFY(list.isVisible());
        auto press = [&list](ClassListScreen::Label3Index button) { clickControl(&list.Label3(button)); };
        press(ClassListScreen::AddNames);
        QTest::keyClicks(list.ClassBox, "Year 4 Oak");
        QTest::keyClicks(list.NewNames, "Bob Ray");
        QTest::keyClick(list.NewNames, Qt::Key_Return);
        QTest::keyClicks(list.NewNames, "Ann Lee");
        press(ClassListScreen::AddNames);
        QTRY_COMPARE(list.Pupils->count(), 2);
        QVERIFY(list.NewNames->toPlainText().isEmpty());
        env.writeFile("office.csv", "UPN,Name\nA1,Cy Dee\nA2,Ann Lee\n");
        classListDialogs().chooseNamesFile = [&env](QWidget*) { return env.path("office.csv"); };
        press(ClassListScreen::FromFile);
        QTRY_COMPARE(list.Status->Caption(),
                     QString("Added 1 of 2 names to Year 4 Oak: the others were on the list already."));
        auto choose = [&list](const QString& name) {
            const QListWidgetItem* item = list.Pupils->findItems(name, Qt::MatchExactly).value(0);
            QVERIFY(item);
            QTest::mouseClick(list.Pupils->viewport(), Qt::LeftButton, {},
                              list.Pupils->visualItemRect(item).center());
        };
        classListDialogs().newName = [](QWidget*, const QString&) { return QString("Ann Leigh"); };
        choose("Ann Lee");
        press(ClassListScreen::Rename);
        QTRY_COMPARE(list.Status->Caption(), QString("Ann Lee is now Ann Leigh."));
        env.messages->answers = {MsgResult::Cancel, MsgResult::OK};
        choose("Bob Ray");
        press(ClassListScreen::Remove);
        QVERIFY(!list.isBusy());
        press(ClassListScreen::Remove);
        QTRY_COMPARE(list.Pupils->count(), 2);
        const QStringList shown = env.messages->texts();
        QCOMPARE(shown.size(), 3);
        QVERIFY(shown[0].startsWith("Type the class's name first"));
        QVERIFY(shown[2].contains("Results already kept stay"));
        RecordsConnection c;
        QVERIFY(c.openLocal(recordsConfig().localFile, false, 50));
        QCOMPARE(pupilNames(c.db(), "Year 4 Oak"), (QStringList{"Ann Leigh", "Cy Dee"}));
        press(ClassListScreen::ExitButton);
        QTRY_COMPARE(screen.ClassName->Caption(), QString("Year 4 Oak"));
        QCOMPARE(screen.Grid->rowCount(), 2);
    }

private:
    QTemporaryDir config_;
};

QTEST_MAIN(RecordsTest)
#include "tst_records.moc"
