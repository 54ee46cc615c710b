#pragma once

#include "platform/controls.h"

#include <QPointer>
#include <functional>
#include <map>
#include <stdexcept>

using IndexClickHandler = std::function<void(int index)>;
using IndexMouseHandler = std::function<void(int index, int button, int shift, Twips x, Twips y)>;

// Like controls under one name, addressed by index. Indexes may have gaps. One handler per event
// receives the index of the element that raised it.
template <class T> class ControlArray {
public:
    T& operator()(int index) const {
        auto it = items_.find(index);
        if (it == items_.end() || !it->second) throw std::out_of_range("control array index");
        return *it->second;
    }
    bool exists(int index) const {
        auto it = items_.find(index);
        return it != items_.end() && it->second;
    }
    int count() const { return static_cast<int>(items_.size()); }
    int lowerBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int upperBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    const std::map<int, QPointer<T>>& items() const { return items_; }

    void add(int index, T* element) {
        items_[index] = element;
        wire(index, element);
    }

    // Creates element index at run time, copying element 0's look; it starts hidden.
    T& Load(int index) {
        if (exists(index)) throw std::logic_error("control array element already loaded");
        T& first = (*this)(lowerBound());
        auto* element = new T(first.parentWidget());
        element->setObjectName(first.objectName());
        element->copyLookFrom(first);
        element->setVisible(false);
        element->stackUnder(&first);
        add(index, element);
        return *element;
    }

    void onClick(IndexClickHandler h) { setHandler(click_, std::move(h)); }
    void onMouseMove(IndexMouseHandler h) { setHandler(move_, std::move(h)); }
    void onMouseUp(IndexMouseHandler h) { setHandler(up_, std::move(h)); }
    void onMouseDown(IndexMouseHandler h) { setHandler(down_, std::move(h)); }

private:
    template <class Handler> void setHandler(Handler& slot, Handler h) {
        slot = std::move(h);
        rewire();
    }
    static MouseHandler bind(const IndexMouseHandler& h, int index) {
        if (!h) return {};
        return [h, index](int b, int s, Twips x, Twips y) { h(index, b, s, x, y); };
    }
    void wire(int index, T* e) {
        if (click_) {
            auto h = click_;
            e->Click = [h, index] { h(index); };
        }
        if (move_) e->MouseMove = bind(move_, index);
        if (up_) e->MouseUp = bind(up_, index);
        if (down_) e->MouseDown = bind(down_, index);
    }
    void rewire() {
        for (auto& [i, e] : items_)
            if (e) wire(i, e);
    }

    std::map<int, QPointer<T>> items_;
    IndexClickHandler click_;
    IndexMouseHandler move_, up_, down_;
};
