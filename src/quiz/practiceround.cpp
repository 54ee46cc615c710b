#include "quiz/practiceround.h"

#include "platform/services.h"
#include "quiz/quizmarking.h"

#include <algorithm>
#include <numeric>

std::array<int, 4> shuffledAnswers(RandomSource& random, const std::array<int, 4>* last) {
    std::array<int, 4> order{};
    std::iota(order.begin(), order.end(), 0);
    // Fisher-Yates on the program's random source, so a test can fix the order.
    for (int i = 3; i > 0; --i) {
        const int j = std::clamp(static_cast<int>(random.next() * (i + 1)), 0, i);
        std::swap(order[i], order[j]);
    }
    if (last && order == *last) std::rotate(order.begin(), order.begin() + 1, order.end());
    return order;
}

PracticeRound::PracticeRound(std::vector<MissedQuestion> missed, RandomSource& random)
    : random_(random), total_(static_cast<int>(missed.size())), round_(std::move(missed)) {
    random_.randomize();
    shuffleAll();
}

void PracticeRound::shuffleAll() {
    std::vector<std::array<int, 4>> last = std::move(order_);
    order_.clear();
    for (size_t q = 0; q < round_.size(); ++q) {
        // A question keeps its place in the list of still-wrong ones, but its answers move.
        const std::array<int, 4>* before = q < last.size() ? &last[q] : nullptr;
        order_.push_back(shuffledAnswers(random_, before));
    }
    marks_.assign(round_.size(), 0);
    position_ = 0;
}

QString PracticeRound::answerOnButton(int button) const {
    if (finished() || button < 1 || button > 4) return {};
    return current().answers[order_[position_][button - 1]];
}

int PracticeRound::rightButton() const {
    if (finished()) return 0;
    const auto& order = order_[position_];
    const auto at = std::ranges::find(order, current().correct.toInt() - 1);
    return at == order.end() ? 0 : static_cast<int>(at - order.begin()) + 1;
}

void PracticeRound::markAndNext(int tickedButton) {
    if (finished()) return;
    const int answer = tickedButton >= 1 && tickedButton <= 4 ? order_[position_][tickedButton - 1] + 1 : 0;
    // The quiz's own marking, on the answer behind the ticked button.
    marks_[position_] = markAnswer(current().correct, answer);
    ++position_;
}

void PracticeRound::back() {
    if (position_ > 0) --position_;
}

std::vector<MissedQuestion> PracticeRound::stillWrong() const {
    std::vector<MissedQuestion> wrong;
    for (size_t q = 0; q < round_.size(); ++q)
        if (q >= marks_.size() || marks_[q] == 0) wrong.push_back(round_[q]);
    return wrong;
}

QString PracticeRound::summary() const {
    return QStringLiteral("You now have %1 of %2 right.").arg(nowRight()).arg(total_);
}

void PracticeRound::startAgain() {
    std::vector<MissedQuestion> wrong = stillWrong();
    // The orders of the questions that stay, so that none comes back in the same order.
    std::vector<std::array<int, 4>> kept;
    for (size_t q = 0; q < round_.size(); ++q)
        if (marks_[q] == 0) kept.push_back(order_[q]);
    round_ = std::move(wrong);
    order_ = std::move(kept);
    shuffleAll();
}
