#pragma once

#include <QFont>
#include <QString>
#include <thread>

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

// Reads the system's font configuration on a thread of its own, from the start of the program, so
// that it overlaps the rest of the start instead of holding up the first text drawn (by far the
// largest part of the first paint). Join the thread before anything measures or draws text: Qt
// does not wait for a reading in progress, it starts one of its own.
std::jthread readFontConfigurationEarly();
