#pragma once

#include <QString>
#include <array>
#include <vector>

class RandomSource;

// One question the pupil answered wrongly, as the mistakes sheet and a practice round need it.
struct MissedQuestion {
    int number = 0; // 1..10 in the quiz
    QString text;
    std::array<QString, 4> answers; // A..D
    QString correct;                // the stored digit "1".."4"
    int pupilAnswer = 0;            // 1..4, or 0 when nothing was ticked
};

// A practice round over the questions a pupil got wrong: the answers of each question stand in a
// new order every round, a round's marks never reach the quiz's score, and another round takes
// only those still wrong.
class PracticeRound {
public:
    PracticeRound(std::vector<MissedQuestion> missed, RandomSource& random);

    int size() const { return static_cast<int>(round_.size()); }
    int position() const { return position_; } // 0-based, size() once the round is over
    bool finished() const { return position_ >= size(); }
    const MissedQuestion& current() const { return round_.at(position_); }
    // The answer shown on button 1..4 of the current question.
    QString answerOnButton(int button) const;
    // The button (1 to 4) showing the current question's right answer; 0 once the round is over.
    int rightButton() const;

    // Marks the current question with the button ticked (0 for none) and moves on.
    void markAndNext(int tickedButton);
    // Goes back one question; its mark is taken again when the pupil moves on.
    void back();

    // The questions of the first round that are now right, over all rounds.
    int nowRight() const { return total_ - static_cast<int>(stillWrong().size()); }
    int total() const { return total_; }
    // "You now have 2 of 3 right."
    QString summary() const;
    bool anyStillWrong() const { return !stillWrong().empty(); }
    // Starts another round of the questions still wrong, their answers shuffled anew.
    void startAgain();

private:
    std::vector<MissedQuestion> stillWrong() const;
    void shuffleAll();

    RandomSource& random_;
    int total_ = 0;
    std::vector<MissedQuestion> round_;
    std::vector<std::array<int, 4>> order_; // per question: order_[q][button - 1] = answer 0..3
    std::vector<int> marks_;
    int position_ = 0;
};

// A new order of the four answers, never the one shown last time (when that is given).
std::array<int, 4> shuffledAnswers(RandomSource& random, const std::array<int, 4>* last = nullptr);
