#pragma once

#include "platform/controlarray.h"
#include "platform/controls.h"
#include "platform/fonts.h"

#include <QString>
#include <initializer_list>

// Control tables: each screen builds its controls from rows that read like its design.

struct LabelDesign {
    QString name;
    QString caption;
    TwipRect rect;
    QFont font;
    QColor fore = Colours::Yellow;
    QColor back = Colours::Black;
    bool opaque = false;
    bool border = false;
    Align align = Align::Left;
    bool visible = true;
    bool enabled = true;
};

Label* makeLabel(QWidget* parent, const LabelDesign& design);

// The screens' clickable captions: centred bold Tahoma, yellow on an opaque background, thin border.
LabelDesign buttonDesign(const QString& name, const QString& caption, TwipRect rect, double points = 15.75,
                         QColor back = Colours::Black);

template <class T> T* placed(T* control, const QString& name, TwipRect rect) {
    control->setObjectName(name);
    control->setRect(rect);
    return control;
}

// Stacks widgets as listed, the first in front of all the others.
void stackFrontToBack(std::initializer_list<QWidget*> widgets);

// The hover rule of every screen's buttons: over the bare screen they all turn transparent; over
// one of them, that one turns opaque again.
template <class T> void makeAllTransparent(ControlArray<T>& buttons) {
    for (auto& [index, label] : buttons.items())
        if (label) label->setOpaque(false);
}
