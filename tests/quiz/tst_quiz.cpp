// The quiz as a pupil or teacher meets it, driven by mouse clicks: marked, handed to the results
// and the wrong-answers list, practised, printed as a mistakes sheet and an answer key. Then every
// printed document: what any page must be (inside the page, centred where it is centred, in reading
// order), each document's own rules, and one recorded printout per document kept as a golden file
// in golden/; and the screens printing them, with their messages and failures. (A typed "&" is the
// store suite's; hand-edited sets are the reader's fuzz target's.)
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "quiz/certificatelayout.h"
#include "quiz/mistakessheetlayout.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/worksheetlayout.h"
#include "quiz/wronganswersscreen.h"
#include "records/classrecordscreen.h"
#include "records/records.h"
#include "records/recordsconfig.h"
#include "records/teacherpassword.h"
#include "support/golden.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/readingpages.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// Answers the question on screen (0 leaves it unanswered) and presses the right-hand button.
void answerAndGoOn(QuizScreen& quiz, int button) {
    if (button) clickControl(&quiz.Option1(button));
    clickControl(&quiz.Label3(QuizScreen::NextQuestion));
}

// The list's rows top to bottom, "-" for a hidden one: it must fill from the top with no gap.
QStringList wrongLines() {
    QStringList lines;
    for (int k = 0; k < 10; ++k)
        lines << (Module1.Wrong->Label2(k).Visible() ? Module1.Wrong->Label2(k).Caption() : "-");
    return lines;
}

constexpr Twips PageW = RecordingPrinter::PageWidth, PageH = RecordingPrinter::PageHeight;

// Where an operation inks the page: a text's box by the recording printer's measure, a line's ends.
QRectF box(const PrintOp& op) {
    if (op.kind != PrintOp::Text) return QRectF(QPointF(op.x1, op.y1), QPointF(op.x2, op.y2));
    return QRectF(op.x1, op.y1, RecordingPrinter::charWidth(op.points) * static_cast<Twips>(op.text.size()),
                  RecordingPrinter::lineHeight(op.points));
}

// The texts that show: a blank line prints nothing, and its height is in the next text's y.
std::vector<PrintOp> shownTexts(const RecordedPage& page) {
    std::vector<PrintOp> out;
    for (const PrintOp& op : page.ops)
        if (op.kind == PrintOp::Text && !op.text.trimmed().isEmpty()) out.push_back(op);
    return out;
}

QStringList printedTexts(const RecordedPage& page) {
    QStringList texts;
    for (const PrintOp& op : shownTexts(page))
        texts << op.text;
    return texts;
}

QString where(const PrintOp& op) {
    return QString("\"%1\" at %2,%3").arg(op.text).arg(op.x1).arg(op.y1);
}

// What any printed page must be: sent; every text, line and picture inside the printable page
// (only the texts in runOff may run past its right edge); the texts read top to bottom, left to
// right, no line of text over another; the texts in `centred` all there and centred. The layouts
// centre by the measure the recording printer keeps, so a centred text is off by float rounding
// at most: a twip.
void checkPage(const RecordedPage& page, const QStringList& centred, const QStringList& runOff = {}) {
    QVERIFY(page.ended && page.ops.back().kind == PrintOp::EndDoc);
    for (const PrintOp& op : page.ops) {
        if (op.kind == PrintOp::Text && op.text.trimmed().isEmpty()) continue; // prints nothing
        const QRectF b = box(op);
        QVERIFY2(b.left() >= 0 && b.top() >= 0 && b.bottom() <= PageH &&
                     (b.right() <= PageW || runOff.contains(op.text)),
                 qPrintable(where(op)));
    }
    const std::vector<PrintOp> texts = shownTexts(page);
    for (size_t i = 1; i < texts.size(); ++i) {
        const QRectF a = box(texts[i - 1]), b = box(texts[i]);
        QVERIFY2(b.top() == a.top() ? b.left() >= a.right() : b.top() >= a.bottom(),
                 qPrintable(where(texts[i - 1]) + " then " + where(texts[i])));
    }
    for (const QString& c : centred) {
        const auto t = std::ranges::find(texts, c, &PrintOp::text);
        QVERIFY2(t != texts.end(), qPrintable(c));
        QVERIFY2(std::abs(box(*t).center().x() - PageW / 2) <= 1, qPrintable(where(*t)));
    }
}

