// Renders every screen to PNG on the offscreen platform:
// tellwyn-screenshots [--check] [--scale N] OUTDIR [DATADIR], with --scale as the program has it.
// --check lists every caption that is cut off or too faint, and fails when there is one.
#include "app/displayscale.h"
#include "app/module1.h"
#include "legibility.h"
#include "platform/eventloop.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "shots.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <exception>

std::vector<ShotSet>& shotSets() {
    static std::vector<ShotSet> sets;
    return sets;
}

void ShotContext::fresh() {
    Module1.reset();
    installQuietServices();
    settle(0);
}

void ShotContext::settle(int ms) {
    processEventsFor(ms);
}

void ShotContext::save(QWidget& widget, const QString& name) {
    settle();
    const QString path = outDir_ + '/' + name + ".png";
    if (widget.grab().save(path)) {
        ++saved_;
        std::printf("wrote %s\n", qPrintable(path));
        if (checking_)
            for (const QString& f : checkLegibility(widget)) {
                std::printf("LEGIBILITY %s: %s\n", qPrintable(name), qPrintable(f));
                ++failures_;
            }
    } else {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    }
}

namespace {
bool copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + '/' + QDir(from).relativeFilePath(src);
        QDir().mkpath(QFileInfo(dst).path());
        if (!QFile::copy(src, dst)) return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QStringList args = QCoreApplication::arguments().mid(1);
    const bool check = !args.isEmpty() && args[0] == QLatin1String("--check");
    if (check) args.removeFirst();
    if (args.size() > 1 && args[0] == QLatin1String("--scale")) {
        applyDisplayScale(parseDisplayScale(args[1]).value_or(1.0));
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: tellwyn-screenshots [--check] [--scale N] OUTDIR [DATADIR]\n");
        return 2;
    }
    const QString out = QDir(args[0]).absolutePath();
    const QString data = args.size() > 1 ? args[1] : QStringLiteral(TELLWYN_SOURCE_DATA_DIR);
    QDir().mkpath(out);
    // Shots may save worksheets: they work on a copy of the data folder.
    QTemporaryDir work;
    if (!work.isValid() || !copyTree(data, work.path())) {
        std::fprintf(stderr, "could not copy the data folder %s\n", qPrintable(data));
        return 1;
    }
    setDataFolder(work.path());
    registerBundledFonts();
    ShotContext ctx(out, check);
    int failedSets = 0;
    for (const ShotSet& set : shotSets()) {
        std::printf("== %s\n", set.name);
        ctx.fresh();
        // A set that cannot go on (a question set that does not load leaves no answer to click)
        // loses its own remaining shots, never the other sets'.
        try {
            set.run(ctx);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "shots of %s stopped: %s\n", set.name, e.what());
            ++failedSets;
        }
    }
    Module1.reset();
    std::printf("%d screenshots in %s\n", ctx.saved(), qPrintable(out));
    if (failedSets > 0) std::fprintf(stderr, "%d set(s) of shots stopped early\n", failedSets);
    if (check) std::printf("%d legibility failure(s)\n", ctx.failures());
    return ctx.saved() > 0 && failedSets == 0 && ctx.failures() == 0 ? 0 : 1;
}
