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

void compareTexts(const RecordingPrinter& printer, const std::vector<Text>& expected) {
    const auto texts = opsOf(printer, PrintOp::Text);
    QCOMPARE(texts.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const QString where = QStringLiteral("text %1 \"%2\"").arg(i).arg(expected[i].text);
        QVERIFY2(texts[i].text == expected[i].text, qPrintable(where + " reads \"" + texts[i].text + '"'));
        QVERIFY2(texts[i].x1 == expected[i].x && texts[i].y1 == expected[i].y,
                 qPrintable(where + QString(" at %1, %2").arg(texts[i].x1).arg(texts[i].y1)));
        QVERIFY2(texts[i].colour == expected[i].colour,
                 qPrintable(where + " colour " + texts[i].colour.name()));
        QVERIFY2(texts[i].points == expected[i].points,
                 qPrintable(where + QString(" size %1").arg(texts[i].points)));
        QCOMPARE(texts[i].fontName, QString("Times New Roman"));
    }
}

CertificateInput moonCertificate() {
    CertificateInput in;
    in.heading = "The Moon Landings";
    in.headingWidthOnScreen = 1000;
    in.name = "Amy";
    in.score = 10;
    in.outOf = 10;
    return in;
}

std::vector<WorksheetQuestion> tenQuestions() {
    std::vector<WorksheetQuestion> qs;
    for (int i = 1; i <= 10; ++i)
        qs.push_back({QString("Question text %1?").arg(i), QString("a%1").arg(i), QString("b%1").arg(i),
                      QString("c%1").arg(i), QString("d%1").arg(i)});
    return qs;
}

QByteArray questionFile() {
    QuestionSet s;
    s.title = "Moon quiz";
    for (int q = 0; q < 10; ++q) {
        s.questions[q].text = QStringLiteral("Question text %1?").arg(q + 1);
        for (int k = 0; k < 4; ++k)
            s.questions[q].answers[k] = QStringLiteral("Answer %1%2").arg(q + 1).arg(QChar('A' + k));
        s.questions[q].correct = "1";
    }
    return encodeWindows1252(questionSetLines(s).join("\r\n") + "\r\n").value();
}

} // namespace

class PrintoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void certificateLayout();
    void certificateFrame();
    void headingSizeRule_data();
    void headingSizeRule();
    void certificateNames_data();
    void certificateNames();
    void certificateFailureStopsAndDropsThePage();
    void worksheetLayout();
    void worksheetIgnoresColourLeftByAnEarlierPage();
    void resultsScreenPrintsTheCertificate();
    void resultsScreenPrintFailures_data();
    void resultsScreenPrintFailures();
    void quizPrintsTheWorksheetAndCarriesOn();
    void quizPrintFailure();
};

void PrintoutsTest::certificateLayout() {
    auto rec = std::make_shared<RecordingPrinter>();
    Printer printer(rec);
    printCertificate(printer, moonCertificate());
    QCOMPARE(CertificateBanner.size(), 59);
    const QString banners = CertificateBanner + CertificateBanner;
    QCOMPARE(banners.size(), 118);
    compareTexts(*rec, {
                           {" ", 1440, 0, Blue, 25},
                           {banners, 0, 575, Blue, 25},
                           {" ", 29500, 575, Blue, 25},
                           {" ", 0, 1150, Blue, 25},
                           {" ", 0, 1725, Blue, 25},
                           {"Tellwyn", 4500, 2300, Red, 36},
                           {" ", 0, 3128, Red, 36},
                           {"The Moon Landings", 2700, 3956, Blue, 36},
                           // the centred empty line after the heading prints nothing
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
                           {banners, 0, 14191, Black, 25},
                       });
    const auto& ops = rec->pages[0].ops;
    QCOMPARE(ops.back().kind, PrintOp::EndDoc);
    QVERIFY(rec->pages[0].ended);
    QCOMPARE(rec->pages[0].title, QString("Tellwyn certificate"));
    // Text first, then the frame, then the end of the job.
    QCOMPARE(ops[20].kind, PrintOp::Line);
    QCOMPARE(ops.size(), size_t(20 + 32 + 1));
}

