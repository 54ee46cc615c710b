#pragma once

#include <QString>
#include <array>
#include <optional>

// The program's shared state: plain globals of the process, empty at start, never saved.
// A value that may still be empty is an optional; an empty one equals no number.
struct SharedState {
    std::optional<int> SoundOn;                // 1 sounds on, 0 off; empty until the menu loads
    int WorksheetCount = 0;                    // titles listed in the worksheet index
    std::array<QString, 1001> WorksheetTitles; // entries 1..WorksheetCount used
    QString SelectedWorksheet;                 // the title the catalogue is about to delete
    int CataloguePage = 0;                     // zero-based page of the catalogue
    QString SetTitle;                          // title of the loaded question set
    std::array<QString, 11> QuestionText;      // entries 1..10
    std::array<QString, 11> AnswerA, AnswerB, AnswerC, AnswerD;
    std::array<QString, 11> CorrectAnswer; // "1".."4"
    int QuestionNumber = 0;                // question on show, 11 after the last
    std::array<int, 11> QuestionMarks{};   // 1 answered right, else 0
    int Score = 0;
    int ScoreOutOf = 0; // also an open activity's card count
    QString QuizHeading;
    int PageNumber = 0;
    int PageCount = 0;
    QString PageBase;
    std::optional<int> LogoFrame; // 0..19, shared across openings
};

// The shared variables on their own, for the readers and the store: they need no screen, so they
// link and run without a display. In the program this is the variables' part of Module1.
extern SharedState& Shared;
