#pragma once

#include "platform/controls.h"

#include <QWidget>
#include <functional>

// A screen: a top-level window with its controls. Form_Load runs when its screen reference first
// creates it; Unload hides it and lets it be destroyed, and the next use creates a fresh one.
class Form : public QWidget {
public:
    explicit Form(QWidget* parent = nullptr);
    ~Form() override;

    virtual void Form_Load() {}
    // Runs only where the mouse moves over the bare form; controls take their own moves.
    virtual void Form_MouseMove(int /*button*/, int /*shift*/, Twips /*x*/, Twips /*y*/) {}

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& c) { setWindowTitle(c); }
    QColor BackColor() const;
    void setBackColor(const QColor& c);

    // Outer geometry of the window in twips.
    Twips Left() const;
    Twips Top() const;
    Twips Width() const;
    Twips Height() const;
    void setLeft(Twips v);
    void setTop(Twips v);
    void setOuterSize(Twips width, Twips height);
    // Fixes the client area, for screens that keep their own size.
    void setClientSize(Twips width, Twips height);

    // Shows the screen modeless, on top of the others.
    void Show();
    void Unload();
    bool isUnloaded() const { return unloaded_; }

    // Called after any screen unloads; the program uses it to end when no screen is left.
    static inline std::function<void()> afterUnload;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    bool unloaded_ = false;
    QPoint wanted_;
};
