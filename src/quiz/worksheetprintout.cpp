#include "app/module1.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "quiz/questionsperset.h"
#include "quiz/quizmarking.h"
#include "quiz/quizscreen.h"
#include "quiz/worksheetlayout.h"

void QuizScreen::printWorksheet(bool withAnswerKey) {
    std::vector<WorksheetQuestion> questions;
    for (int i = 1; i <= QuestionsPerSet; ++i)
        questions.push_back({Module1.QuestionText[i], Module1.AnswerA[i], Module1.AnswerB[i],
                             Module1.AnswerC[i], Module1.AnswerD[i],
                             correctOption(Module1.CorrectAnswer[i])});
    try {
        ::printWorksheet(SystemPrinter(), Label5->Caption(), Label6->Caption(), questions);
        // The key is a page of its own, so that it can be kept apart from the pupils' copies.
        if (withAnswerKey) printAnswerKey(SystemPrinter(), Label5->Caption(), Label6->Caption(), questions);
    } catch (const PrintError&) {
        MsgBox(QStringLiteral("There was a problem printing to your printer."));
        return;
    }
    MsgBox(QStringLiteral("Your worksheet is now printing."));
}
