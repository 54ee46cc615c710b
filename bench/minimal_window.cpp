// The yardstick for start-up: the smallest Qt Widgets program that shows one window and leaves
// once it has been painted.
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {
class QuitAfterPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint) QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return QObject::eventFilter(watched, e);
    }
};
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(364, 438);
    QuitAfterPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
