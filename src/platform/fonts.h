#pragma once

#include <QFont>
#include <QString>

// Fonts as the screens name them. Tahoma, Times New Roman and Arial resolve to metric-compatible
// fonts (see registerBundledFonts), so captions measure as they were laid out.
QFont screenFont(const QString& family, double points, bool bold = false);
inline QFont tahoma(double points, bool bold = false) {
    return screenFont("Tahoma", points, bold);
}
inline QFont timesNewRoman(double points, bool bold = false) {
    return screenFont("Times New Roman", points, bold);
}
inline QFont arial(double points, bool bold = false) {
    return screenFont("Arial", points, bold);
}

// Registers Tahoma from the system's Wine fonts and the families' substitutes. Call once after the
// QApplication exists; safe to call again.
void registerBundledFonts();
