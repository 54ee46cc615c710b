// The certificate and the worksheet printout: exact layouts on the recording printer (twips,
// fonts, sizes, colours, order), and the results and quiz screens printing them with their
// messages and failures.
#include "app/module1.h"
#include "quiz/certificatelayout.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/worksheetlayout.h"
#include "support/samples.h"
#include "support/testenv.h"

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

std::vector<PrintOp> opsOf(const RecordingPrinter& printer, PrintOp::Kind kind, size_t page = 0) {
    std::vector<PrintOp> out;
    for (const PrintOp& op : printer.pages.at(page).ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

QString described(const QString& text, Twips x, Twips y, const QColor& c, double points,
                  const QString& font) {
    return QString("\"%1\" at %2,%3 %4 %5pt %6").arg(text).arg(x).arg(y).arg(c.name()).arg(points).arg(font);
}

// Compares the texts that show: a blank line prints nothing, and its height is in the next text's y.
void compareTexts(const RecordingPrinter& printer, const std::vector<Text>& expected) {
    QStringList got, want;
    for (const PrintOp& op : opsOf(printer, PrintOp::Text))
        if (!op.text.trimmed().isEmpty())
            got << described(op.text, op.x1, op.y1, op.colour, op.points, op.fontName);
    for (const Text& t : expected)
        want << described(t.text, t.x, t.y, t.colour, t.points, "Times New Roman");
    QCOMPARE(got, want);
}

std::shared_ptr<RecordingPrinter> printed(float headingWidthOnScreen = 1000, const QString& name = "Amy",
                                          int score = 10) {
    auto rec = std::make_shared<RecordingPrinter>();
    Printer printer(rec);
    printCertificate(printer, {.heading = "The Moon Landings",
                               .headingWidthOnScreen = headingWidthOnScreen,
                               .name = name,
                               .score = score,
                               .outOf = score});
    return rec;
}

} // namespace

class PrintoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void certificateLayout() {
        const auto rec = printed();
        const QString banners = CertificateBanner + CertificateBanner;
        compareTexts(*rec, {{banners, 0, 575, Blue, 25},
                            {"Tellwyn", 4500, 2300, Red, 36},
                            {"The Moon Landings", 2700, 3956, Blue, 36},
                            {"Excellent Work", 3800, 8096, Navy, 28},
                            {"Amy", 5340, 9384, Navy, 28},
                            {"You have scored 10 out of 10.", 1700, 10672, Navy, 28},
                            {banners, 0, 14191, Black, 25}});
        const auto& ops = rec->pages[0].ops;
        QVERIFY(rec->pages[0].ended);
        QCOMPARE(rec->pages[0].title, QString("Tellwyn certificate"));
        // 20 lines of text first (the centred empty line after the heading prints nothing), then the
        // 32 frame lines, then the end of the job.
        QCOMPARE(ops.size(), size_t(20 + 32 + 1));
        QCOMPARE(ops[20].kind, PrintOp::Line);
        QCOMPARE(ops.back().kind, PrintOp::EndDoc);
        // Outer 1, inner 1, outer 2, inner 2, outer 3, inner 3, outer 4, outer 5: left, top, right,
        // bottom; each drawn top, left, right, bottom.
        const int rects[8][4] = {{45, 270, 11475, 15570},  {645, 7320, 10875, 11820},
                                 {90, 315, 11430, 15525},  {690, 7365, 10830, 11775},
                                 {135, 360, 11385, 15480}, {735, 7410, 10785, 11730},
                                 {180, 405, 11340, 15435}, {225, 450, 11295, 15390}};
        QStringList want, got;
        for (const auto& [l, t, r, b] : rects)
            for (const auto& [x1, y1, x2, y2] :
                 {std::array{l, t, r, t}, {l, t, l, b}, {r, t, r, b}, {l, b, r, b}})
                want << QString::asprintf("%d,%d-%d,%d w2 #000000", x1, y1, x2, y2);
        for (const PrintOp& op : opsOf(*rec, PrintOp::Line))
            got << QString::asprintf("%g,%g-%g,%g w%d ", op.x1, op.y1, op.x2, op.y2, op.width) +
                       op.colour.name();
        QCOMPARE(got, want);
    }

    void headingSizeRule_data() {
        QTest::addColumn<float>("widthOnScreen");
        QTest::addColumn<double>("points");
        QTest::addColumn<float>("nextBlankAt");
        // A quarter of the recording printer's 11520 twips is 2880. The smaller heading and the
        // empty line after it take 28 pt lines.
        QTest::newRow("narrow heading") << 1000.0f << 36.0 << 5612.0f;
        QTest::newRow("exactly a quarter") << 2880.0f << 36.0 << 5612.0f;
        QTest::newRow("wider than a quarter") << 2881.0f << 28.0 << 5244.0f;
    }
    void headingSizeRule() {
        QFETCH(float, widthOnScreen);
        QFETCH(double, points);
        const auto texts = opsOf(*printed(widthOnScreen), PrintOp::Text);
        QCOMPARE(texts[7].points, points);
        QCOMPARE(texts[7].x1, (11520 - 17 * RecordingPrinter::charWidth(points)) / 2);
        QTEST(texts[8].y1, "nextBlankAt");
        QCOMPARE(texts[8].points, 36.0);
    }

    void sentenceKeepsItsPlaceWithoutAName() {
        const auto texts = opsOf(*printed(1000, "", 6), PrintOp::Text);
        QCOMPARE(texts.size(), size_t(19)); // the empty name prints nothing
        QCOMPARE(texts[13].text, QString("You have scored 6 out of 6."));
        QCOMPARE(QPointF(texts[13].x1, texts[13].y1), QPointF((11520 - 27 * 280.0f) / 2, 10672));
    }

    void worksheetLayout() {
        auto rec = std::make_shared<RecordingPrinter>();
        Printer printer(rec);
        printer.ForeColor = Red; // left by an earlier page: the worksheet prints black all the same
        std::vector<WorksheetQuestion> qs;
        for (int i = 1; i <= 10; ++i)
            qs.push_back({QString("Question text %1?").arg(i), QString("a%1").arg(i), QString("b%1").arg(i),
                          i == 3 ? QString() : QString("c%1").arg(i), QString("d%1").arg(i)});
        printWorksheet(printer, "Tellwyn", "Moon", qs, "Lumenda Learning");
        const QString header = "Tellwyn" + QString(74, ' ') + "Lumenda Learning";
        std::vector<Text> expected{{header, 720, 368, Black, 16},
                                   {"Tellwyn", 4640, 1104, Black, 32},
                                   {"Moon", 5120, 1840, Black, 32}};
        for (int i = 1; i <= 10; ++i) {
            const Twips y = 3312 + (i - 1) * 1104.0f;
            const QString n = QString::number(i);
            expected.insert(expected.end(),
                            {{"Question " + n + "    Question text " + n + "?", 720, y, Black, 12},
                             {"A. a" + n, 3840, y + 276, Black, 12},
                             {"B. b" + n, 7680, y + 276, Black, 12},
                             {i == 3 ? "C. " : "C. c" + n, 3840, y + 552, Black, 12},
                             {"D. d" + n, 7680, y + 552, Black, 12}});
        }
        compareTexts(*rec, expected);
        QCOMPARE(opsOf(*rec, PrintOp::Text).back().y1, 3312 + 9 * 1104.0f + 828); // the last blank line
        QCOMPARE(rec->pages[0].ops.back().kind, PrintOp::EndDoc);
        QCOMPARE(rec->pages.size(), size_t(1));
        QCOMPARE(rec->pages[0].title, QString("Tellwyn worksheet"));
    }

    void resultsScreenPrintsTheCertificate() {
        TestEnv env;
        Module1.SoundOn = 1;
        Module1.Score = Module1.ScoreOutOf = 10;
        Module1.QuizHeading = "The Moon Landings";
        ResultsScreen& results = *Module1.Welldone;
        results.Show();
        results.Text1->setText("Amy Johnson");
        clickControl(&results.Label3(0)); // "Print Certificate"
        QCOMPARE(env.messages->texts(), QStringList{"Your certificate is now printing."});
        QVERIFY(env.printer->pages[0].ended);
        const auto texts = opsOf(*env.printer, PrintOp::Text);
        QCOMPARE(texts[13].text, QString("Amy Johnson"));
        QCOMPARE(texts[14].text, QString("You have scored 10 out of 10."));
        QCOMPARE(texts[7].points, 36.0); // a short heading measures well under a quarter of the page
        // A long heading, wider than a quarter of the page on the screen, prints at 28 pt.
        Module1.QuizHeading = "The Moon Landings and the Space Race of the Twentieth Century";
        clickControl(&results.Label3(0));
        const PrintOp heading = opsOf(*env.printer, PrintOp::Text, 1)[7];
        QCOMPARE(heading.text, Module1.QuizHeading);
        QCOMPARE(heading.points, 28.0);
        QVERIFY(env.sound->played.filter("click").isEmpty());
    }

    void printFailuresAreToldAndChangeNothing_data() {
        QTest::addColumn<bool>("quiz");
        QTest::addColumn<QString>("failure");
        for (bool quiz : {false, true})
            for (QString failure : {"no printer", "job will not open", "page will not come out"})
                QTest::addRow("%s: %s", quiz ? "worksheet" : "certificate", qPrintable(failure))
                    << quiz << failure;
    }
    void printFailuresAreToldAndChangeNothing() {
        QFETCH(bool, quiz);
        QFETCH(QString, failure);
        TestEnv env;
        if (failure == "no printer") services().printer.reset();
        env.printer->failOnOpen = failure == "job will not open";
        env.printer->failOnEndDoc = failure == "page will not come out";
        Module1.Score = Module1.ScoreOutOf = 6;
        Form& screen = quiz ? static_cast<Form&>(openMoonQuiz(env, "Moon quiz", 1)) : *Module1.Welldone;
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

    void quizPrintsTheWorksheetAndCarriesOn() {
        TestEnv env;
        QuizScreen& quiz = openMoonQuiz(env, "Moon quiz", 1);
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
        QVERIFY(env.printer->pages[0].ended);
    }
};

QTEST_MAIN(PrintoutsTest)
#include "tst_printouts.moc"
