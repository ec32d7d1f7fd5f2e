#include "hotkey/hotkeys.h"

#include "hotkey/hotkey_service.h"
#include "hotkey/hotkey_window.h"

namespace zurvane {

struct Hotkeys::State {
    explicit State(Platform& platform) : service(platform) {}
    HotkeyState hotkey;
    HotkeyService service;
};

Hotkeys::Hotkeys(Platform& platform)
    : platform_(platform), state_(std::make_unique<State>(platform)) {}
Hotkeys::~Hotkeys() = default;

const HotkeyState& Hotkeys::state() const {
    return state_->hotkey;
}

void Hotkeys::register_at_startup(WindowId main_window) {
    state_->hotkey.current_hotkey_key = default_hotkey_key;
    state_->hotkey.main_window_handle = main_window;
    register_current_hotkey(state_->service, state_->hotkey);
}

void Hotkeys::open_hotkey_window() {
    auto opening = std::make_shared<HotkeyWindowOpening>();
    platform_.open_window(hotkey_window_definition(state_->hotkey, state_->service, opening),
                          WindowMode::modal);
    // Closed without "保存" after a key press released the hotkey: register the key the tool
    // still names as current again, so that it stays the key in force.
    if (opening->key_pressed && !opening->saved)
        register_current_hotkey(state_->service, state_->hotkey);
}

}  // namespace zurvane
