// The hotkey state shared by the start-up registration and the hotkey window. All 0 until
// the main window is created.
#pragma once

#include "ui/window/platform.h"

namespace zurvane {

inline constexpr int default_hotkey_key = 112;  // F1

struct HotkeyState {
    int current_hotkey_key = 0;       // the key the tool names as its hotkey
    WindowId main_window_handle = 0;  // the window the registrations are made for
    int hotkey_registration_id = 0;   // id of the registration in force; 0 when refused
    int pending_hotkey_key = 0;       // the key pressed last in the hotkey window
};

}  // namespace zurvane
