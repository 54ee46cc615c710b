#include "platform/build.h"

Label* makeLabel(QWidget* parent, const LabelDesign& s) {
    auto* l = new Label(parent);
    l->setObjectName(s.name);
    l->setCaption(s.caption);
    l->setRect(s.rect);
    l->setFont(s.font);
    l->setForeColor(s.fore);
    l->setBackColor(s.back);
    l->setOpaque(s.opaque);
    l->setBorder(s.border);
    l->setAlignment(s.align);
    l->setVisible(s.visible);
    l->setEnabled(s.enabled);
    return l;
}

LabelDesign textDesign(const QString& name, const QString& caption, TwipRect rect, const QFont& font) {
    return LabelDesign{.name = name, .caption = caption, .rect = rect, .font = font};
}

LabelDesign headingDesign(const QString& name, const QString& caption, TwipRect rect, double points) {
    return textDesign(name, caption, rect, tahoma(points, true)).centred();
}

LabelDesign buttonDesign(const QString& name, const QString& caption, TwipRect rect, double points,
                         QColor back) {
    return LabelDesign{.name = name,
                       .caption = caption,
                       .rect = rect,
                       .font = tahoma(points, true),
                       .align = Align::Center,
                       .fore = Colours::Yellow,
                       .back = back,
                       .opaque = true,
                       .border = true};
}

void stackFrontToBack(std::initializer_list<QWidget*> widgets) {
    // Raising from the back forwards leaves the first of the list on top.
    for (auto it = std::rbegin(widgets); it != std::rend(widgets); ++it)
        (*it)->raise();
}
