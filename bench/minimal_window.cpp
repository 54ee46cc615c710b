// The yardstick for start-up: the smallest Qt Widgets program that shows one window and leaves
// once it has been painted. With --text the window holds one line of text, which shows what
// drawing any text at all costs at the start (the font configuration, the font database, a font).
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {
class QuitAfterPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override {
        // The window's own paint comes after its children's have been drawn into the same buffer.
        if (e->type() == QEvent::Paint) QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return QObject::eventFilter(watched, e);
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(364, 438);
    if (argc > 1 && QByteArray(argv[1]) == "--text")
        (new QLabel(QStringLiteral("Great figures of history"), &window))->move(20, 20);
    QuitAfterPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
