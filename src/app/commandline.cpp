#include "app/commandline.h"

#include "app/displayscale.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <utility>

namespace {

// Qt's own options, with one or two dashes, the valued ones also as -option=value. Qt takes
// them out of the arguments itself when the application starts.
bool isQtOption(const QString& arg, bool& takesValue) {
    static const QStringList valued = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
        "style",       "stylesheet",         "name",          "title",   "qmljsdebugger"};
    static const QStringList flags = {"reverse", "widgetcount", "nograb", "dograb", "sync"};
    QString name = arg.mid(arg.startsWith("--") ? 2 : 1);
    const bool inlineValue = name.contains('=');
    name = name.section('=', 0, 0);
    takesValue = valued.contains(name) && !inlineValue;
    return valued.contains(name) || (flags.contains(name) && !inlineValue);
}

} // namespace

CommandLine parseCommandLine(const QStringList& args) {
    CommandLine c;
    // The options that take a folder or a value, as "--option value" or "--option=value".
    const std::pair<QString, QString*> withValue[] = {{"--data-dir", &c.dataDir},
                                                      {"--worksheets-dir", &c.worksheetsDir},
                                                      {"--print-to-pdf", &c.printToPdfDir},
                                                      {"--scale", &c.scale}};
    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto option = std::find_if(std::begin(withValue), std::end(withValue), [&](const auto& o) {
            return a == o.first || a.startsWith(o.first + '=');
        });
        if (option != std::end(withValue)) {
            const bool separate = a == option->first;
            if (separate && (i + 1 >= args.size() || args[i + 1].startsWith("--")))
                c.error = QStringLiteral("%1 needs a value").arg(a);
            else
                *option->second = separate ? args[++i] : a.mid(option->first.size() + 1);
        } else if (a == "--help" || a == "-h")
            c.help = true;
        else if (a == "--version" || a == "-v")
            c.version = true;
        else if (a == "--import") {
            while (i + 1 < args.size() && !args[i + 1].startsWith("--"))
                c.importFiles << args[++i];
            if (c.importFiles.isEmpty()) c.error = QStringLiteral("--import needs a file");
        } else if (a == "--replace")
            c.replace = true;
        else if (a == "--once")
            c.once = true;
        else if (parseRecordsOption(args, i, c.records, c.error)) {
        } else if (a == "--quit-after-first-paint")
            c.quitAfterFirstPaint = true;
        else if (bool valued = false; isQtOption(a, valued)) {
            c.qtStyle = c.qtStyle || a.section('=', 0, 0).endsWith("style");
            i += valued ? 1 : 0;
        } else if (a.startsWith('-') && a != "-")
            c.error = QStringLiteral("unknown option %1").arg(a);
        else
            // A file named alone (dropped on the program's icon, say) would otherwise be ignored.
            c.error =
                QStringLiteral("%1 is not an option; to import a worksheet file, use --import %1").arg(a);
        if (!c.error.isEmpty()) break;
    }
    bool scaleOk = true;
    if (c.error.isEmpty() && !c.scale.isEmpty()) parseDisplayScale(c.scale, &scaleOk);
    if (c.error.isEmpty() && c.replace && c.importFiles.isEmpty())
        c.error = QStringLiteral("--replace goes with --import");
    if (c.error.isEmpty() && c.once && c.worksheetsDir.isEmpty())
        c.error = QStringLiteral("--once goes with --worksheets-dir");
    if (!scaleOk)
        c.error =
            QStringLiteral("--scale takes auto or a size from 1 to 4 in steps of 0.25, not %1").arg(c.scale);
    return c;
}

QString usageText() {
    return QStringLiteral(
        "Usage: tellwyn [options]\n"
        "Tellwyn: great figures and turning points of history, for pupils and their teachers.\n"
        "\n"
        "Options:\n"
        "  --data-dir DIR        read pictures, sounds and question sets from DIR, and keep\n"
        "                        teachers' worksheets in DIR/multiple\n"
        "  --worksheets-dir DIR  keep teachers' worksheets in DIR (a shared network folder,\n"
        "                        say), now and on later starts; DIR is remembered only once\n"
        "                        it has been set up\n"
        "  --once                with --worksheets-dir: use DIR for this run only and keep\n"
        "                        the remembered folder as it is\n"
        "  --print-to-pdf DIR    write each printed page as a PDF file into DIR instead of\n"
        "                        sending it to the default printer\n"
        "  --import FILE...      import worksheet files into the worksheet folder, print each\n"
        "                        imported title and leave, without opening a window; a\n"
        "                        title already in the catalogue is left as it is\n"
        "  --replace             with --import: replace a worksheet whose title is already in\n"
        "                        the catalogue (the output says \"(replaced)\" after its title)\n"
        "  --scale auto|N        draw the screens N times their designed 800 x 600 size\n"
        "                        (1, 1.25, 1.5 ... 4); auto, the default, picks the largest\n"
        "                        size that fits the display. Without this option the size\n"
        "                        chosen on the main menu (\"Screen size\", remembered for\n"
        "                        each user) is used; QT_SCALE_FACTOR, when set, wins.\n"
        "  --version             print the version and leave\n"
        "  --help                print this text and leave\n");
}

QString installedDataFolder(const QString& executableDir) {
    return QDir(executableDir + QStringLiteral("/" TELLWYN_DATA_FROM_BIN)).absolutePath();
}

std::optional<QString> findDataFolder(const QString& requested, const QString& executableDir) {
    auto looksRight = [](const QString& dir) { return QFileInfo(dir + "/multiple").isDir(); };
    if (!requested.isEmpty()) {
        const QString dir = QDir(requested).absolutePath();
        return QFileInfo(dir).isDir() ? std::optional(dir) : std::nullopt;
    }
    // The installed layout first, then a data folder beside the program or its folder: a build
    // folder has a link to the source tree's there, so no path of the machine that built the
    // program is compiled into it.
    for (const QString& candidate :
         {installedDataFolder(executableDir), executableDir + "/data", executableDir + "/../data"}) {
        if (looksRight(candidate)) return QDir(candidate).absolutePath();
    }
    return std::nullopt;
}

bool parseRecordsOption(const QStringList& args, qsizetype& i, RecordsRequest& r, QString& error) {
    const QString& a = args[i];
    auto value = [&](qsizetype k) {
        return i + k < args.size() && !args[i + k].startsWith(QLatin1String("--"));
    };
    if (a == QLatin1String("--add-class")) {
        if (!value(1) || !value(2))
            error = QStringLiteral("--add-class needs a class name and a file of names");
        else {
            r.addClass = args[++i];
            r.namesFile = args[++i];
        }
    } else if (a == QLatin1String("--export-records")) {
        if (!value(1))
            error = QStringLiteral("--export-records needs a file");
        else
            r.exportFile = args[++i];
    } else if (a == QLatin1String("--class")) {
        if (!value(1))
            error = QStringLiteral("--class needs a class name");
        else
            r.exportClass = args[++i];
    } else {
        return false;
    }
    return true;
}

QString recordsUsage() {
    return QStringLiteral(
        "  --add-class NAME FILE make the class NAME, or add to it, with the pupils' names\n"
        "                        in FILE (one a line, or a CSV file with a name column)\n"
        "  --export-records FILE.csv [--class NAME]\n"
        "                        write every kept result (or one class's) to FILE.csv\n");
}
