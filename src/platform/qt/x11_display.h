// The X display: whether it can be reached before Qt tries (Qt's xcb plugin aborts the process
// when it cannot connect), and Qt's own connection once Qt runs on xcb.
#pragma once

#include <string>

struct xcb_connection_t;

namespace zurvane {

// Connects to the display named by DISPLAY and disconnects again. On failure, error says why.
bool x11_display_reachable(std::string& error);

// Qt's connection to the X server, or null when Qt runs on another platform (offscreen, say).
xcb_connection_t* qt_xcb_connection();
// The root window of Qt's default screen, or 0.
unsigned int qt_xcb_root_window();

}  // namespace zurvane
