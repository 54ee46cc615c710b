#pragma once

#include "platform/recordingprinter.h"
#include "platform/services.h"

#include <QSizeF>
#include <QStringList>
#include <deque>
#include <memory>

// Test doubles for the services: they record what a person would have heard or seen, and answer
// as the test tells them.

class RecordingSound : public SoundDevice {
public:
    void play(const QString& absolutePath) override;
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
    MsgResult show(const QString& text, MsgButtons buttons, const QString& title) override;
    std::vector<ShownMessage> shown;
    std::deque<MsgResult> answers; // answered in turn; OK when none is left
    QStringList texts() const;
};

class RecordingEnd : public ProgramEnd {
public:
    void end(int status) override { statuses.push_back(status); }
    std::vector<int> statuses;
};

class FixedRandom : public RandomSource {
public:
    void randomize() override { ++seeded; }
    double next() override;
    std::deque<double> values; // returned in turn; 0 when none is left
    int seeded = 0;
};

class FixedDisplay : public DisplayArea {
public:
    explicit FixedDisplay(QSizeF twips) : size(twips) {}
    QSizeF sizeTwips() const override { return size; }
    QSizeF size;
};
