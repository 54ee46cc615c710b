#include "topics/topicinfo.h"

const TopicInfo& moonTopic() {
    static const TopicInfo t{"The Moon Landings",
                             QColor(39, 63, 137),
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
                             QColor(126, 110, 59),
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
