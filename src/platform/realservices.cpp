#include "platform/realservices.h"

#include "platform/files.h"
#include "platform/services.h"
#include "platform/units.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QLibrary>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

// Qt Multimedia brings two dozen libraries with it (audio servers, codecs, networking), so the
// device that uses it lives in a plugin loaded after the first screen is up, not at start.
class PluginSoundDevice : public SoundDevice {
public:
    void play(const QString& absolutePath) override {
        load();
        if (device_) device_->play(absolutePath);
    }
    void load() {
        if (tried_) return;
        tried_ = true;
        // Beside the program in a build folder; in the library folder once installed.
        const QString bin = QCoreApplication::applicationDirPath();
        for (const QString& dir : {bin, bin + QStringLiteral("/" TELLWYN_PLUGIN_FROM_BIN)}) {
            QLibrary library(dir + QStringLiteral("/tellwyn-sound"));
            using Factory = SoundDevice* (*)();
            if (auto create = reinterpret_cast<Factory>(library.resolve("tellwynCreateSoundDevice"))) {
                device_.reset(create());
                return;
            }
        }
        // Without the plugin (or an audio device) the program is silent, as with a missing file.
    }

private:
    bool tried_ = false;
    std::unique_ptr<SoundDevice> device_;
};

class DialogMessageBoxes : public MessageBoxes {
public:
    MsgResult show(const QString& text, MsgButtons buttons, const QString& title) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton,
                        QApplication::activeWindow());
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        if (buttons == MsgButtons::OKCancel) box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box.setDefaultButton(ok);
        box.exec();
        return box.clickedButton() == ok ? MsgResult::OK : MsgResult::Cancel;
    }
};

class EventLoopEnd : public ProgramEnd {
public:
    void end(int status) override {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        QCoreApplication::exit(status);
    }
};

class ScreenDisplay : public DisplayArea {
public:
    QSizeF sizeTwips() const override {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize px = screen ? screen->size() : QSize(800, 600);
        return QSizeF(px) * TwipsPerPixel;
    }
};

} // namespace

void installRealServices() {
    installQuietServices();
    Services& s = services();
    auto sound = std::make_shared<PluginSoundDevice>();
    s.sound = sound;
    QTimer::singleShot(300, qApp, [sound] { sound->load(); });
    s.messages = std::make_shared<DialogMessageBoxes>();
    s.programEnd = std::make_shared<EventLoopEnd>();
    s.display = std::make_shared<ScreenDisplay>();
    s.random->randomize();
}

void installProgramIcon() {
    // The publisher's logo marks every window and the program's taskbar entry.
    const QIcon icon(resolveDataPath(QStringLiteral("logo\\lume0000.gif")));
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
}
