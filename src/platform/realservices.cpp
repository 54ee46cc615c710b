#include "platform/realservices.h"

#include "platform/services.h"
#include "platform/units.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Plays through QSoundEffect, one effect per file kept for the run, so a repeated click starts at
// once. A request for a file that is still loading plays when it is ready.
class QtSoundDevice : public SoundDevice {
public:
    void play(const QString& absolutePath) override {
        if (absolutePath.isEmpty() || !QFileInfo(absolutePath).isFile())
            return;
        QSoundEffect*& effect = effects_[absolutePath];
        if (!effect) {
            effect = new QSoundEffect(qApp);
            QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
                if (effect->status() == QSoundEffect::Ready && effect->property("pending").toBool()) {
                    effect->setProperty("pending", false);
                    effect->play();
                }
            });
            effect->setSource(QUrl::fromLocalFile(absolutePath));
        }
        if (effect->status() == QSoundEffect::Ready) {
            effect->play();
        } else if (effect->status() != QSoundEffect::Error) {
            effect->setProperty("pending", true);
        }
    }

private:
    QHash<QString, QSoundEffect*> effects_;
};

class DialogMessageBoxes : public MessageBoxes {
public:
    MsgResult show(const QString& text, MsgButtons buttons, const QString& title) override {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::NoButton, QApplication::activeWindow());
        QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        if (buttons == MsgButtons::OKCancel)
            box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
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
    s.sound = std::make_shared<QtSoundDevice>();
    s.messages = std::make_shared<DialogMessageBoxes>();
    s.programEnd = std::make_shared<EventLoopEnd>();
    s.display = std::make_shared<ScreenDisplay>();
    s.random->randomize();
}
