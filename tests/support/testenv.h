#pragma once

#include "support/doubles.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

class Form;
class QWidget;
class RingMarker;

// A fresh world for one test case: an empty Module1, a temporary data folder (with copies of the
// bundled files a test asks for), and recording doubles for every service.
class TestEnv {
public:
    TestEnv();
    ~TestEnv();

    // Copies a folder of the bundled data into this case's folder ("wav", "multiple").
    void copyBundled(const QString& relativePath);
    // Writes a file into the data folder, creating its folder.
    void writeFile(const QString& relativePath, const QByteArray& bytes);
    QByteArray readFile(const QString& relativePath) const;
    QString path(const QString& relativePath) const;

    std::shared_ptr<RecordingSound> sound = std::make_shared<RecordingSound>();
    std::shared_ptr<ScriptedMessages> messages = std::make_shared<ScriptedMessages>();
    std::shared_ptr<RecordingEnd> programEnd = std::make_shared<RecordingEnd>();
    std::shared_ptr<FixedRandom> random = std::make_shared<FixedRandom>();
    std::shared_ptr<FixedDisplay> display = std::make_shared<FixedDisplay>(QSizeF(1024 * 15, 768 * 15));
    std::shared_ptr<RecordingPrinter> printer = std::make_shared<RecordingPrinter>();

private:
    QTemporaryDir dir_;
};

// Lets queued events, zero-length timers and deferred deletions run.
void settle();

// Drives controls the way a person does: at the pixel that a twip position maps to.
void clickControl(QWidget* control);
// What the window manager sends for the title-bar button or Alt+F4: a close to the window.
void closeFromWindowManager(Form& screen);
// The focus ring on show round the control that has the window's focus, if any.
RingMarker* focusRing(QWidget* window);
QString bundledDataFolder();

// A whole file's bytes, empty when it cannot be read; and a file written whole, its folder made.
QByteArray fileBytes(const QString& path);
void writeFileBytes(const QString& path, const QByteArray& bytes);
