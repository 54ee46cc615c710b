// libFuzzer target for the question-set reader: any file loads whole or is refused with a reason,
// a loaded set's right answers are digits 1 to 4, a refused one leaves the shared question tables
// as they were, and a loaded set written out again reads back the same.
#include "fuzz_shared.h"
#include "platform/files.h"
#include "quiz/questionset.h"

namespace {

bool sameTables(const SharedState& a, const SharedState& b) {
    return a.SetTitle == b.SetTitle && a.QuestionText == b.QuestionText && a.AnswerA == b.AnswerA &&
           a.AnswerB == b.AnswerB && a.AnswerC == b.AnswerC && a.AnswerD == b.AnswerD &&
           a.CorrectAnswer == b.CorrectAnswer;
}

void checkLoaded() {
    for (int i = 1; i <= 10; ++i) {
        const QString& right = Shared.CorrectAnswer[i];
        FUZZ_CHECK(right.size() == 1 && right[0] >= '1' && right[0] <= '4');
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzDataFolder();
    writeDataFile("multiple/Fuzz.txt", fuzzBytes(data, size));
    const SharedState before = Shared;
    QString problem;
    if (!LoadQuestionSet("multiple\\fuzz.txt", &problem)) {
        FUZZ_CHECK(!problem.isEmpty());
        FUZZ_CHECK(sameTables(Shared, before));
        return 0;
    }
    checkLoaded();
    // What the store would write from the loaded tables reads back as the same set.
    QuestionSet set;
    set.title = Shared.SetTitle;
    for (int i = 0; i < 10; ++i) {
        set.questions[i] = {
            Shared.QuestionText[i + 1],
            {Shared.AnswerA[i + 1], Shared.AnswerB[i + 1], Shared.AnswerC[i + 1], Shared.AnswerD[i + 1]},
            Shared.CorrectAnswer[i + 1]};
    }
    const SharedState loaded = Shared;
    FUZZ_CHECK(writeTextFileAtomically(resolveDataPath("multiple/Again.txt"), questionSetLines(set)));
    FUZZ_CHECK(LoadQuestionSet("multiple/Again.txt"));
    // The reader skips leading blanks, so a text that a quoted field gave them loses them.
    auto same = [](const QString& was, const QString& now) {
        return now == was || (was.startsWith(' ') || was.startsWith('\t'));
    };
    FUZZ_CHECK(same(loaded.SetTitle, Shared.SetTitle));
    for (int i = 1; i <= 10; ++i) {
        FUZZ_CHECK(same(loaded.QuestionText[i], Shared.QuestionText[i]));
        FUZZ_CHECK(same(loaded.AnswerA[i], Shared.AnswerA[i]) && same(loaded.AnswerB[i], Shared.AnswerB[i]));
        FUZZ_CHECK(same(loaded.AnswerC[i], Shared.AnswerC[i]) && same(loaded.AnswerD[i], Shared.AnswerD[i]));
    }
    FUZZ_CHECK(Shared.CorrectAnswer == loaded.CorrectAnswer);
    return 0;
}
