#pragma once

class QWidget;

// Tells assistive technology what the controls we paint ourselves are: a caption that acts on a
// click is a button, any other a piece of text, a picture is a graphic named for its purpose, and a
// page picture gives its words as text. Each screen is a window with its own name.
namespace Accessible {
// Registers the interfaces with Qt's accessibility; safe to call again.
void install();
// Has a screen reader say the control's name now, as it says what takes the focus: a new
// question, a score.
void announce(QWidget* control);
} // namespace Accessible
