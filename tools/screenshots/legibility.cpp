// Reads every screenshot the way a pupil at the back of the class has to: each caption must fit
// its box whole, measured with the fonts the screen really draws with at this scale, and its colour
// must stand out from the pixels behind its glyphs (what is behind is photographed again with the
// text taken away; the pixels that change are the glyphs'). Contrast is WCAG's ratio of relative
// luminances: 4.5:1, or 3:1 for text of 18 pt and more or bold text of 14 pt and more; a greyed
// caption needs 3:1. The words of a page picture are measured the same way, each text of the
// picture against the page drawn without it. And everything a pupil clicks takes clicks on 24 x 24 pixels at
// least.
#include "legibility.h"

#include "app/displayscale.h"
#include "platform/controls.h"
#include "platform/picture.h"
#include "platform/wmf/player.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

namespace {

double channel(int c) {
    const double s = c / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
}

double ratio(QColor a, QColor b) {
    double la = luminance(a), lb = luminance(b);
    if (la < lb) std::swap(la, lb);
    return (la + 0.05) / (lb + 0.05);
}

// One text on screen: where its glyphs may fall, in the form's coordinates, and how it looks.
struct Text {
    QWidget* control;
    QString caption;
    QRect box; // the room the control gives its text
    QRect ink; // the room the text takes, laid out in that box
    QColor colour;
    QFont font;
    bool greyed;
    std::function<void(const QString&)> setCaption;
};

int labelFlags(const Label& l) {
    int flags = Qt::AlignTop | Qt::TextWordWrap;
    flags |= l.Alignment() == Align::Center  ? Qt::AlignHCenter
             : l.Alignment() == Align::Right ? Qt::AlignRight
                                             : Qt::AlignLeft;
    return flags;
}

// The room a text takes when laid out at this scale's real pixels.
QRect measure(const QFont& font, const QRect& box, int flags, const QString& text) {
    const double scale = currentDisplayScale();
    QImage device(QSize(1, 1), QImage::Format_ARGB32);
    device.setDevicePixelRatio(scale);
    QPainter p(&device);
    p.setFont(font);
    return p.boundingRect(QRectF(box), flags, text).toAlignedRect();
}

std::optional<Text> textOf(QWidget* w, QWidget& form) {
    const QPoint at = w->mapTo(&form, QPoint(0, 0));
    if (auto* l = dynamic_cast<Label*>(w)) {
        if (l->Caption().trimmed().isEmpty()) return std::nullopt;
        QRect box = l->rect();
        if (l->Border()) box.adjust(1, 1, -1, -1);
        const QRect ink = measure(l->font(), box, labelFlags(*l), l->Caption());
        return Text{w,
                    l->Caption(),
                    box.translated(at),
                    ink.translated(at),
                    l->isEnabled() ? l->ForeColor() : Colours::DimGrey,
                    l->font(),
                    !l->isEnabled(),
                    [l](const QString& c) { l->setCaption(c); }};
    }
    auto* b = dynamic_cast<QAbstractButton*>(w);
    if (!b || b->text().trimmed().isEmpty()) return std::nullopt;
    QStyleOptionButton opt;
    opt.initFrom(b);
    QRect box = b->rect();
    if (qobject_cast<QRadioButton*>(b))
        box = b->style()->subElementRect(QStyle::SE_RadioButtonContents, &opt, b);
    else if (qobject_cast<QCheckBox*>(b))
        box = b->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, b);
    const int flags = qobject_cast<QPushButton*>(b) ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
    const QRect ink = measure(b->font(), box, flags, b->text());
    const QPalette::ColorRole role =
        qobject_cast<QPushButton*>(b) ? QPalette::ButtonText : QPalette::WindowText;
    return Text{w,
                b->text(),
                box.translated(at),
                ink.translated(at),
                b->palette().color(b->isEnabled() ? QPalette::Active : QPalette::Disabled, role),
                b->font(),
                !b->isEnabled(),
                [b](const QString& c) { b->setText(c); }};
}

double needed(double points, bool bold) {
    return points >= 18 || (points >= 14 && bold) ? 3.0 : 4.5;
}

double needed(const Text& t) {
    return t.greyed ? 3.0 : needed(t.font.pointSizeF(), t.font.bold());
}

QString contrastFailure(const QString& name, QColor colour, double r, double least) {
    return QStringLiteral("contrast: %1 %2 on its ground: %3:1, needs %4:1")
        .arg(name, colour.name())
        .arg(r, 0, 'f', 2)
        .arg(least, 0, 'f', 1);
}

// A page drawn with one of its texts left out: what lies behind that text's letters.
class LeavingOut : public PictureData {
public:
    LeavingOut(Picture page, int text) : page_(std::move(page)), text_(text) {}
    QSizeF sizeTwips() const override { return page_.sizeTwips(); }
    void draw(QPainter& painter, const QRectF& target) const override {
        page_.data()->drawTexts(painter, target, text_);
    }

private:
    Picture page_;
    int text_;
};

