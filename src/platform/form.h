#pragma once

#include "platform/controls.h"

#include <QPointer>
#include <QWidget>
#include <functional>

// A screen: a top-level window with its controls. Form_Load runs when its screen reference first
// creates it; Unload hides it and lets it be destroyed, and the next use creates a fresh one.
//
// On a desktop the screens behave as one program: each screen shown is owned by the screen (or
// the backdrop) beneath it, so it stays above it and minimises with it, and only the bottom
// window has a taskbar entry. The window manager's close runs the screen's own Exit.
class Form : public QWidget {
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    virtual void Form_Load() {}
    // Runs only where the mouse moves over the bare form; controls take their own moves.
    virtual void Form_MouseMove(int /*button*/, int /*shift*/, Twips /*x*/, Twips /*y*/) {}

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& c) { setWindowTitle(c); }
    // The name the code knows the screen by, and the one assistive technology reads out.
    void setNames(const QString& objectName, const QString& accessibleName) {
        setObjectName(objectName);
        setAccessibleName(accessibleName);
    }
    QColor BackColor() const;
    void setBackColor(const QColor& c);

    // Outer geometry of the window in twips.
    Twips Left() const;
    Twips Top() const;
    Twips Width() const;
    Twips Height() const;
    // Puts the window's outer frame in the middle of a display of this size.
    void centreIn(QSizeF displayTwips);
    // Fixes the outer size. The window manager's frame is known only once the window is shown;
    // until then the client area takes the whole size, and it shrinks when the frame arrives.
    void setOuterSize(Twips width, Twips height);
    // Fixes the client area, for screens that keep their own size.
    void setClientSize(Twips width, Twips height);

    // Shows the screen modeless, on top of the others.
    void Show();
    void Unload();
    bool isUnloaded() const { return unloaded_; }
    bool isBackdrop() const { return backdrop_; }
    Form* owner() const { return owner_; }

    // The control that leaves the screen. The window manager's close presses it (after asking
    // whether typed text may be lost) and so does Escape; a screen without one stays open.
    void setExitControl(QWidget* control) { exit_ = control; }
    QWidget* exitControl() const { return exit_; }

    // The window manager asked to close the screen (title-bar button, Alt+F4).
    virtual void closeRequested();

    // The screen shown last and still on show, the backdrop only when nothing else is.
    static Form* topScreen();

    // Called after any screen unloads; the program uses it to end when no screen is left.
    static inline std::function<void()> afterUnload;

protected:
    // The one window that lies behind all screens: it keeps below every other window, passes the
    // focus and a close on to the screen on top, and is the program's entry in the taskbar.
    void becomeBackdrop();
    // Runs once when the window manager's frame first becomes known, for a screen that placed
    // itself by its outer size.
    virtual void frameArrived() {}

    bool event(QEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void fitFrame();
    bool filling() const;
    void followFilling();
    bool pressExit();
    void leaveStack();

    bool unloaded_ = false;
    bool backdrop_ = false;
    bool frameSeen_ = false;
    QSize outer_;
    QPoint offset_; // the designed client area's corner, when the window is larger
    QPointer<Form> owner_;
    QPointer<QWidget> exit_;
};
