#include "platform/qt/x11_display.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>

namespace zurvane {

bool x11_display_reachable(std::string& error) {
    const char* name = std::getenv("DISPLAY");
    if (name == nullptr || *name == '\0') {
        error = "no X display: DISPLAY is not set";
        return false;
    }
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(name, &screen);
    const int failure = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (failure != 0) {
        error = std::string("cannot connect to the X display \"") + name + "\"";
        return false;
    }
    return true;
}

xcb_connection_t* qt_xcb_connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

unsigned int qt_xcb_root_window() {
    xcb_connection_t* connection = qt_xcb_connection();
    if (connection == nullptr) return 0;
    // Qt opened DISPLAY; its screen number picks the root.
    int screen = 0;
    char* host = nullptr;
    int display = 0;
    if (const char* name = std::getenv("DISPLAY")) {
        if (xcb_parse_display(name, &host, &display, &screen) == 0) screen = 0;
        std::free(host);
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screen && it.rem > 0; ++i) xcb_screen_next(&it);
    return it.rem > 0 ? it.data->root : 0;
}

}  // namespace zurvane