void checkPictureTexts(QWidget& form, const QImage& shown, QStringList& failures) {
    for (QWidget* w : form.findChildren<QWidget*>()) {
        auto* box = dynamic_cast<ImageBox*>(w); // ImageBox has no meta-object of its own
        if (!box || !box->isVisibleTo(&form) || box->window() != &form || box->Picture().isNull()) continue;
        const Picture page = box->Picture();
        QImage scratch(box->size(), QImage::Format_ARGB32);
        QPainter painter(&scratch);
        const std::vector<wmf::DrawnText> texts = page.data()->drawTexts(painter, QRectF(box->rect()), -1);
        painter.end();
        const QRect where(box->mapTo(&form, QPoint(0, 0)), box->size());
        for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
            const wmf::DrawnText& t = texts[static_cast<std::size_t>(i)];
            if (t.text.trimmed().isEmpty()) continue;
            box->setPicture(Picture(std::make_shared<LeavingOut>(page, i)));
            const QImage behind = form.grab().toImage();
            const double r = contrastBehind(
                behind, shown, t.area.toAlignedRect().translated(where.topLeft()) & where, t.colour);
            const double least = needed(t.em * 72 / box->logicalDpiY(), t.weight >= 600);
            if (r < least)
                failures << contrastFailure(
                    QStringLiteral("%1 \"%2\"").arg(box->objectName(), t.text.trimmed().left(40)), t.colour,
                    r, least);
        }
        box->setPicture(page);
    }
}

QString name(const Text& t) {
    return QStringLiteral("%1 \"%2\"").arg(t.control->objectName(), t.caption.left(40));
}

// Whether a pupil clicks it; for the screens' labels, whether a click does anything.
bool clickable(QWidget* w) {
    if (qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w)) return true;
    auto* c = dynamic_cast<ControlGeometry*>(w);
    return c && c->Click;
}

// The room that takes a control's clicks: its own box and any margin added round it.
QRect hitArea(QWidget* w, QWidget& form) {
    QRect area(w->mapTo(&form, QPoint(0, 0)), w->size());
    for (QWidget* c : form.findChildren<QWidget*>())
        if (auto* m = dynamic_cast<HitMargin*>(c); m && m->control() == w && !m->isHidden())
            area |= QRect(m->mapTo(&form, QPoint(0, 0)), m->size());
    return area;
}

} // namespace

double luminance(QColor c) {
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrastBehind(const QImage& behind, const QImage& shown, const QRect& area, QColor text) {
    const double dpr = behind.devicePixelRatio();
    const QRect px =
        QRect(QPoint(std::floor(area.left() * dpr), std::floor(area.top() * dpr)),
              QPoint(std::ceil((area.right() + 1) * dpr) - 1, std::ceil((area.bottom() + 1) * dpr) - 1))
            .intersected(behind.rect());
    std::vector<double> ratios;
    ratios.reserve(static_cast<size_t>(px.width()) * px.height());
    for (int y = px.top(); y <= px.bottom(); ++y)
        for (int x = px.left(); x <= px.right(); ++x)
            if (shown.pixel(x, y) != behind.pixel(x, y))
                ratios.push_back(ratio(text, behind.pixelColor(x, y)));
    if (ratios.empty()) return 21;
    // A star or a stray speck behind a word does not make it unreadable; one part in twenty of the
    // ground that is too close to the text's colour does.
    const size_t k = ratios.size() / 20;
    std::nth_element(ratios.begin(), ratios.begin() + k, ratios.end());
    return ratios[k];
}

QStringList checkLegibility(QWidget& form) {
    QStringList failures;
    std::vector<Text> texts;
    for (QWidget* w : form.findChildren<QWidget*>())
        if (w->isVisibleTo(&form) && w->window() == &form)
            if (auto t = textOf(w, form)) texts.push_back(*t);
    for (QWidget* w : form.findChildren<QWidget*>())
        if (w->isVisibleTo(&form) && w->window() == &form && clickable(w)) {
            const QRect area = hitArea(w, form);
            if (area.width() < MinTargetPixels || area.height() < MinTargetPixels)
                failures << QStringLiteral("small target: %1 \"%2\" takes clicks on %3 x %4 px")
                                .arg(w->objectName(), w->accessibleName().left(40))
                                .arg(area.width())
                                .arg(area.height());
        }
    const QImage shown = form.grab().toImage();
    for (const Text& t : texts) {
        // A pixel of slack each way: a line's leading below the last descender is empty.
        if (t.ink.width() > t.box.width() + 1 || t.ink.height() > t.box.height() + 1 ||
            !t.box.adjusted(-1, -1, 1, 1).contains(t.ink))
            failures << QStringLiteral("caption cut: %1 needs %2 x %3 px, its box gives %4 x %5")
                            .arg(name(t))
                            .arg(t.ink.width())
                            .arg(t.ink.height())
                            .arg(t.box.width())
                            .arg(t.box.height());
        t.setCaption(QString());
        const QImage behind = form.grab().toImage();
        t.setCaption(t.caption);
        const double r = contrastBehind(behind, shown, t.ink.intersected(t.box), t.colour);
        if (r < needed(t)) failures << contrastFailure(name(t), t.colour, r, needed(t));
    }
    checkPictureTexts(form, shown, failures);
    return failures;
}
