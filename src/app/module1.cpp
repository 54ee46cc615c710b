#include "app/module1.h"

Module1State Module1;

void Module1State::reset() {
    // Screens first: destroying one may not touch variables of a half-reset state.
    Titlefrm.destroy();
    intro0.destroy();
    Welldone.destroy();
    Wrong.destroy();
    multiple.destroy();
    wizard.destroy();
    worksheets.destroy();
    teacher.destroy();
    guide.destroy();
    moon.destroy();
    caesar.destroy();
    moonord.destroy();
    caesarord.destroy();
    moonlab.destroy();
    caesar2lab.destroy();
    Grey.destroy();

    SoundOn.reset();
    WorksheetCount = 0;
    WorksheetTitles.fill(QString());
    SelectedWorksheet.clear();
    CataloguePage = 0;
    SetTitle.clear();
    for (auto* table : {&QuestionText, &AnswerA, &AnswerB, &AnswerC, &AnswerD, &CorrectAnswer})
        table->fill(QString());
    QuestionNumber = 0;
    QuestionMarks.fill(0);
    Score = 0;
    ScoreOutOf = 0;
    QuizHeading.clear();
    PageNumber = 0;
    PageCount = 0;
    PageBase.clear();
    LogoFrame.reset();
}
