#include "platform/qtscalefactor.h"

#include <QByteArray>
#include <QScreen>
#include <QtGlobal>

// The private class has kept these two calls through every Qt 6 release we build on; a newer
// minor release falls back to the public route rather than failing to build.
#if QT_VERSION >= QT_VERSION_CHECK(6, 2, 0) && QT_VERSION < QT_VERSION_CHECK(6, 9, 0)
#define TELLWYN_QT_SCALE_IN_PROCESS 1
#include <QtGui/private/qhighdpiscaling_p.h>
#endif

bool programScaleFactorSettable() {
#ifdef TELLWYN_QT_SCALE_IN_PROCESS
    return true;
#else
    return false;
#endif
}

bool setProgramScaleFactor(double factor) {
#ifdef TELLWYN_QT_SCALE_IN_PROCESS
    QHighDpiScaling::setGlobalFactor(factor);
    return true;
#else
    (void)factor;
    return false;
#endif
}

void presetProgramScaleFactor(double factor) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(factor));
}

double screenScaleFactor(const QScreen& screen) {
#ifdef TELLWYN_QT_SCALE_IN_PROCESS
    return QHighDpiScaling::factor(&screen);
#else
    return screen.devicePixelRatio();
#endif
}
