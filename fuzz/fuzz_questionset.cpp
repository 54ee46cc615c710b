// libFuzzer target for the question-set reader: any file loads whole or is refused with a reason,
// a loaded set's right answers are digits 1 to 4, a refused one leaves the shared question tables
// as they were, and a loaded set written out again reads back the same.
#include "fuzz_shared.h"
#include "platform/files.h"
#include "quiz/questionset.h"

namespace {

using Table = std::array<QString, 11> SharedState::*;
constexpr Table Texts[] = {&SharedState::QuestionText, &SharedState::AnswerA, &SharedState::AnswerB,
                           &SharedState::AnswerC, &SharedState::AnswerD};

// The reader skips leading blanks, so a text that a quoted field gave them loses them.
bool readsBack(const QString& was, const QString& now) {
    return now == was || was.startsWith(' ') || was.startsWith('\t');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzDataFolder();
    writeDataFile("multiple/Fuzz.txt", fuzzBytes(data, size));
    const SharedState before = Shared;
    QString problem;
    if (!LoadQuestionSet("multiple\\fuzz.txt", &problem)) {
        FUZZ_CHECK(!problem.isEmpty());
        FUZZ_CHECK(Shared.SetTitle == before.SetTitle && Shared.CorrectAnswer == before.CorrectAnswer);
        for (Table t : Texts)
            FUZZ_CHECK(Shared.*t == before.*t);
        return 0;
    }
    const SharedState loaded = Shared;
    QuestionSet set;
    set.title = loaded.SetTitle;
    for (int i = 1; i <= 10; ++i) {
        FUZZ_CHECK(loaded.CorrectAnswer[i].size() == 1 && loaded.CorrectAnswer[i][0] >= '1' &&
                   loaded.CorrectAnswer[i][0] <= '4');
        set.questions[i - 1] = {loaded.QuestionText[i],
                                {loaded.AnswerA[i], loaded.AnswerB[i], loaded.AnswerC[i], loaded.AnswerD[i]},
                                loaded.CorrectAnswer[i]};
    }
    // What the store would write from the loaded tables reads back as the same set.
    FUZZ_CHECK(writeTextFileAtomically(resolveDataPath("multiple/Again.txt"), questionSetLines(set)));
    FUZZ_CHECK(LoadQuestionSet("multiple/Again.txt"));
    FUZZ_CHECK(readsBack(loaded.SetTitle, Shared.SetTitle) && Shared.CorrectAnswer == loaded.CorrectAnswer);
    for (Table t : Texts)
        for (int i = 1; i <= 10; ++i)
            FUZZ_CHECK(readsBack((loaded.*t)[i], (Shared.*t)[i]));
    return 0;
}
