#include "app/module1.h"
#include "platform/printer.h"
#include "platform/services.h"
#include "quiz/questionset.h"
#include "quiz/quizmarking.h"
#include "quiz/quizscreen.h"
#include "quiz/worksheetlayout.h"

void QuizScreen::printWorksheet(bool withAnswerKey) {
    std::vector<WorksheetQuestion> questions;
    for (const Question& q : questionSetInModule1().questions)
        questions.push_back(
            {q.text, q.answers[0], q.answers[1], q.answers[2], q.answers[3], correctOption(q.correct)});
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
