#include "app/setupscreen.h"

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/form.h"
#include "platform/services.h"

#include <QApplication>
#include <QCursor>

void SetupScreen(Form& screen, PictureBox* logo) {
    // Every framed screen uses Tahoma; the program registers it just after its first screen is up.
    registerBundledFonts();
    screen.setBackColor(Colours::ScreenBlue);
    screen.setCaption(QStringLiteral("Tellwyn"));
    if (logo) logo->setBackColor(Colours::LogoBlue);
    screen.setOuterSize(12000, 9000);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (const auto& display = services().display) screen.centreIn(display->sizeTwips());
    QApplication::restoreOverrideCursor();
}
