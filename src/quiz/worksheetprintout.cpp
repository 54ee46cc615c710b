#include "app/module1.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "quiz/questionsperset.h"
#include "quiz/quizscreen.h"
#include "quiz/worksheetlayout.h"

void QuizScreen::printWorksheet() {
    std::vector<WorksheetQuestion> questions;
    for (int i = 1; i <= QuestionsPerSet; ++i)
        questions.push_back({Module1.QuestionText[i], Module1.AnswerA[i], Module1.AnswerB[i],
                             Module1.AnswerC[i], Module1.AnswerD[i]});
    try {
        ::printWorksheet(SystemPrinter(), Label5->Caption(), Label6->Caption(), questions);
    } catch (const PrintError&) {
        MsgBox(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    MsgBox(QStringLiteral("Your worksheet is now printing."));
}
