#pragma once

#include "platform/files.h"
#include "platform/recordingprinter.h"
#include "platform/services.h"

#include <QDir>
#include <QSizeF>
#include <QStringList>
#include <deque>
#include <memory>

// Test doubles for the services: they record what a person would have heard or seen, and answer
// as the test tells them.

// The first of the answers a test queued, or the fallback once they are used up.
template <typename T> T takeNext(std::deque<T>& queue, T fallback) {
    if (queue.empty()) return fallback;
    const T v = queue.front();
    queue.pop_front();
    return v;
}

class RecordingSound : public SoundDevice {
public:
    void play(const QString& absolutePath) override {
        played << QDir(dataFolder()).relativeFilePath(absolutePath);
    }
    // The requests as the screens wrote them, relative to the data folder with forward slashes.
    QStringList played;
};

struct ShownMessage {
    QString text;
    MsgButtons buttons;
    QString title;
};

class ScriptedMessages : public MessageBoxes {
public:
    MsgResult show(const QString& text, MsgButtons buttons, const QString& title) override {
        shown.push_back({text, buttons, title});
        return takeNext(answers, MsgResult::OK);
    }
    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers; // answered in turn; OK when none is left
    QStringList texts() const {
        QStringList t;
        for (const auto& m : shown)
            t << m.text;
        return t;
    }
};

class RecordingEnd : public ProgramEnd {
public:
    void end(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

class FixedRandom : public RandomSource {
public:
    void randomize() override { ++seeded; }
    double next() override { return takeNext(values, 0.0); }
    std::deque<double> values; // returned in turn; 0 when none is left
    int seeded = 0;
};

class FixedDisplay : public DisplayArea {
public:
    explicit FixedDisplay(QSizeF twips) : size(twips) {}
    QSizeF sizeTwips() const override { return size; }
    QSizeF size;
};
