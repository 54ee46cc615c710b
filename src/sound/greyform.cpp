#include "sound/greyform.h"

#include "platform/files.h"
#include "platform/services.h"

#include <QPaintEvent>
#include <QPainter>

void SoundControl::Play(const QString& relativePath) {
    const auto& device = services().sound;
    if (!device) return;
    try {
        device->play(resolveDataPath(relativePath));
    } catch (...) {
        // A sound is never worth an error: the caller goes on as if it had played.
    }
}

GreyForm::GreyForm() {
    becomeBackdrop();
    setNames("Grey", "Tellwyn");
    // A plain colour as large as the display: painting it once ourselves is much cheaper than
    // letting the window system clear the whole backing store first, and it is the first thing
    // painted at start.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    // No Exit of its own: a close given to the backdrop goes to the screen on top.
}

void GreyForm::paintEvent(QPaintEvent* e) {
    QPainter(this).fillRect(e->rect(), BackColor());
}

void GreyForm::Form_Load() {
    setBackColor(Colours::SoundFormBlue);
    // A backdrop behind every screen: as large as the display.
    if (const auto& display = services().display) {
        const QSizeF d = display->sizeTwips();
        move(0, 0);
        // Fixed, so that a window manager offers no way to resize it on its own.
        setFixedSize(twipsToPixels(static_cast<Twips>(d.width())),
                     twipsToPixels(static_cast<Twips>(d.height())));
    }
}
