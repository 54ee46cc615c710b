#include "platform/windowrules.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#ifdef TELLWYN_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>
#endif

namespace {

#ifdef TELLWYN_HAVE_XCB
xcb_connection_t* x11() {
    auto* app = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return app ? app->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(r);
    return a;
}
#endif

} // namespace

namespace WindowRules {

void keepOutOfTaskbar(QWidget* window) {
#ifdef TELLWYN_HAVE_XCB
    xcb_connection_t* c = x11();
    if (!c) return;
    // Qt keeps states it does not manage itself when it maps the window.
    const xcb_atom_t states[] = {atom(c, "_NET_WM_STATE_SKIP_TASKBAR"), atom(c, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window->winId()),
                        atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(c);
#else
    (void)window;
#endif
}

void setOwner(QWidget* window, QWidget* owner) {
    window->winId();
    if (owner) owner->winId();
    window->windowHandle()->setTransientParent(owner ? owner->windowHandle() : nullptr);
#ifdef TELLWYN_HAVE_XCB
    // Qt writes WM_TRANSIENT_FOR only for dialogs and tool windows, and clears it when it shows any
    // other window; ours are plain windows, so the hint is written here, after the show.
    xcb_connection_t* c = x11();
    if (!c) return;
    const auto id = static_cast<xcb_window_t>(window->winId());
    if (owner) {
        const auto ownerId = static_cast<xcb_window_t>(owner->winId());
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1,
                            &ownerId);
    } else {
        xcb_delete_property(c, id, XCB_ATOM_WM_TRANSIENT_FOR);
    }
    xcb_flush(c);
#endif
}

bool windowManagerFrames() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return false;
#ifdef TELLWYN_HAVE_XCB
    if (platform == QLatin1String("xcb")) {
        // A window manager that follows the EWMH conventions names its check window on the root.
        xcb_connection_t* c = x11();
        if (!c) return false;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        xcb_get_property_reply_t* prop = xcb_get_property_reply(
            c, xcb_get_property(c, 0, root, atom(c, "_NET_SUPPORTING_WM_CHECK"), XCB_ATOM_WINDOW, 0, 1),
            nullptr);
        const bool runs = prop && xcb_get_property_value_length(prop) > 0;
        std::free(prop);
        return runs;
    }
#endif
    // Other window systems (Wayland, say) frame their windows as a rule.
    return true;
}

} // namespace WindowRules
