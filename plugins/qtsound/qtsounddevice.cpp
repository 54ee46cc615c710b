// The sound device on Qt Multimedia, built as a plugin so that the program starts without loading
// Qt Multimedia and everything it brings.
#include "platform/services.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

// One effect per file, kept for the run, so a repeated click starts at once. A request for a file
// that is still loading plays when it is ready.
class QtSoundDevice : public SoundDevice {
public:
    void play(const QString& absolutePath) override {
        if (absolutePath.isEmpty() || !QFileInfo(absolutePath).isFile()) return;
        QSoundEffect*& effect = effects_[absolutePath];
        if (!effect) {
            effect = new QSoundEffect(QCoreApplication::instance());
            QObject::connect(effect, &QSoundEffect::statusChanged, effect, [effect] {
                if (effect->status() == QSoundEffect::Ready && effect->property("pending").toBool()) {
                    effect->setProperty("pending", false);
                    effect->play();
                }
            });
            effect->setSource(QUrl::fromLocalFile(absolutePath));
        }
        if (effect->status() == QSoundEffect::Ready)
            effect->play();
        else if (effect->status() != QSoundEffect::Error)
            effect->setProperty("pending", true);
    }

private:
    QHash<QString, QSoundEffect*> effects_;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundDevice* tellwynCreateSoundDevice() {
    return new QtSoundDevice;
}
