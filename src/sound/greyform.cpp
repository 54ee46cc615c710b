#include "sound/greyform.h"

#include "platform/files.h"
#include "platform/services.h"

void SoundControl::Play(const QString& relativePath) {
    const auto& device = services().sound;
    if (!device)
        return;
    try {
        device->play(resolveDataPath(relativePath));
    } catch (...) {
        // A sound is never worth an error: the caller goes on as if it had played.
    }
}

GreyForm::GreyForm() {
    setWindowFlag(Qt::FramelessWindowHint);
    setObjectName(QStringLiteral("Grey"));
}

void GreyForm::Form_Load() {
    setBackColor(RGB(48, 133, 214));
    // A backdrop behind every screen: as large as the display.
    if (const auto& display = services().display) {
        const QSizeF d = display->sizeTwips();
        setGeometry(0, 0, twipsToPixels(static_cast<Twips>(d.width())), twipsToPixels(static_cast<Twips>(d.height())));
    }
}