void PrintoutsTest::certificateFrame() {
    auto rec = std::make_shared<RecordingPrinter>();
    Printer printer(rec);
    printCertificate(printer, moonCertificate());
    // Outer 1, inner 1, outer 2, inner 2, outer 3, inner 3, outer 4, outer 5: left, top, right, bottom.
    const int rects[8][4] = {{45, 270, 11475, 15570},   {645, 7320, 10875, 11820}, {90, 315, 11430, 15525},
                             {690, 7365, 10830, 11775}, {135, 360, 11385, 15480},  {735, 7410, 10785, 11730},
                             {180, 405, 11340, 15435},  {225, 450, 11295, 15390}};
    const auto lines = opsOf(*rec, PrintOp::Line);
    QCOMPARE(lines.size(), size_t(32));
    for (int r = 0; r < 8; ++r) {
        const auto [l, t, rt, b] = rects[r];
        const int expected[4][4] = {{l, t, rt, t}, {l, t, l, b}, {rt, t, rt, b}, {l, b, rt, b}};
        for (int e = 0; e < 4; ++e) {
            const PrintOp& op = lines[static_cast<size_t>(r * 4 + e)];
            const QString where = QString("rectangle %1 edge %2").arg(r).arg(e);
            QVERIFY2(
                op.x1 == expected[e][0] && op.y1 == expected[e][1] && op.x2 == expected[e][2] &&
                    op.y2 == expected[e][3],
                qPrintable(where + QString(": %1,%2 - %3,%4").arg(op.x1).arg(op.y1).arg(op.x2).arg(op.y2)));
            QCOMPARE(op.width, 2);
            QCOMPARE(op.colour, Black);
        }
    }
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
    auto rec = std::make_shared<RecordingPrinter>();
    Printer printer(rec);
    CertificateInput in = moonCertificate();
    in.headingWidthOnScreen = widthOnScreen;
    printCertificate(printer, in);
    const auto texts = opsOf(*rec, PrintOp::Text);
    QCOMPARE(texts[7].text, QString("The Moon Landings"));
    QCOMPARE(texts[7].points, points);
    QCOMPARE(texts[7].x1, (11520 - 17 * RecordingPrinter::charWidth(points)) / 2);
    QCOMPARE(texts[8].y1, nextBlankAt);
    QCOMPARE(texts[8].points, 36.0);
}

void PrintoutsTest::certificateNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("score");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("empty name") << QString() << 10 << "You have scored 10 out of 10.";
    QTest::newRow("25 characters") << QString(25, 'M') << 10 << "You have scored 10 out of 10.";
    QTest::newRow("activity of six") << "Sam" << 6 << "You have scored 6 out of 6.";
}

void PrintoutsTest::certificateNames() {
    QFETCH(QString, name);
    QFETCH(int, score);
    QFETCH(QString, sentence);
    auto rec = std::make_shared<RecordingPrinter>();
    Printer printer(rec);
    CertificateInput in = moonCertificate();
    in.name = name;
    in.score = in.outOf = score;
    printCertificate(printer, in);
    const auto texts = opsOf(*rec, PrintOp::Text);
    auto at = [&](const QString& t) {
        for (const PrintOp& op : texts)
            if (op.text == t) return op;
        return PrintOp{};
    };
    // The sentence keeps its place whether or not a name stands above it.
    const PrintOp s = at(sentence);
    QCOMPARE(s.y1, 10672.0f);
    QCOMPARE(s.x1, (11520 - sentence.size() * 280.0f) / 2);
    if (name.isEmpty()) {
        QCOMPARE(texts.size(), size_t(19));
    } else {
        QCOMPARE(at(name).x1, (11520 - name.size() * 280.0f) / 2);
        QCOMPARE(at(name).y1, 9384.0f);
    }
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
    QCOMPARE(worksheetHeaderLine("Tellwyn", PublisherName), header);
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
    for (const PrintOp& op : opsOf(*rec, PrintOp::Text))
        QCOMPARE(op.colour, Black);
    bool letterAlone = false;
    for (const PrintOp& op : opsOf(*rec, PrintOp::Text))
        letterAlone = letterAlone || op.text == "C. ";
    QVERIFY(letterAlone);
}

