// The yardstick for start-up: the smallest Qt Widgets program that shows one window and leaves
// once it has been painted. With --text the window holds one line of text, which shows what
// drawing any text at all costs at the start (the font configuration, the font database, a font).
// With --title PICTURE it holds what the title screen shows, built from plain Qt widgets: the
// texts in their fonts, the two buttons and the picture. That is what Qt itself needs to show
// that screen, without any of Tellwyn's own start.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
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

QLabel* text(QWidget* parent, const char* caption, QRect r, const char* family, double points,
             bool bold = false) {
    auto* l = new QLabel(QString::fromUtf8(caption), parent);
    QFont f(QString::fromLatin1(family));
    f.setPointSizeF(points);
    f.setBold(bold);
    l->setFont(f);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    l->setGeometry(r);
    return l;
}

// The title screen's layout in pixels (its twips over 15).
void buildTitle(QWidget* window, const QString& picture) {
    text(window, "Tellwyn Demo", {52, 2, 261, 71}, "Times New Roman", 24, true);
    auto* image = new QLabel(window);
    image->setPixmap(QPixmap(picture));
    image->setGeometry(20, 78, 324, 244);
    text(window, "Great figures of history", {24, 326, 313, 25}, "Times New Roman", 14.25);
    text(window, "For pupils aged 7 to 11 and their teachers", {32, 348, 297, 25}, "Times New Roman", 12);
    text(window, "Published by Lumenda Learning", {32, 370, 297, 25}, "Times New Roman", 12);
    (new QPushButton(QStringLiteral("OK"), window))->setGeometry(88, 394, 89, 25);
    (new QPushButton(QStringLiteral("Exit"), window))->setGeometry(184, 394, 89, 25);
    text(window, "\u00A9 2026 Lumenda Learning. All rights reserved.", {0, 422, 361, 17}, "Arial", 8.25);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    QWidget window;
    window.resize(364, 438);
    if (mode == "--text") {
        (new QLabel(QStringLiteral("Great figures of history"), &window))->move(20, 20);
    } else if (mode == "--title" && argc > 2) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        buildTitle(&window, QString::fromLocal8Bit(argv[2]));
    }
    QuitAfterPaint quitter;
    window.installEventFilter(&quitter);
    window.show();
    return QApplication::exec();
}