// Question i asks "Question text i?" with answers "ai" to "di"; question 3 has no answer C.
std::vector<WorksheetQuestion> worksheetQuestions() {
    std::vector<WorksheetQuestion> qs;
    for (int i = 1; i <= 10; ++i)
        qs.push_back({QString("Question text %1?").arg(i), QString("a%1").arg(i), QString("b%1").arg(i),
                      i == 3 ? QString() : QString("c%1").arg(i), QString("d%1").arg(i), (i - 1) % 4 + 1});
    return qs;
}

const QString Praise = "Excellent Work", Score = "You have scored 10 out of 10.";
const CertificateInput Certificate{.heading = "The Moon Landings", .name = "Amy", .score = 10, .outOf = 10};

// A class of two, three results, read by the Class Record screen as the teacher opens it.
void printClassRecord(const TestEnv& env) {
    setRecordsConfig({env.path("records.sqlite"), std::nullopt, hashTeacherPassword("chalk-dust", 1)});
    QList<ResultRecord> results;
    for (int score : {9, 6, 8}) { // Ann's, then two of Bob's
        QList<AnswerRecord> answers;
        for (int q = 1; q <= 10; ++q)
            answers << AnswerRecord{QString("Question text %1?").arg(q), q <= 10 - score ? "1" : "2", "2"};
        results << quizResult(QString::number(score), score == 9 ? "Ann Lee" : "Bob Ray", score, answers);
    }
    QVERIFY(addClassRecord(recordsConfig().localFile, "Oak", {"Ann Lee", "Bob Ray"}, results));
    ClassRecordScreen& screen = *Module1.classrecord;
    screen.Show();
    screen.Password->setText("chalk-dust");
    screen.unlock();
    QTRY_VERIFY(!screen.isLoading() && screen.record().pupils.size() == 2);
    screen.printRecord(*services().printer);
}

} // namespace

class QuizTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Marked on moving on, handed to the results and the list, practised until all right: the
    // results keep the quiz's score and the mistakes sheet its mistakes.
    void markingTheHandOverAndPractice() {
        TestEnv env;
        QuizScreen& run = openMoonQuiz(env, "Apollo");
        run.Label5->setCaption("Class 4 quiz"); // the heading travels to the printouts
        // 4 and 6 wrong, 1 and 10 unanswered; 4 is gone back to twice, to be marked right, then left
        // unticked, which is wrong again.
        for (int q = 1; q <= 10; ++q) {
            const int right = (q - 1) % 4 + 1; // the sample set's run A, B, C, D, A, ...
            answerAndGoOn(run, q == 1 || q == 10 ? 0 : q == 4 || q == 6 ? right % 4 + 1 : right);
            if (q == 4)
                for (int button : {right, 0}) {
                    clickControl(&run.Label3(QuizScreen::PreviousQuestion));
                    QVERIFY(run.Option1(QuizScreen::NoAnswer).Value()); // nothing ticked
                    answerAndGoOn(run, button);
                    QCOMPARE(Module1.QuestionMarks[4], button ? 1 : 0);
                }
        }
        // The questions missed, with the pupil's last answer and the right one.
        const std::tuple<int, QString, QString> missed[] = {{1, "none", "A. Answer 1A"},
                                                            {4, "none", "D. Answer 4D"},
                                                            {6, "C. Answer 6C", "B. Answer 6B"},
                                                            {10, "none", "B. Answer 10B"}};
        const QStringList lines = QStringList{" 1. Question text 1?", " 4. Question text 4?",
                                              " 6. Question text 6?", " 10. Question text 10?"} +
                                  QStringList(6, "-");
        QCOMPARE(wrongLines(), lines);
        ResultsScreen& results = *Module1.Welldone;
        // Its timed steps (the picture, the focus, the sound) over before the pupil clicks on.
        QTRY_VERIFY(!results.Timer1->Enabled() && !results.Timer2->Enabled() && !results.Timer3->Enabled());
        QVERIFY(!Module1.multiple.isLoaded() && !Module1.Wrong->isVisible());
        const QString score = "You have scored 6 out of 10.";
        QCOMPARE(results.Label1->Caption(), score);
        // (That it offers the wrong answers, not a certificate, is the practice check's.)
        clickControl(&results.Label3(ResultsScreen::WrongAnswersOrCertificate));
        WrongAnswersScreen& wrong = *Module1.Wrong;
        QCOMPARE(wrong.Label6->Caption(), QString("Apollo"));

        clickControl(&wrong.Label3(WrongAnswersScreen::PractiseAgain));
        QuizScreen& quiz = *Module1.multiple;
        QVERIFY(!quiz.Label3(QuizScreen::PrintWorksheet).isVisible() &&  // no printing,
                !quiz.Label3(QuizScreen::PreviousQuestion).isVisible()); // no going back
        // The walk through a round with one still wrong is the practice check's, on the real program.
        for (const auto& [q, yours, right] : missed) {
            QCOMPARE(quiz.Label4->Caption(), QString("Question %1").arg(q));
            // The answers stand in a new order, the right one still among them.
            const int button = quiz.practice->rightButton();
            QCOMPARE(quiz.Option1(button).Caption(), right.mid(3));
            clickControl(&quiz.Option1(button));
            clickControl(&quiz.Label3(QuizScreen::NextQuestion));
        }
        QCOMPARE(quiz.Label2->Caption(), QString("You now have 4 of 4 right."));
        clickControl(&quiz.Label3(QuizScreen::ExitButton)); // back to the results, the score as it was
        settle();
        QCOMPARE(results.Label1->Caption(), score);
        clickControl(&results.Label3(ResultsScreen::WrongAnswersOrCertificate)); // the list as it was
        QVERIFY(wrong.isVisible() && wrongLines() == lines);

        // The mistakes sheet lists the quiz's mistakes, not the practice's.
        results.Text1->setText("Amy");
        clickControl(&wrong.Label3(WrongAnswersScreen::PrintMistakes));
        QCOMPARE(env.messages->texts(), QStringList{"Your mistakes sheet is now printing."});
        QCOMPARE(env.printer->pages.size(), size_t(1));
        QStringList expected{"Class 4 quiz", "Apollo", "Amy", "Questions to look at again"};
        for (const auto& [q, yours, right] : missed)
            expected << QString("Question %1    Question text %1?").arg(q) << "Your answer: " + yours
                     << "Right answer: " + right;
        QCOMPARE(printedTexts(env.printer->pages[0]).mid(1), expected);
        clickControl(&wrong.Label3(WrongAnswersScreen::ExitButton)); // it closes the results too
        settle();
        QVERIFY(!Module1.Wrong.isLoaded() && !Module1.Welldone.isLoaded());
    }

    // Every way a set can be broken, and that a refused one leaves the tables as they were, is the
    // question-set fuzz target's; here, what the pupil sees when the set cannot be read.
    void missingSetKeepsTheHub() {
        TestEnv env;
        Module1.moon->Show();
        clickControl(&Module1.moon->Label3(TopicHub::MultipleChoice));
        QCOMPARE(env.messages->texts(), QStringList{"The questions for this topic could not be read."});
        QVERIFY(!Module1.multiple.isLoaded() && Module1.moon->isVisible());
    }

    // Asked for mid-quiz; the quiz carries on where it was.
    void answerKeyIsAskedForAndMarksTheRightAnswers() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env, "Moon quiz", 1);
        answerAndGoOn(quiz, 0);
        clickControl(&quiz.Option1(3));
        const auto marks = Module1.QuestionMarks;
        clickControl(&quiz.Label3(QuizScreen::PrintWorksheet)); // asks first
        clickControl(&quiz.Label3(QuizScreen::WithAnswerKey));
        QCOMPARE(env.messages->texts(), QStringList{"Your worksheet is now printing."});
        QCOMPARE(env.printer->pages.size(), size_t(2));
        QVERIFY(quiz.Option1(3).Value() && Module1.QuestionNumber == 2 && Module1.QuestionMarks == marks);
        const RecordedPage& key = env.printer->pages[1];
        QStringList keyTexts = printedTexts(key);
        QCOMPARE(keyTexts.takeAt(3), QString("Answer Key"));
        QCOMPARE(keyTexts, printedTexts(env.printer->pages[0])); // the same page otherwise
        QStringList red;                                         // the set's right answers, all A
        for (const PrintOp& op : key.ops)
            if (op.kind == PrintOp::Text && op.colour == Colours::Red) red << op.text.left(3);
        QCOMPARE(red, QStringList(10, "A. "));
    }

    // Every printed document, from a fixed input, on a printer that an earlier page left red: what
    // any page must be, and its golden recording, which pins every colour (black but for the key's
    // red marks) and every line of the certificate's frame.
    void documents_data() {
        QTest::addColumn<QString>("document");
        for (const char* d :
             {"certificate", "worksheet", "answer-key", "mistakes-sheet", "guide-page", "class-record"})
            QTest::newRow(d) << QString(d);
    }
    void documents() {
        QFETCH(QString, document);
        TestEnv env;
        Printer& printer = *services().printer;
        printer.ForeColor = Colours::Red;
        const auto questions = worksheetQuestions();
        const QStringList sheet{"Tellwyn", "Moon"};
        QStringList centred, runOff{worksheetHeaderLine("Tellwyn", PublisherName)};
        if (document == "certificate") {
            printCertificate(printer, Certificate);
            centred = QStringList{"Tellwyn", "The Moon Landings", Praise, "Amy", Score};
            runOff = QStringList{CertificateBanner + CertificateBanner};
        } else if (document == "worksheet") {
            printWorksheet(printer, "Tellwyn", "Moon", questions);
            centred = sheet;
        } else if (document == "answer-key") {
            printAnswerKey(printer, "Tellwyn", "Moon", questions);
            centred = sheet + QStringList{"Answer Key"};
        } else if (document == "mistakes-sheet") {
            std::vector<MissedQuestion> missed;
            for (int n : {2, 3, 7})
                missed.push_back(
                    {n, questions[n - 1].text, {"a", "b", "", "d"}, QString::number(n % 4 + 1), n % 3});
            printMistakesSheet(printer, "Tellwyn", "Moon", "Amy", missed);
            centred = sheet + QStringList{"Amy", "Questions to look at again"};
        } else if (document == "guide-page") {
            setDataFolder(bundledDataFolder());
            printPagePicture(printer, LoadPicture("wmf2\\guide1.wmf"));
        } else {
            printClassRecord(env);
        }
        QVERIFY(!env.printer->pages.empty());
        for (const RecordedPage& page : env.printer->pages)
            checkPage(page, centred, runOff);
        QString text = printoutText(*env.printer);
        text.replace(QDate::currentDate().toString(Qt::ISODate), "(today)"); // the class record's date
        const QString difference = goldenDifference("quiz/golden/" + document + ".txt", text);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // A heading measured on the results screen wider than a quarter of the page prints at 28 pt, not 36.
    void certificateHeadingSize() {
        for (const auto& [width, points] : {std::pair(PageW / 4, 36.0), std::pair(PageW / 4 + 1, 28.0)}) {
            const auto rec = std::make_shared<RecordingPrinter>();
            Printer printer(rec);
            CertificateInput in = Certificate;
            in.headingWidthOnScreen = width;
            printCertificate(printer, in);
            QCOMPARE(shownTexts(rec->pages.at(0)).at(2).points, points);
        }
    }

    // Printed from the screen: a certificate names what it was won at, not what an earlier quiz left,
    // and the screen measures its heading. (A topic's quiz named, in a PDF, is check-wm.sh's.)
    void certificateNamesWhatItIsFor() {
        const QString worksheet = "The Moon Landings and the Space Race of the Twentieth Century";
        for (const QString& heading : {QString("The Moon Landings: Timeline"), worksheet}) {
            TestEnv env;
            Module1.QuizHeading = "Tellwyn";
            if (heading == worksheet) {
                QuizScreen& quiz = openMoonQuiz(env, worksheet, 1);
                quiz.certificateHeading.clear(); // as the catalogue runs one
                for (int i = 0; i < 10; ++i)
                    answerAndGoOn(quiz, 1);
            } else {
                Module1.moon->Show();
                clickControl(&Module1.moon->Label3(TopicHub::OrderingActivity));
                MoonOrdering& s = *Module1.moonord;
                for (int i = 0; i < 5; ++i)
                    s.Label2(i).Move(s.Label1(i).Left(), s.Label1(i).Top());
                s.Label3_Click(ActivityScreen::CheckScore);
            }
            clickControl(&Module1.Welldone->Label3(ResultsScreen::WrongAnswersOrCertificate));
            QCOMPARE(env.messages->texts(), QStringList{"Your certificate is now printing."});
            const PrintOp title = shownTexts(env.printer->pages.at(0)).at(2);
            QCOMPARE(title.text, heading);
            QCOMPARE(title.points, heading == worksheet ? 28.0 : 36.0);
        }
    }

    // No printer, or a page that will not come out: one message, the printout's own, never "now
    // printing"; the screen stays as it was.
    void printFailuresAreToldAndChangeNothing() {
        for (bool noPrinter : {true, false}) {
            TestEnv env;
            if (noPrinter) services().printer.reset();
            env.printer->failOnEndDoc = !noPrinter;
            Module1.Score = Module1.ScoreOutOf = 6;
            ResultsScreen& results = *Module1.Welldone;
            results.Show();
            clickControl(&results.Label3(ResultsScreen::WrongAnswersOrCertificate));
            QCOMPARE(env.messages->texts(), QStringList{"There was a problem printing to your printer."});
            QCOMPARE(results.Label1->Caption(), QString("Excellent work. You have scored 6 out of 6."));
            for (const RecordedPage& page : env.printer->pages)
                QVERIFY(!page.ended);
        }
    }
};

QTEST_MAIN(QuizTest)
#include "tst_quiz.moc"
