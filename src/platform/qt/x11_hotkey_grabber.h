// System-wide hotkeys on X11: a key grabbed on the root window, its presses handed to the sink
// as (window, id) on the GUI thread. QtPlatform's grab_hotkey / release_hotkey / set_hotkey_sink
// delegate here.
#pragma once

#include <memory>

#include "ui/window/platform.h"

namespace zurvane {

class X11HotkeyGrabber {
public:
    X11HotkeyGrabber();
    ~X11HotkeyGrabber();
    X11HotkeyGrabber(const X11HotkeyGrabber&) = delete;
    X11HotkeyGrabber& operator=(const X11HotkeyGrabber&) = delete;

    // key_code is a Windows virtual-key code, modifiers Ctrl 1 + Shift 2 + Alt 4.
    // False if the key cannot be grabbed (another program holds it, say).
    bool grab(WindowId window, int id, int modifiers, int key_code);
    bool release(WindowId window, int id);
    void set_sink(HotkeySink sink);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace zurvane
