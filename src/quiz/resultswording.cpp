#include "quiz/resultswording.h"

#include "platform/numbertext.h"

#include <QStringList>
#include <algorithm>

ScoreBand scoreBand(int score, int outOf) {
    if (score == outOf) return ScoreBand::FullMarks;
    if (score == outOf - 1 || score == outOf - 2) return ScoreBand::Close;
    if (score < outOf - 2) return ScoreBand::Far;
    return ScoreBand::Beyond;
}

QString scoreSentence(int score, int outOf) {
    QString prefix;
    switch (scoreBand(score, outOf)) {
    case ScoreBand::FullMarks:
        prefix = QStringLiteral("Excellent work. You have scored");
        break;
    case ScoreBand::Close:
        prefix = QStringLiteral("Good work. You have scored");
        break;
    case ScoreBand::Far:
        prefix = QStringLiteral("You have scored");
        break;
    case ScoreBand::Beyond:
        return {};
    }
    return prefix + withSign(score) + QStringLiteral(" out of") + withSign(outOf) + QLatin1Char('.');
}

namespace {
QStringList soundsFor(int score) {
    switch (score) {
    case 10:
        return {"wav\\fanf2.wav", "wav\\fanf3.wav"};
    case 9:
        return {"wav\\crowd.wav", "wav\\cheer2.wav", "wav\\klaxon.wav"};
    case 8:
        return {"wav\\flute.wav", "wav\\gong.wav", "wav\\clap2.wav"};
    case 7:
        return {"wav\\drumroll.wav", "wav\\laser2.wav", "wav\\whizz.wav"};
    case 6:
        return {"wav\\clap3.wav", "wav\\clown.wav"};
    default:
        return {};
    }
}
} // namespace

int celebrationChoices(int score) {
    return static_cast<int>(soundsFor(score).size());
}

QString celebrationSound(int score, double uniform) {
    const QStringList sounds = soundsFor(score);
    if (sounds.isEmpty()) return {};
    // A source that strays outside [0, 1) still picks one of the row's sounds.
    const int r =
        std::clamp(static_cast<int>(uniform * sounds.size()), 0, static_cast<int>(sounds.size()) - 1);
    return sounds[r];
}
