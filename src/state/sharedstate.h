#pragma once

#include "quiz/questionsperset.h"
#include "worksheets/worksheetindex.h"

#include <QString>
#include <array>
#include <optional>

// The program's shared state: plain globals of the process, empty at start, never saved.
// A value that may still be empty is an optional; an empty one equals no number.
struct SharedState {
    std::optional<int> SoundOn;                             // 1 sounds on, 0 off; empty until the menu loads
    int WorksheetCount = 0;                                 // titles listed in the worksheet index
    std::array<QString, MaxWorksheets + 1> WorksheetTitles; // entries 1..WorksheetCount used
    QString SelectedWorksheet;                              // the title the catalogue is about to delete
    int CataloguePage = 0;                                  // zero-based page of the catalogue
    QString SetTitle;                                       // title of the loaded question set
    std::array<QString, QuestionsPerSet + 1> QuestionText;  // entries 1..QuestionsPerSet
    std::array<QString, QuestionsPerSet + 1> AnswerA, AnswerB, AnswerC, AnswerD;
    std::array<QString, QuestionsPerSet + 1> CorrectAnswer; // "1".."4"
    int QuestionNumber = 0;                                 // question on show, one past the last after it
    std::array<int, QuestionsPerSet + 1> QuestionMarks{};   // 1 answered right, else 0
    int Score = 0;
    int ScoreOutOf = 0; // also an open activity's card count
    QString QuizHeading;
    int PageNumber = 0;
    int PageCount = 0;
    QString PageBase;
    std::optional<int> LogoFrame; // 0..19, shared across openings
};

// The shared variables on their own, for the logic: the readers and the store need no screen, so
// they link and run without a display. The program that links the logic defines it: the screens
// bind it to the variables' part of Module1 (app/module1.cpp); a program without screens binds it
// to a plain SharedState of its own.
extern SharedState& Shared;
