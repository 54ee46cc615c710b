// Opening the Worksheet Catalogue over a full index of 1000 titles: build the screen, read the
// index, fill the first page and paint it. Prints the median of repeated openings.
#include "app/module1.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/services.h"
#include "worksheets/cataloguescreen.h"
#include "worksheets/worksheetstore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes (it cannot raise windows) would drown the result.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    registerBundledFonts();
    installQuietServices();

    QTemporaryDir dir;
    QDir(dir.path()).mkpath("multiple");
    setDataFolder(dir.path());
    QStringList titles;
    for (int i = 1; i <= 1000; ++i)
        titles << QStringLiteral("Worksheet number %1").arg(i);
    if (!writeTextFileAtomically(dir.path() + "/multiple/track.txt", worksheetIndexLines(titles))) return 1;

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 41;
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer t;
        t.start();
        CatalogueScreen& catalogue = *Module1.worksheets;
        catalogue.Show();
        catalogue.repaint();
        QCoreApplication::processEvents();
        ms.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (Module1.WorksheetCount != 1000 || !catalogue.Label3(CatalogueScreen::NextPage).Visible())
            return 1;
        Module1.worksheets.destroy();
        QCoreApplication::processEvents();
    }
    std::sort(ms.begin(), ms.end());
    std::printf("bench_catalogue: open over 1000 titles, median %.2f ms (min %.2f, max %.2f, %d runs)\n",
                ms[ms.size() / 2], ms.front(), ms.back(), runs);
    return 0;
}
