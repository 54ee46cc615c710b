#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "platform/units.h"

class QKeyEvent;

// Using every screen without a mouse. Every control that acts on a click takes the focus with
// Tab and Shift+Tab in reading order (by top, then left), shows a ring while it has it after a
// key was pressed, and is pressed with Enter or Space as a click would press it; the buttons'
// hover highlight follows the focus; Esc does what the screen's "Exit" does.
namespace Keyboard {

// Starts the handling for the whole program; every control calls it as it is made, so a screen
// gains it by being built from them. Safe to call again.
void install();

// A screen's own keys, offered each key before the common ones. `focus` is the control that
// has the focus (or the window). Returns true when the key was used.
using ScreenKeys = std::function<bool(QKeyEvent& key, QWidget* focus)>;
void setScreenKeys(QWidget* window, ScreenKeys keys);

// For a screen whose fields read in blocks rather than in rows: the Tab order, from the first.
void setFocusOrder(QWidget* window, const QList<QWidget*>& order);

// For a screen that reads in columns: Tab goes down each column in turn, the columns beginning at
// these lefts (twips); a control belongs to the column its left edge is in.
void setReadingColumns(QWidget* window, const QList<Twips>& columnLefts);

// A control that takes the focus without a Click of its own (a card that the screen places by
// keyboard), or one that Tab passes by although it could take the focus.
void setTakesFocus(QWidget* control, bool takes);

// Enter, Return or Space: the keys that press the control with the focus.
bool isActivation(const QKeyEvent& key);

// Whether Tab reaches the control now: enabled, shown, and acting on a click.
bool takesFocus(const QWidget* control);
// The window's controls in Tab order.
QList<QWidget*> focusChain(QWidget* window);
// What a click on the control does, from the keyboard or from assistive technology.
bool press(QWidget* control);
// Once a key has been used: keeps the focus on something the window shows that acts, the first
// stop when it is elsewhere, and shows the ring there.
void placeFocus(QWidget* window);
// Gives the focus as Tab does: the ring shows and the hover highlight follows.
void focusFromKeyboard(QWidget* control);

} // namespace Keyboard
