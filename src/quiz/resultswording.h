#pragma once

#include <QString>

// How the results screen words a score of S out of T, and which sound celebrates it.

enum class ScoreBand {
    FullMarks, // S = T: the certificate is offered
    Close,     // one or two short
    Far,       // more than two short
    Beyond,    // S > T: no caller produces it; the sentence is left as it was
};

ScoreBand scoreBand(int score, int outOf);

// "Excellent work. You have scored 10 out of 10." and its siblings; empty for ScoreBand::Beyond.
QString scoreSentence(int score, int outOf);

// How many sounds the raw score (not the score relative to its total) chooses from; 0 for silence.
int celebrationChoices(int score);

// The sound for a raw score and a uniform draw in [0, 1); empty when the score earns none.
QString celebrationSound(int score, double uniform);