void PrintoutsTest::resultsScreenPrintsTheCertificate() {
    TestEnv env;
    Module1.Score = 10;
    Module1.ScoreOutOf = 10;
    Module1.QuizHeading = "The Moon Landings";
    ResultsScreen& results = *Module1.Welldone;
    results.Show();
    QCOMPARE(results.Label3(0).Caption(), QString("Print Certificate"));
    results.Text1->setText("Amy Johnson");
    clickControl(&results.Label3(0));
    QCOMPARE(env.messages->texts(), QStringList{"Your certificate is now printing."});
    QCOMPARE(env.printer->pages.size(), size_t(1));
    QVERIFY(env.printer->pages[0].ended);
    QStringList texts;
    for (const PrintOp& op : opsOf(*env.printer, PrintOp::Text))
        texts << op.text;
    QVERIFY(texts.contains("Amy Johnson"));
    QVERIFY(texts.contains("You have scored 10 out of 10."));
    // A short heading measures well under a quarter of the page on the screen: 36 pt.
    QCOMPARE(opsOf(*env.printer, PrintOp::Text)[7].points, 36.0);

    // A long heading, wider than a quarter of the page on the screen, prints at 28 pt.
    Module1.QuizHeading = "The Moon Landings and the Space Race of the Twentieth Century";
    clickControl(&results.Label3(0));
    std::vector<PrintOp> second;
    for (const PrintOp& op : env.printer->pages[1].ops)
        if (op.kind == PrintOp::Text) second.push_back(op);
    QCOMPARE(second[7].text, Module1.QuizHeading);
    QCOMPARE(second[7].points, 28.0);
    QVERIFY(env.sound->played.filter("click").isEmpty());
}

void PrintoutsTest::resultsScreenPrintFailures_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("no printer") << "none";
    QTest::newRow("job will not open") << "open";
    QTest::newRow("page will not come out") << "end";
}

void PrintoutsTest::resultsScreenPrintFailures() {
    QFETCH(QString, failure);
    TestEnv env;
    if (failure == "none") services().printer.reset();
    env.printer->failOnOpen = failure == "open";
    env.printer->failOnEndDoc = failure == "end";
    Module1.Score = Module1.ScoreOutOf = 6;
    ResultsScreen& results = *Module1.Welldone;
    results.Show();
    results.Text1->setText("Sam");
    const QString sentence = results.Label1->Caption();
    clickControl(&results.Label3(0));
    // One message, the printout's own; never "now printing".
    QCOMPARE(env.messages->texts(), QStringList{"There was a problem printing to your printer."});
    QVERIFY(results.isVisible());
    QCOMPARE(results.Text1->Text(), QString("Sam"));
    QCOMPARE(results.Label1->Caption(), sentence);
    for (const RecordedPage& page : env.printer->pages)
        QVERIFY(!page.ended);
}

void PrintoutsTest::quizPrintsTheWorksheetAndCarriesOn() {
    TestEnv env;
    env.writeFile("multiple/The Moon Landings.txt", questionFile());
    Module1.moon->Show();
    clickControl(&Module1.moon->Label3(0));
    QuizScreen& quiz = *Module1.multiple;
    for (int i = 0; i < 6; ++i) {
        clickControl(&quiz.Option1(2));
        clickControl(&quiz.Label3(1));
    }
    QCOMPARE(Module1.QuestionNumber, 7);
    const auto marks = Module1.QuestionMarks;
    const QString question = quiz.Label2->Caption();
    clickControl(&quiz.Label3(3));
    QCOMPARE(env.messages->texts(), QStringList{"Your worksheet is now printing."});
    QCOMPARE(Module1.QuestionNumber, 7);
    QCOMPARE(Module1.QuestionMarks, marks);
    QCOMPARE(quiz.Label2->Caption(), question);
    QVERIFY(quiz.isVisible());
    const auto texts = opsOf(*env.printer, PrintOp::Text);
    QCOMPARE(texts[4].text, QString("Tellwyn")); // the heading the hub set
    QCOMPARE(texts[5].text, QString("Moon quiz"));
    QCOMPARE(texts[7].text, QString("Question 1    Question text 1?"));
    QCOMPARE(texts[8].text, QString("A. Answer 1A"));
    QCOMPARE(texts.back().y1, 3312 + 9 * 1104.0f + 828);
    QVERIFY(env.printer->pages[0].ended);
}

void PrintoutsTest::quizPrintFailure() {
    TestEnv env;
    env.writeFile("multiple/The Moon Landings.txt", questionFile());
    env.printer->failOnEndDoc = true;
    Module1.moon->Show();
    clickControl(&Module1.moon->Label3(0));
    QuizScreen& quiz = *Module1.multiple;
    clickControl(&quiz.Label3(3));
    QCOMPARE(env.messages->texts(), QStringList{"There was a problem printing to your printer."});
    QVERIFY(quiz.isVisible());
    QCOMPARE(Module1.QuestionNumber, 1);
    QVERIFY(!env.printer->pages[0].ended);
}

QTEST_MAIN(PrintoutsTest)
#include "tst_printouts.moc"
