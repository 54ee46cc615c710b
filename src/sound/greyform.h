#pragma once

#include "platform/form.h"

#include <QString>

// The sound-playing control: hands a relative .wav path to the sound device and returns at once.
class SoundControl {
public:
    void Play(const QString& relativePath);
};

// The borderless backdrop in the program's blue that carries the sound control; it lies behind
// every screen and is the program's one entry in the taskbar.
class GreyForm : public Form {
public:
    GreyForm();
    void Form_Load() override;

    SoundControl SndDevil1;

protected:
    void paintEvent(QPaintEvent*) override;
};
