#pragma once

#include "platform/form.h"

#include <QPointer>

// The global reference to one screen: the first use of any member creates the screen and runs its
// load; after it unloads, the next use creates it afresh. T need only be complete where the
// reference is used, so Module1 can name every screen without knowing them all.
template <class T> class ScreenRef {
public:
    ScreenRef() = default;
    ScreenRef(const ScreenRef&) = delete;
    ScreenRef& operator=(const ScreenRef&) = delete;
    ~ScreenRef() { destroy(); }

    T* operator->() { return &get(); }
    T& operator*() { return get(); }

    T& get() {
        if (!isLoaded()) {
            auto* form = new T();
            // Set before the load runs, so a load that refers to its own screen finds it.
            form_ = form;
            form->Form_Load();
        }
        return *static_cast<T*>(form_.data());
    }

    bool isLoaded() const { return form_ && !form_->isUnloaded(); }
    // The loaded screen, or nothing; never loads it.
    T* ifLoaded() const { return isLoaded() ? static_cast<T*>(form_.data()) : nullptr; }

    void Unload() {
        if (isLoaded()) form_->Unload();
    }

    // Destroys the screen at once, without running anything further; used at program end and
    // between tests.
    void destroy() {
        if (form_) {
            Form* f = form_.data();
            form_.clear();
            delete f;
        }
    }

private:
    QPointer<Form> form_;
};
