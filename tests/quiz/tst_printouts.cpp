// The certificate and the worksheet printout: exact layouts on the recording printer (twips,
// fonts, sizes, colours, order), and the screens printing them with their messages and failures.
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "quiz/certificatelayout.h"
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

std::vector<PrintOp> opsOf(const RecordingPrinter& printer, PrintOp::Kind kind, size_t page = 0) {
    std::vector<PrintOp> out;
    for (const PrintOp& op : printer.pages.at(page).ops)
        if (op.kind == kind) out.push_back(op);
    return out;
}

// A text as printed: where, in what colour and size, in Times New Roman unless told.
QString text(const QString& text, Twips x, Twips y, const QColor& c, double points,
             const QString& font = "Times New Roman") {
    return QString("\"%1\" at %2,%3 %4 %5pt %6").arg(text).arg(x).arg(y).arg(c.name()).arg(points).arg(font);
}

// Compares the texts that show: a blank line prints nothing, and its height is in the next text's y.
void compareTexts(const RecordingPrinter& printer, const QStringList& expected) {
    QStringList got;
    for (const PrintOp& op : opsOf(printer, PrintOp::Text))
        if (!op.text.trimmed().isEmpty())
            got << text(op.text, op.x1, op.y1, op.colour, op.points, op.fontName);
    QCOMPARE(got, expected);
}

} // namespace

class PrintoutsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void certificateLayout() {
        const auto rec = std::make_shared<RecordingPrinter>();
        Printer printer(rec);
        printCertificate(printer, {.heading = "The Moon Landings",
                                   .headingWidthOnScreen = 1000,
                                   .name = "Amy",
                                   .score = 10,
                                   .outOf = 10});
        const QString banners = CertificateBanner + CertificateBanner;
        compareTexts(*rec, {text(banners, 0, 575, Blue, 25), text("Tellwyn", 4500, 2300, Red, 36),
                            text("The Moon Landings", 2700, 3956, Blue, 36),
                            text("Excellent Work", 3800, 8096, Navy, 28), text("Amy", 5340, 9384, Navy, 28),
                            text("You have scored 10 out of 10.", 1700, 10672, Navy, 28),
                            text(banners, 0, 14191, Black, 25)});
        QCOMPARE(rec->pages[0].ops.back().kind, PrintOp::EndDoc);
        QCOMPARE(opsOf(*rec, PrintOp::Line).size(), size_t(32)); // the frame, within the page
        for (const PrintOp& op : opsOf(*rec, PrintOp::Line))
            QVERIFY(op.width == 2 && op.colour == Black && op.x1 >= 45 && op.x2 <= 11475 && op.y2 <= 15570);
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
        QStringList expected{text("Tellwyn" + QString(74, ' ') + "Lumenda Learning", 720, 368, Black, 16),
                             text("Tellwyn", 4640, 1104, Black, 32), text("Moon", 5120, 1840, Black, 32)};
        for (int i = 1; i <= 10; ++i) {
            const Twips y = 3312 + (i - 1) * 1104.0f;
            const QString n = QString::number(i);
            expected << text("Question " + n + "    Question text " + n + "?", 720, y, Black, 12)
                     << text("A. a" + n, 3840, y + 276, Black, 12)
                     << text("B. b" + n, 7680, y + 276, Black, 12)
                     << text(i == 3 ? "C. " : "C. c" + n, 3840, y + 552, Black, 12)
                     << text("D. d" + n, 7680, y + 552, Black, 12);
        }
        compareTexts(*rec, expected);
    }

    // Printed from the screen: each certificate names what it was won at, whatever an earlier quiz
    // left, and a heading wider than a quarter of the page on the screen prints at 28 pt, not 36.
    // (The typed name, printed to a PDF, is the keyboard and CUPS checks', on the real program.)
    void certificateNamesWhatItIsFor() {
        const QString worksheet = "The Moon Landings and the Space Race of the Twentieth Century";
        for (const QString& heading : {QString("The Moon Landings: Multiple Choice"),
                                       QString("The Moon Landings: Timeline"), worksheet}) {
            TestEnv env;
            Module1.QuizHeading = "Tellwyn";
            if (heading.endsWith("Timeline")) {
                Module1.moon->Show();
                clickControl(&Module1.moon->Label3(3)); // "Ordering Activity"
                MoonOrdering& s = *Module1.moonord;
                for (int i = 0; i < 5; ++i)
                    s.Label2(i).Move(s.Label1(i).Left(), s.Label1(i).Top());
                s.Label3_Click(2); // "Check Score"
            } else {
                QuizScreen& quiz = openMoonQuiz(env, worksheet, 1);
                if (heading == worksheet) quiz.certificateHeading.clear(); // as the catalogue runs one
                for (int i = 0; i < 10; ++i) {
                    clickControl(&quiz.Option1(1));
                    clickControl(&quiz.Label3(1));
                }
            }
            clickControl(&Module1.Welldone->Label3(0)); // "Print Certificate"
            QCOMPARE(env.messages->texts(), QStringList{"Your certificate is now printing."});
            const auto texts = opsOf(*env.printer, PrintOp::Text);
            QCOMPARE(texts[7].text, heading);
            if (heading == worksheet) QCOMPARE(texts[7].points, 28.0);
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
            clickControl(&results.Label3(0));
            QCOMPARE(env.messages->texts(), QStringList{"There was a problem printing to your printer."});
            QCOMPARE(results.Label1->Caption(), QString("Excellent work. You have scored 6 out of 6."));
            for (const RecordedPage& page : env.printer->pages)
                QVERIFY(!page.ended);
        }
    }
};

QTEST_MAIN(PrintoutsTest)
#include "tst_printouts.moc"
