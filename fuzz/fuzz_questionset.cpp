// libFuzzer target for the question-set reader: any file loads whole or is refused with a reason,
// a loaded set's right answers are digits 1 to 4, a refused one leaves the shared question tables
// as they were, and a loaded set written out again reads back the same.
#include "fuzz_shared.h"
#include "platform/files.h"
#include "quiz/questionset.h"

namespace {

// The reader skips leading blanks, so a text that a quoted field gave them loses them.
bool readsBack(const QString& was, const QString& now) {
    return now == was || was.startsWith(' ') || was.startsWith('\t');
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzDataFolder();
    writeDataFile("multiple/Fuzz.txt", fuzzBytes(data, size));
    const QuestionSet before = questionSetInModule1();
    QString problem;
    if (!LoadQuestionSet("multiple\\fuzz.txt", &problem)) {
        FUZZ_CHECK(!problem.isEmpty());
        FUZZ_CHECK(sameSet(questionSetInModule1(), before));
        return 0;
    }
    // What the store would write from the loaded tables reads back as the same set.
    const QuestionSet loaded = questionSetInModule1();
    FUZZ_CHECK(writeTextFileAtomically(resolveDataPath("multiple/Again.txt"), questionSetLines(loaded)));
    FUZZ_CHECK(LoadQuestionSet("multiple/Again.txt"));
    const QuestionSet again = questionSetInModule1();
    FUZZ_CHECK(readsBack(loaded.title, again.title));
    for (int i = 0; i < QuestionsPerSet; ++i) {
        const Question &was = loaded.questions[i], &now = again.questions[i];
        FUZZ_CHECK(was.correct.size() == 1 && was.correct[0] >= '1' && was.correct[0] <= '4');
        FUZZ_CHECK(now.correct == was.correct && readsBack(was.text, now.text));
        for (int k = 0; k < 4; ++k)
            FUZZ_CHECK(readsBack(was.answers[k], now.answers[k]));
    }
    return 0;
}
