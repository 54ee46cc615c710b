#include "platform/services.h"

#include <QRandomGenerator>

namespace {

class SilentSound : public SoundDevice {
public:
    void play(const QString&) override {}
};

class AnswerOK : public MessageBoxes {
public:
    MsgResult show(const QString&, MsgButtons, const QString&) override { return MsgResult::OK; }
};

class NoEnd : public ProgramEnd {
public:
    void end(int) override {}
};

class ClockRandom : public RandomSource {
public:
    void randomize() override { gen_.seed(QRandomGenerator::system()->generate()); }
    double next() override { return gen_.generateDouble(); }

private:
    QRandomGenerator gen_{1};
};

class FixedDisplay : public DisplayArea {
public:
    QSizeF sizeTwips() const override { return {1024 * 15.0, 768 * 15.0}; }
};

} // namespace

Services& services() {
    static Services s;
    return s;
}

void installQuietServices() {
    Services& s = services();
    s.sound = std::make_shared<SilentSound>();
    s.messages = std::make_shared<AnswerOK>();
    s.programEnd = std::make_shared<NoEnd>();
    s.random = std::make_shared<ClockRandom>();
    s.display = std::make_shared<FixedDisplay>();
    s.printer.reset();
}

MsgResult MsgBox(const QString& text, MsgButtons buttons, const QString& title) {
    auto& m = services().messages;
    return m ? m->show(text, buttons, title) : MsgResult::OK;
}
