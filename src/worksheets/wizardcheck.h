#pragma once

#include "quiz/questionset.h"

#include <QString>
#include <array>
#include <optional>

// The most characters the wizard's fields take; an imported worksheet keeps to them too, while one
// made by hand elsewhere may hold longer texts.
inline constexpr int TitleLength = 25;
inline constexpr int QuestionLength = 60;
inline constexpr int AnswerLength = 30;

// What the wizard's fields hold: answer k (0 = A .. 3 = D) of question i is answers[4i+k], its
// tick box ticks[4i+k].
struct WizardFields {
    QString title;
    std::array<QString, 10> questions;
    std::array<QString, 40> answers;
    std::array<int, 40> ticks{};
};

// The first thing that keeps a worksheet from being saved, as genwork tells the author; nothing
// when the worksheet is complete. Blanks count as content. After the checks for completeness, texts
// longer than the boxes allow (possible when editing a worksheet made elsewhere, whose texts the
// boxes keep whole) are named all together, so the author can shorten them.
std::optional<QString> genworkProblem(const WizardFields& fields);

// A complete worksheet as a question set: each question's right answer is its ticked box.
QuestionSet worksheetOf(const WizardFields& fields);
