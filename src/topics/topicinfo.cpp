#include "topics/topicinfo.h"

#include "platform/colours.h"

const TopicInfo& moonTopic() {
    static const TopicInfo t{"The Moon Landings",
                             Colours::ScreenBlue,
                             "Images\\lunarmodule.jpg",
                             "multiple\\The Moon Landings.txt",
                             "images\\lunarmodulesm.jpg",
                             "key moon",
                             "wmf\\key moona.wmf",
                             "wmf2\\key moona.wmf",
                             "moon",
                             "wmf\\moon.wmf",
                             "wmf2\\moon.wmf"};
    return t;
}

const TopicInfo& caesarTopic() {
    static const TopicInfo t{"Julius Caesar",
                             Colours::Bronze,
                             "Images\\vercingetorix.jpg",
                             "multiple\\Julius Caesar.txt",
                             "images\\caesarsm.jpg",
                             "key caesar",
                             "wmf\\key caesar.wmf",
                             "wmf2\\key caesar.wmf",
                             "caesar",
                             "wmf\\caesar.wmf",
                             "wmf2\\caesar.wmf"};
    return t;
}
