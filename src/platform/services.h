#pragma once

#include <QSizeF>
#include <QString>
#include <memory>

class Printer;

// What the screens need from the world outside the program. The program installs real ones at
// start; tests install doubles that record and answer. Nothing else reaches for a global
// application service directly.

class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    // Starts playing the file and returns at once. Never throws; a missing or unreadable file,
    // or no audio device, is silence.
    virtual void play(const QString& absolutePath) = 0;
};

enum class MsgButtons { OK, OKCancel };
enum class MsgResult { OK, Cancel };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgResult show(const QString& text, MsgButtons buttons, const QString& title) = 0;
};

class ProgramEnd {
public:
    virtual ~ProgramEnd() = default;
    virtual void end(int status) = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void randomize() = 0; // seed from the clock
    virtual double next() = 0;    // uniform in [0, 1)
};

class DisplayArea {
public:
    virtual ~DisplayArea() = default;
    virtual QSizeF sizeTwips() const = 0;
};

struct Services {
    std::shared_ptr<SoundDevice> sound;
    std::shared_ptr<MessageBoxes> messages;
    std::shared_ptr<ProgramEnd> programEnd;
    std::shared_ptr<RandomSource> random;
    std::shared_ptr<DisplayArea> display;
    std::shared_ptr<Printer> printer; // may be null: no printer available
};

Services& services();

// The application's title, on message boxes that carry no title of their own.
inline const QString AppTitle = QStringLiteral("Tellwyn");

// Message box with the program's conventions: OK only and the application's title unless given.
MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK, const QString& title = AppTitle);

// Silent, non-interactive services: what a process has before anything real is installed.
void installQuietServices();
