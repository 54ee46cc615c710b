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
    Align align = Align::Left;
    QColor fore = Colours::Yellow;
    QColor back = Colours::Black;
    bool opaque = false;
    bool border = false;
    bool visible = true;
    bool enabled = true;

    // Variations, so that a row of a control table stays one expression.
    LabelDesign aligned(Align a) const { return copyWith(&LabelDesign::align, a); }
    LabelDesign centred() const { return aligned(Align::Center); }
    LabelDesign inColour(QColor c) const { return copyWith(&LabelDesign::fore, c); }
    LabelDesign hidden() const { return copyWith(&LabelDesign::visible, false); }
    LabelDesign disabled() const { return copyWith(&LabelDesign::enabled, false); }

private:
    template <class T> LabelDesign copyWith(T LabelDesign::*field, T value) const {
        LabelDesign d = *this;
        d.*field = value;
        return d;
    }
};

Label* makeLabel(QWidget* parent, const LabelDesign& design);

// Plain text: yellow on the screen's colour, left-aligned.
LabelDesign textDesign(const QString& name, const QString& caption, TwipRect rect, const QFont& font);
// A screen's heading: centred bold Tahoma.
LabelDesign headingDesign(const QString& name, const QString& caption, TwipRect rect, double points);

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
