#include "support/testenv.h"

#include "app/module1.h"
#include "platform/eventloop.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/ring.h"
#include "records/recorder.h"

#include <QCloseEvent>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTest>

QString bundledDataFolder() {
    const QByteArray env = qgetenv("TELLWYN_DATA");
    return env.isEmpty() ? QStringLiteral(TELLWYN_SOURCE_DATA_DIR) : QString::fromLocal8Bit(env);
}

TestEnv::TestEnv() {
    Module1.reset();
    registerBundledFonts();
    setDataFolder(dir_.path());
    QDir(dir_.path()).mkpath("multiple");
    Services& s = services();
    s.sound = sound;
    s.messages = messages;
    s.programEnd = programEnd;
    s.random = random;
    s.display = display;
    s.printer = std::make_shared<Printer>(printer);
    Form::afterUnload = nullptr;
    // No class on this machine, and nothing recorded, unless a case makes one.
    Recorder::instance().reset();
    setRecordsConfig({path(QStringLiteral("records/records.sqlite")), std::nullopt, {}});
}

TestEnv::~TestEnv() {
    Module1.reset();
    settle();
    installQuietServices();
}

void TestEnv::copyBundled(const QString& relativePath) {
    const QString from = bundledDataFolder() + '/' + relativePath;
    for (QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString src = it.next();
        const QString dst = path(relativePath) + src.mid(from.size());
        QDir().mkpath(QFileInfo(dst).path());
        QFile::remove(dst);
        QFile::copy(src, dst);
    }
}

void TestEnv::writeFile(const QString& relativePath, const QByteArray& bytes) {
    writeFileBytes(path(relativePath), bytes);
}

QByteArray TestEnv::readFile(const QString& relativePath) const {
    return fileBytes(path(relativePath));
}

QString TestEnv::path(const QString& relativePath) const {
    return dir_.path() + '/' + relativePath;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFileBytes(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
}

void settle() {
    processEventsFor(0);
}

void clickControl(QWidget* control) {
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier,
                      QPoint(control->width() / 2, control->height() / 2));
}

void closeFromWindowManager(Form& screen) {
    screen.winId();
    QCloseEvent close;
    QCoreApplication::sendEvent(screen.windowHandle(), &close);
    settle();
}

RingMarker* focusRing(QWidget* window) {
    // RingMarker has no meta-object of its own: findChildren<RingMarker*> would match every widget.
    for (QWidget* w : window->findChildren<QWidget*>())
        if (auto* r = dynamic_cast<RingMarker*>(w);
            r && r->isVisible() && r->target() == window->focusWidget())
            return r;
    return nullptr;
}
