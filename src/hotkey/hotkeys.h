// The global hotkey as the rest of the tool sees it: the start-up registration and the
// hotkey window. The state and service behind it are in hotkey_state.h / hotkey_service.h.
#pragma once

#include <memory>

#include "hotkey/hotkey_state.h"
#include "ui/window/platform.h"

namespace zurvane {

class Hotkeys {
public:
    explicit Hotkeys(Platform& platform);
    ~Hotkeys();
    Hotkeys(const Hotkeys&) = delete;
    Hotkeys& operator=(const Hotkeys&) = delete;

    // Part of the main window's created event: F1, registered for the main window, with
    // its label "标签3" as the receiver of the presses.
    void register_at_startup(WindowId main_window);
    // The click of "更改快捷键": the modal hotkey window; returns once it has closed.
    void open_hotkey_window();

    const HotkeyState& state() const;

private:
    struct State;
    Platform& platform_;
    std::unique_ptr<State> state_;
};

}  // namespace zurvane
