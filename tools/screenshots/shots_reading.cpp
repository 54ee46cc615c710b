// The reading pages (the four pages of the Teachers' Guide, key facts and teacher's notes of each
// topic, the Acknowledgments with both logos) and, as PDF files, a printed certificate and worksheet.
#include "app/module1.h"
#include "menu/mainmenu.h"
#include "platform/qtprinter.h"
#include "platform/services.h"
#include "quiz/quizscreen.h"
#include "quiz/resultsscreen.h"
#include "quiz/wronganswersscreen.h"
#include "shots.h"
#include "topics/guideviewer.h"
#include "topics/notesviewer.h"
#include "topics/topichub.h"

#include <QDir>
#include <cstdio>

namespace {

void notesOf(ShotContext& ctx, TopicHub& hub, const QString& topic) {
    hub.Show();
    hub.Label3_Click(TopicHub::KeyFacts);
    ctx.save(*Module1.teacher, topic + "-key-facts");
    Module1.teacher->Label3_Click(NotesViewer::ExitButton);
    ctx.settle();
    hub.Label3_Click(TopicHub::TeachersNotes);
    ctx.save(*Module1.teacher, topic + "-teachers-notes");
    Module1.teacher->Label3_Click(NotesViewer::ExitButton);
    ctx.settle();
}

// The PDF backend names its files by time; the shots keep them under names that say what they are.
void keepPdfAs(ShotContext& ctx, const QString& name) {
    QDir dir(ctx.outDir() + "/pdf-jobs");
    const QStringList jobs = dir.entryList({"tellwyn-*.pdf"}, QDir::Files, QDir::Time);
    if (jobs.isEmpty()) {
        std::fprintf(stderr, "no PDF written for %s\n", qPrintable(name));
        return;
    }
    const QString target = ctx.outDir() + '/' + name + ".pdf";
    QFile::remove(target);
    if (QFile::rename(dir.filePath(jobs.first()), target)) std::printf("wrote %s\n", qPrintable(target));
    dir.removeRecursively();
}

} // namespace

static RegisterShots reading("reading", [](ShotContext& ctx) {
    MainMenu& menu = *Module1.intro0;
    menu.Show();
    menu.Label2_Click(MainMenu::TeachersGuide);
    GuideViewer& guide = *Module1.guide;
    // Every page, so that the legibility check reads every page's words.
    for (int page = 1; page <= 4; ++page) {
        if (page > 1) guide.Label3_Click(GuideViewer::NextPage);
        ctx.save(guide, QStringLiteral("guide-page%1").arg(page));
    }
    guide.Label3_Click(GuideViewer::ExitButton);
    ctx.settle();

    notesOf(ctx, *Module1.moon, "moon");
    notesOf(ctx, *Module1.caesar, "caesar");

    menu.Label2_Click(MainMenu::Acknowledgments);
    ctx.settle(120); // a few frames of the logo animation
    ctx.save(*Module1.teacher, "acknowledgments");
    Module1.teacher->Label3_Click(NotesViewer::ExitButton);
    ctx.settle();

    // Paper: the certificate and the worksheet through the PDF backend.
    services().printer = std::make_shared<Printer>(pdfFolderBackend(ctx.outDir() + "/pdf-jobs"));
    Module1.moon->Show();
    Module1.moon->Label3_Click(TopicHub::MultipleChoice);
    Module1.multiple->printWorksheet();
    keepPdfAs(ctx, "worksheet");
    Module1.multiple->printWorksheet(true); // the key is the second, newer job
    keepPdfAs(ctx, "answer-key");
    Module1.multiple->Unload();
    for (int q : {3, 7})
        Module1.Wrong->missed.push_back(
            {q,
             Module1.QuestionText[q],
             {Module1.AnswerA[q], Module1.AnswerB[q], Module1.AnswerC[q], Module1.AnswerD[q]},
             Module1.CorrectAnswer[q],
             q == 3 ? 0 : Module1.CorrectAnswer[q].toInt() % 4 + 1});
    Module1.QuizHeading = QStringLiteral("Tellwyn");
    Module1.Wrong->Label6->setCaption(Module1.SetTitle);
    Module1.Welldone->Text1->setText("Ada Lovelace");
    Module1.Wrong->printMistakes();
    keepPdfAs(ctx, "mistakes-sheet");
    Module1.Wrong.Unload();
    Module1.Score = 10;
    Module1.ScoreOutOf = 10;
    Module1.QuizHeading = Module1.SetTitle;
    Module1.Welldone->Text1->setText("Ada Lovelace");
    Module1.Welldone->Printpage();
    keepPdfAs(ctx, "certificate");
    services().printer.reset();
});
