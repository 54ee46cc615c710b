#include "app/commandline.h"
#include "app/displayscale.h"
#include "app/importcommand.h"
#include "app/module1.h"
#include "app/printersetup.h"
#include "app/recordscommand.h"
#include "app/titlescreen.h"
#include "app/worksheetfolder.h"
#include "platform/fonts.h"
#include "platform/realservices.h"
#include "records/recorder.h"
#include "sound/greyform.h"

#include <QApplication>
#include <QEvent>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <utility>

namespace {

// Runs a step once the title screen has been painted: work that the first screen does not need
// waits until the pupil can see something. The title's frame covers the whole window, so the
// paint arrives at a child, not at the window itself.
class AfterFirstPaint : public QObject {
public:
    AfterFirstPaint(QWidget* screen, std::function<void()> step) : screen_(screen), step_(std::move(step)) {}
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && step_) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w && w->window() == screen_) QTimer::singleShot(0, qApp, std::exchange(step_, nullptr));
        }
        return QObject::eventFilter(watched, e);
    }

private:
    QWidget* screen_;
    std::function<void()> step_;
};

QStringList argumentsOf(int argc, char** argv) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

} // namespace

int main(int argc, char** argv) {
    const CommandLine cmd = parseCommandLine(argumentsOf(argc, argv));
    if (!cmd.error.isEmpty()) {
        std::fprintf(stderr, "tellwyn: %s\n\n%s", qPrintable(cmd.error),
                     qPrintable(usageText() + recordsUsage()));
        return 2;
    }
    if (cmd.help) {
        std::fputs(qPrintable(usageText() + recordsUsage()), stdout);
        return 0;
    }
    if (cmd.version) {
        std::printf("Tellwyn %s\n", TELLWYN_VERSION);
        return 0;
    }
    if (!cmd.importFiles.isEmpty()) return runImportCommand(cmd, argc, argv);
    if (cmd.records.any()) return runRecordsCommand(cmd.records, argc, argv);

    const std::optional<double> scaleChoice =
        cmd.scale.isEmpty() ? rememberedDisplayScale() : parseDisplayScale(cmd.scale);
    presetDisplayScale(scaleChoice);
    std::jthread fontConfiguration = readFontConfigurationEarly();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tellwyn"));
    QApplication::setApplicationVersion(QStringLiteral(TELLWYN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(TELLWYN_APP_ID));
    if (!cmd.qtStyle) QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Before the first window: every screen, message box and the backdrop is drawn at this size.
    applyDisplayScale(resolveDisplayScale(scaleChoice));
    // Screens come and go; the program ends by its own Exit, or when no screen is left.
    QApplication::setQuitOnLastWindowClosed(false);

    if (const QString problem = setUpFolders(cmd, QCoreApplication::applicationDirPath());
        !problem.isEmpty()) {
        std::fprintf(stderr, "tellwyn: %s\n", qPrintable(problem));
        return 1;
    }
    installRealServices();
    installPrinter(cmd.printToPdfDir);
    // Results waiting for the school's server go now, and later ones as they come.
    Recorder::instance().startSender();

    Form::afterUnload = [] {
        // Only the backdrop left: nothing for anyone to click, so the program ends.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* f = dynamic_cast<Form*>(w); f && !f->isUnloaded() && f->isVisible() && !f->isBackdrop())
                return;
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    };

    // The title screen is what the pupil waits for, so it is painted first. The backdrop, a plain
    // colour as large as the display, is a good part of the start's work to paint; it follows
    // straight after. The title screen uses no Tahoma: the fonts can wait until it is up too.
    Module1.Grey->setUpdatesEnabled(false);
    // A title screen that is not painted (started minimised, say) does not keep the backdrop bare.
    QTimer::singleShot(1000, &*Module1.Grey, [] { Module1.Grey->setUpdatesEnabled(true); });
    AfterFirstPaint afterPaint(&*Module1.Titlefrm, [quit = cmd.quitAfterFirstPaint] {
        if (quit) {
            // Nothing is saved at the end, so tearing down the screens and Qt would only free
            // memory and keep the start-up benchmark waiting.
            std::fflush(nullptr);
            std::_Exit(0);
        }
        Module1.Grey->setUpdatesEnabled(true);
        registerBundledFonts();
        installProgramIcon();
    });
    app.installEventFilter(&afterPaint);
    // The first text drawn needs the font configuration. Were it still being read here, Qt would
    // read it a second time on this thread rather than wait.
    if (fontConfiguration.joinable()) fontConfiguration.join();
    Module1.Titlefrm->Show();

    const int status = QApplication::exec();
    Form::afterUnload = nullptr;
    Recorder::instance().stopSender();
    Module1.reset();
    return status;
}
