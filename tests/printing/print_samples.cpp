// Prints a certificate and a worksheet on the system's default printer the way a pupil does it,
// through the results and quiz screens, and lists on standard output what the pages must say.
// Used by check-cups-print.sh; it is not part of the program.
#include "../support/doubles.h"
#include "app/module1.h"
#include "app/printersetup.h"
#include "platform/fonts.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "topics/topichub.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: tellwyn-print-samples DATA-FOLDER PUPIL-NAME\n");
        return 2;
    }
    setDataFolder(args[1]);
    registerBundledFonts();
    installQuietServices();
    auto messages = std::make_shared<ScriptedMessages>();
    services().messages = messages;
    installPrinter(QString());

    // The worksheet of the Moon topic, printed from its first question.
    Module1.moon->Show();
    Module1.moon->Label3_Click(TopicHub::MultipleChoice);
    Module1.multiple->printWorksheet();
    for (int i = 1; i <= 10; ++i)
        std::printf("%s\n", Module1.QuestionText[i].toUtf8().constData());
    // Full marks: the certificate for the pupil.
    Module1.multiple->Unload();
    Module1.Score = Module1.ScoreOutOf = 10;
    Module1.QuizHeading = Module1.SetTitle;
    Module1.Welldone->Text1->setText(args[2]);
    Module1.Welldone->Printpage();

    const QStringList texts = messages->texts();
    Module1.reset();
    for (const QString& m : texts)
        std::fprintf(stderr, "message: %s\n", qPrintable(m));
    return texts == QStringList{"Your worksheet is now printing.", "Your certificate is now printing."} ? 0
                                                                                                        : 1;
}
