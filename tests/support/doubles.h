#pragma once

#include "platform/files.h"
#include "platform/recordingprinter.h"
#include "platform/services.h"

#include <QDir>
#include <QSizeF>
#include <QStringList>
#include <deque>

// Test doubles for the services: they record what a person would have heard or seen, and answer
// as the test tells them.

class RecordingSound : public SoundDevice {
public:
    void play(const QString& absolutePath) override {
        played << QDir(dataFolder()).relativeFilePath(absolutePath);
    }
    // The requests as the screens wrote them, relative to the data folder with forward slashes.
    QStringList played;
};

class ScriptedMessages : public MessageBoxes {
public:
    MsgResult show(const QString& text, MsgButtons, const QString&) override {
        shown.push_back(text);
        if (answers.empty()) return MsgResult::OK;
        const MsgResult answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::vector<QString> shown;
    std::deque<MsgResult> answers; // answered in turn; OK when none is left
    QStringList texts() const { return QStringList(shown.begin(), shown.end()); }
};

class RecordingEnd : public ProgramEnd {
public:
    void end(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

// Always the first choice.
class FixedRandom : public RandomSource {
public:
    void randomize() override {}
    double next() override { return 0; }
};

class FixedDisplay : public DisplayArea {
public:
    explicit FixedDisplay(QSizeF twips) : size(twips) {}
    QSizeF sizeTwips() const override { return size; }
    QSizeF size;
};
