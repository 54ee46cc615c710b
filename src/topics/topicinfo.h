#pragma once

#include <QColor>
#include <QString>

// What makes the two topic hubs differ.
struct TopicInfo {
    QString title;
    QColor background;
    QString hubPicture;
    QString questionSet;
    QString quizPicture;
    QString keyFactsBase, keyFactsScreenPage, keyFactsPrintPage;
    QString notesBase, notesScreenPage, notesPrintPage;
};

const TopicInfo& moonTopic();
const TopicInfo& caesarTopic();
