#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"
#include "topics/topicinfo.h"

// A topic's hub: its picture, title and the buttons to its quiz, activities and reading pages.
// The two hubs are twins that differ only in their TopicInfo.
class TopicHub : public Form {
public:
    explicit TopicHub(const TopicInfo& topic, TwipRect pictureRect);
    void Form_Load() override;
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

    const TopicInfo& topic() const { return topic_; }

    ImageBox* Image1;
    Label* Label1; // the topic title
    enum Label3Index : int {
        MultipleChoice = 0,
        LabellingActivity = 1,
        ExitButton = 2,
        OrderingActivity = 3,
        KeyFacts = 4,
        TeachersNotes = 5,
    };
    ControlArray<Label> Label3;

    void Label3_Click(int Index);

protected:
    // Each opens a screen from another folder; a hub knows only which one belongs to its topic.
    void openQuiz();
    enum class Activity { Labelling, Ordering };
    virtual void openActivity(Activity which) = 0;
    void openKeyFacts();
    void openTeachersNotes();

private:
    const TopicInfo& topic_;
};

class MoonHub : public TopicHub {
public:
    MoonHub();

protected:
    void openActivity(Activity which) override;
};

class CaesarHub : public TopicHub {
public:
    CaesarHub();

protected:
    void openActivity(Activity which) override;
};
