// The certificate and the worksheet printout: exact layouts on the recording printer (twips,
// fonts, sizes, colours, order), and the results and quiz screens printing them with their
// messages and failures.
#include "app/module1.h"
#include "platform/files.h"
#include "quiz/certificatelayout.h"
#include "quiz/questionset.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/worksheetlayout.h"
#include "support/samples.h"
#include "support/testenv.h"
#include "topics/topichub.h"

#include <QTest>

namespace {

// The recording printer: 11520 x 15840 twips; a character is points x 10 twips wide and a line
// points x 23 twips high.
const QColor Blue(0, 0, 255), Red(255, 0, 0), Navy(0, 0, 128), Black(0, 0, 0);

struct Text {
    QString text;
    Twips x, y;
    QColor colour;
    double points;
};

std::vector<PrintOp> opsOf(const RecordingPrinter& printer, PrintOp::Kind kind) {
    std::vector<PrintOp> out;
    for (const PrintOp& op : printer.pages.at(0).ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

QString described(const QString& text, Twips x, Twips y, const QColor& c, double points,
                  const QString& font) {
    return QString("\"%1\" at %2,%3 %4 %5pt %6").arg(text).arg(x).arg(y).arg(c.name()).arg(points).arg(font);
}

void compareTexts(const RecordingPrinter& printer, const std::vector<Text>& expected) {
    QStringList got, want;
    for (const PrintOp& op : opsOf(printer, PrintOp::Text))
        got << described(op.text, op.x1, op.y1, op.colour, op.points, op.fontName);
    for (const Text& t : expected)
        want << described(t.text, t.x, t.y, t.colour, t.points, "Times New Roman");
    QCOMPARE(got, want);
}

// Prints a certificate on a fresh recording printer.
std::shared_ptr<RecordingPrinter> printed(const CertificateInput& in) {
    auto rec = std::make_shared<RecordingPrinter>();
    Printer printer(rec);
    printCertificate(printer, in);
    return rec;
}

CertificateInput moonCertificate() {
    return {.heading = "The Moon Landings",
            .headingWidthOnScreen = 1000,
            .name = "Amy",
            .score = 10,
            .outOf = 10};
}

std::vector<WorksheetQuestion> tenQuestions() {
    std::vector<WorksheetQuestion> qs;
    for (int i = 1; i <= 10; ++i)
        qs.push_back({QString("Question text %1?").arg(i), QString("a%1").arg(i), QString("b%1").arg(i),
                      QString("c%1").arg(i), QString("d%1").arg(i)});
    return qs;
}

// The moon quiz open on question 1, every right answer being A.
QuizScreen& openMoonQuiz(TestEnv& env) {
    env.writeFile("multiple/The Moon Landings.txt",
                  textFileBytes(questionSetLines(sampleQuestionSet("Moon quiz", 1))));
    Module1.moon->Show();
    clickControl(&Module1.moon->Label3(0));
    return *Module1.multiple;
}

} // namespace

class PrintoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void certificateLayout();
    void certificateFrame();
    void headingSizeRule_data();
    void headingSizeRule();
    void sentenceKeepsItsPlaceWithoutAName();
    void certificateFailureStopsAndDropsThePage();
    void worksheetLayout();
    void worksheetIgnoresColourLeftByAnEarlierPage();
    void resultsScreenPrintsTheCertificate();
    void printFailuresAreToldAndChangeNothing_data();
    void printFailuresAreToldAndChangeNothing();
    void quizPrintsTheWorksheetAndCarriesOn();
};

void PrintoutsTest::certificateLayout() {
    const auto rec = printed(moonCertificate());
    const QString banners = CertificateBanner + CertificateBanner;
    // The centred empty line after the heading prints nothing.
    compareTexts(*rec, {{" ", 1440, 0, Blue, 25},
                        {banners, 0, 575, Blue, 25},
                        {" ", 29500, 575, Blue, 25},
                        {" ", 0, 1150, Blue, 25},
                        {" ", 0, 1725, Blue, 25},
                        {"Tellwyn", 4500, 2300, Red, 36},
                        {" ", 0, 3128, Red, 36},
                        {"The Moon Landings", 2700, 3956, Blue, 36},
                        {" ", 0, 5612, Blue, 36},
                        {" ", 0, 6440, Blue, 36},
                        {" ", 0, 7268, Blue, 36},
                        {"Excellent Work", 3800, 8096, Navy, 28},
                        {" ", 0, 8740, Navy, 28},
                        {"Amy", 5340, 9384, Navy, 28},
                        {"You have scored 10 out of 10.", 1700, 10672, Navy, 28},
                        {" ", 0, 11316, Navy, 28},
                        {" ", 0, 11960, Navy, 36},
                        {" ", 0, 12788, Navy, 36},
                        {" ", 0, 13616, Blue, 25},
                        {banners, 0, 14191, Black, 25}});
    const auto& ops = rec->pages[0].ops;
    QVERIFY(rec->pages[0].ended);
    QCOMPARE(rec->pages[0].title, QString("Tellwyn certificate"));
    // Text first, then the 32 frame lines, then the end of the job.
    QCOMPARE(ops.size(), size_t(20 + 32 + 1));
    QCOMPARE(ops[20].kind, PrintOp::Line);
    QCOMPARE(ops.back().kind, PrintOp::EndDoc);
}

void PrintoutsTest::certificateFrame() {
    // Outer 1, inner 1, outer 2, inner 2, outer 3, inner 3, outer 4, outer 5: left, top, right, bottom;
    // each drawn top, left, right, bottom.
    const int rects[8][4] = {{45, 270, 11475, 15570},   {645, 7320, 10875, 11820}, {90, 315, 11430, 15525},
                             {690, 7365, 10830, 11775}, {135, 360, 11385, 15480},  {735, 7410, 10785, 11730},
                             {180, 405, 11340, 15435},  {225, 450, 11295, 15390}};
    QStringList want, got;
    for (const auto& [l, t, r, b] : rects)
        for (const auto& [x1, y1, x2, y2] :
             {std::array{l, t, r, t}, {l, t, l, b}, {r, t, r, b}, {l, b, r, b}})
            want << QString::asprintf("%d,%d-%d,%d w2 #000000", x1, y1, x2, y2);
    for (const PrintOp& op : opsOf(*printed(moonCertificate()), PrintOp::Line))
        got << QString::asprintf("%g,%g-%g,%g w%d ", op.x1, op.y1, op.x2, op.y2, int(op.width)) +
                   op.colour.name();
    QCOMPARE(got, want);
}

void PrintoutsTest::headingSizeRule_data() {
    QTest::addColumn<float>("widthOnScreen");
    QTest::addColumn<double>("points");
    QTest::addColumn<float>("nextBlankAt");
    // A quarter of the recording printer's 11520 twips is 2880.
    QTest::newRow("narrow heading") << 1000.0f << 36.0 << 5612.0f;
    QTest::newRow("exactly a quarter") << 2880.0f << 36.0 << 5612.0f;
    // The smaller heading and the empty line after it take 28 pt lines.
    QTest::newRow("wider than a quarter") << 2881.0f << 28.0 << 5244.0f;
}

void PrintoutsTest::headingSizeRule() {
    QFETCH(float, widthOnScreen);
    QFETCH(double, points);
    QFETCH(float, nextBlankAt);
    CertificateInput in = moonCertificate();
    in.headingWidthOnScreen = widthOnScreen;
    const auto texts = opsOf(*printed(in), PrintOp::Text);
    QCOMPARE(texts[7].text, QString("The Moon Landings"));
    QCOMPARE(texts[7].points, points);
    QCOMPARE(texts[7].x1, (11520 - 17 * RecordingPrinter::charWidth(points)) / 2);
    QCOMPARE(texts[8].y1, nextBlankAt);
    QCOMPARE(texts[8].points, 36.0);
}

void PrintoutsTest::sentenceKeepsItsPlaceWithoutAName() {
    CertificateInput in = moonCertificate();
    in.name.clear();
    in.score = in.outOf = 6;
    const auto texts = opsOf(*printed(in), PrintOp::Text);
    QCOMPARE(texts.size(), size_t(19)); // the empty name prints nothing
    QCOMPARE(texts[13].text, QString("You have scored 6 out of 6."));
    QCOMPARE(texts[13].y1, 10672.0f);
    QCOMPARE(texts[13].x1, (11520 - 27 * 280.0f) / 2);
}

void PrintoutsTest::certificateFailureStopsAndDropsThePage() {
    auto rec = std::make_shared<RecordingPrinter>();
    rec->failOnEndDoc = true;
    Printer printer(rec);
    QVERIFY_THROWS_EXCEPTION(PrintError, printCertificate(printer, moonCertificate()));
    QVERIFY(!rec->pages[0].ended);
    QVERIFY(!printer.jobOpen());
    rec->failOnEndDoc = false;
    rec->failOnOpen = true;
    QVERIFY_THROWS_EXCEPTION(PrintError, printCertificate(printer, moonCertificate()));
    QCOMPARE(rec->pages.size(), size_t(1));
}

void PrintoutsTest::worksheetLayout() {
    auto rec = std::make_shared<RecordingPrinter>();
    Printer printer(rec);
    printWorksheet(printer, "Tellwyn", "Moon", tenQuestions(), "Lumenda Learning");
    const QString header = "Tellwyn" + QString(74, ' ') + "Lumenda Learning";
    std::vector<Text> expected{
        {" ", 1440, 0, Black, 16}, {header, 720, 368, Black, 16},      {" ", 720 + 97 * 160, 368, Black, 16},
        {" ", 0, 736, Black, 16},  {"Tellwyn", 4640, 1104, Black, 32}, {"Moon", 5120, 1840, Black, 32},
        {" ", 0, 2576, Black, 32},
    };
    for (int i = 1; i <= 10; ++i) {
        const Twips y = 3312 + (i - 1) * 1104.0f;
        const QString n = QString::number(i);
        expected.push_back({"Question " + n + "    Question text " + n + "?", 720, y, Black, 12});
        expected.push_back({"A. a" + n, 3840, y + 276, Black, 12});
        expected.push_back({"B. b" + n, 7680, y + 276, Black, 12});
        expected.push_back({"C. c" + n, 3840, y + 552, Black, 12});
        expected.push_back({"D. d" + n, 7680, y + 552, Black, 12});
        expected.push_back({" ", 0, y + 828, Black, 12});
    }
    compareTexts(*rec, expected);
    QCOMPARE(rec->pages[0].ops.back().kind, PrintOp::EndDoc);
    QCOMPARE(rec->pages.size(), size_t(1));
    QCOMPARE(rec->pages[0].title, QString("Tellwyn worksheet"));
}

void PrintoutsTest::worksheetIgnoresColourLeftByAnEarlierPage() {
    auto rec = std::make_shared<RecordingPrinter>();
    Printer printer(rec);
    printer.ForeColor = Red;
    std::vector<WorksheetQuestion> qs = tenQuestions();
    qs[2].c.clear(); // an empty answer still prints its letter
    printWorksheet(printer, "H", "T", qs);
    QStringList texts;
    for (const PrintOp& op : opsOf(*rec, PrintOp::Text)) {
        QCOMPARE(op.colour, Black);
        texts << op.text;
    }
    QVERIFY(texts.contains("C. "));
}

void PrintoutsTest::resultsScreenPrintsTheCertificate() {
    TestEnv env;
    Module1.SoundOn = 1;
    Module1.Score = Module1.ScoreOutOf = 10;
    Module1.QuizHeading = "The Moon Landings";
    ResultsScreen& results = *Module1.Welldone;
    results.Show();
    results.Text1->setText("Amy Johnson");
    clickControl(&results.Label3(0)); // "Print Certificate"
    QCOMPARE(env.messages->texts(), QStringList{"Your certificate is now printing."});
    QVERIFY(!Module1.Wrong.isLoaded());
    QVERIFY(env.printer->pages[0].ended);
    const auto texts = opsOf(*env.printer, PrintOp::Text);
    QCOMPARE(texts[13].text, QString("Amy Johnson"));
    QCOMPARE(texts[14].text, QString("You have scored 10 out of 10."));
    // A short heading measures well under a quarter of the page on the screen: 36 pt.
    QCOMPARE(texts[7].points, 36.0);

    // A long heading, wider than a quarter of the page on the screen, prints at 28 pt.
    Module1.QuizHeading = "The Moon Landings and the Space Race of the Twentieth Century";
    clickControl(&results.Label3(0));
    const PrintOp& heading = env.printer->pages[1].ops[7];
    QCOMPARE(heading.text, Module1.QuizHeading);
    QCOMPARE(heading.points, 28.0);
    QVERIFY(env.sound->played.filter("click").isEmpty());
}

void PrintoutsTest::printFailuresAreToldAndChangeNothing_data() {
    QTest::addColumn<bool>("quiz");
    QTest::addColumn<QString>("failure");
    for (bool quiz : {false, true})
        for (QString failure : {"no printer", "job will not open", "page will not come out"})
            QTest::addRow("%s: %s", quiz ? "worksheet" : "certificate", qPrintable(failure))
                << quiz << failure;
}

void PrintoutsTest::printFailuresAreToldAndChangeNothing() {
    QFETCH(bool, quiz);
    QFETCH(QString, failure);
    TestEnv env;
    if (failure == "no printer") services().printer.reset();
    env.printer->failOnOpen = failure == "job will not open";
    env.printer->failOnEndDoc = failure == "page will not come out";
    Module1.Score = Module1.ScoreOutOf = 6;
    Form& screen = quiz ? static_cast<Form&>(openMoonQuiz(env)) : *Module1.Welldone;
    screen.Show();
    if (quiz) clickControl(&Module1.multiple->Label3(3)); // then "Worksheet Only"
    clickControl(quiz ? &Module1.multiple->Label3(4) : &Module1.Welldone->Label3(0));
    // One message, the printout's own; never "now printing"; the screen stays as it was.
    QCOMPARE(env.messages->texts(), QStringList{"There was a problem printing to your printer."});
    QVERIFY(screen.isVisible());
    QCOMPARE(quiz ? Module1.multiple->Label4->Caption() : Module1.Welldone->Label1->Caption(),
             QString(quiz ? "Question 1" : "Excellent work. You have scored 6 out of 6."));
    for (const RecordedPage& page : env.printer->pages)
        QVERIFY(!page.ended);
}

void PrintoutsTest::quizPrintsTheWorksheetAndCarriesOn() {
    TestEnv env;
    QuizScreen& quiz = openMoonQuiz(env);
    for (int i = 0; i < 6; ++i) {
        clickControl(&quiz.Option1(2));
        clickControl(&quiz.Label3(1));
    }
    clickControl(&quiz.Option1(3));
    const auto marks = Module1.QuestionMarks;
    const QString question = quiz.Label2->Caption();
    clickControl(&quiz.Label3(3));
    QVERIFY(env.printer->pages.empty()); // it asks first
    clickControl(&quiz.Label3(4));        // "Worksheet Only"
    QCOMPARE(env.messages->texts(), QStringList{"Your worksheet is now printing."});
    QCOMPARE(Module1.QuestionNumber, 7);
    QCOMPARE(Module1.QuestionMarks, marks);
    QCOMPARE(quiz.Label2->Caption(), question);
    QVERIFY(quiz.isVisible() && quiz.Option1(3).Value());
    const auto texts = opsOf(*env.printer, PrintOp::Text);
    QCOMPARE(texts[4].text, QString("Tellwyn")); // the heading the hub set
    QCOMPARE(texts[7].text, QString("Question 1    Question text 1?"));
    QCOMPARE(texts[8].text, QString("A. Answer 1A"));
    QCOMPARE(texts.back().y1, 3312 + 9 * 1104.0f + 828);
    QVERIFY(env.printer->pages[0].ended);
}

QTEST_MAIN(PrintoutsTest)
#include "tst_printouts.moc"
