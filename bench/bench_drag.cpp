// Times the handling of one drag move and one drop on the Moon timeline: what the pupil waits for
// while a card follows the pointer and snaps. Prints the median of several runs in microseconds.
#include "activities/orderingscreens.h"
#include "app/module1.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/services.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int Iterations = 10000;
constexpr int Runs = 7;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

template <class F> double perCallMicroseconds(F&& f) {
    std::vector<double> runs;
    for (int r = 0; r < Runs; ++r) {
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < Iterations; ++i)
            f(i);
        runs.push_back(t.nsecsElapsed() / 1000.0 / Iterations);
    }
    return median(runs);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir data;
    setDataFolder(data.path());
    registerBundledFonts();
    installQuietServices();
    Module1.SoundOn = 0; // the sound device is not what is measured

    MoonOrdering& s = *Module1.moonord;
    s.Show();
    QCoreApplication::processEvents();

    // A move: the card follows the pointer a few twips each time.
    const double move = perCallMicroseconds(
        [&](int i) { s.Label2_MouseMove(0, LeftButton, 0, 1717.5f + (i % 2 ? 30 : -30), 427.5f); });
    // A drop that snaps into the box beside "1957", every test of every box run.
    const double drop = perCallMicroseconds([&](int) {
        s.Label2(0).Move(6400, 300);
        s.Label2_MouseUp(0, LeftButton, 0, 0, 0);
    });
    std::printf("drag move: median %.2f us per event (%d runs of %d)\n", move, Runs, Iterations);
    std::printf("drop:      median %.2f us per event (%d runs of %d)\n", drop, Runs, Iterations);
    Module1.reset();
    return 0;
}
