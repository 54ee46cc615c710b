#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QWidget>

// WCAG's relative luminance of a colour.
double luminance(QColor c);
// The contrast of `text` against the ground behind its glyphs in `area` (logical pixels): the
// pixels that differ between `shown` and `behind`, the same screen without the text. Nearly at its
// worst: one pixel in twenty may be closer.
double contrastBehind(const QImage& behind, const QImage& shown, const QRect& area, QColor text);
// Every caption of a screen as it is shown now that is cut off by its box or too faint against
// what lies behind it, and every word of its page pictures too faint, one line each.
QStringList checkLegibility(QWidget& form);
