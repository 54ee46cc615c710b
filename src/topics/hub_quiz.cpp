#include "topics/topichub.h"

#include "app/module1.h"
#include "platform/services.h"
#include "quiz/questionset.h"
#include "quiz/quizscreen.h"

// "Multiple Choice": loads the topic's question set and runs it as a quiz. A set that cannot be
// read whole is never run; the shared tables keep the set they held.
void TopicHub::openQuiz() {
    if (!LoadQuestionSet(topic().questionSet)) {
        MsgBox(QStringLiteral("The questions for this topic could not be read."));
        return;
    }
    // A quiz left open from an earlier run would go on with its old question number and marks.
    Module1.multiple.Unload();
    Module1.multiple->Picture1->setPicture(LoadPicture(topic().quizPicture));
    Module1.multiple->Label5->setCaption(QStringLiteral("Tellwyn"));
    Module1.multiple->certificateHeading = topic().title + QStringLiteral(": Multiple Choice");
    Module1.multiple->Show();
}
