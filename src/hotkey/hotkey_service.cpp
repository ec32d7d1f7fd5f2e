#include "hotkey/hotkey_service.h"

namespace zurvane {

HotkeyService::HotkeyService(Platform& platform) : platform_(platform) {
    platform_.set_hotkey_sink([this](WindowId window, int id) { forward(window, id); });
}

HotkeyService::~HotkeyService() {
    platform_.set_hotkey_sink(nullptr);
}

int HotkeyService::register_hotkey(WindowId window, WindowId receiver_window,
                                   std::string_view receiver_control, int modifiers, int key) {
    ++id_serial_;
    int id = first_hotkey_id - 1 + id_serial_;
    last_id_issued_ = id;
    receiver_window_ = receiver_window;
    receiver_control_ = std::string(receiver_control);
    // The platform takes the modifier code as it is: Ctrl 1, Shift 2, Alt 4 and their sums.
    return platform_.grab_hotkey(window, id, modifiers, key) ? id : 0;
}

bool HotkeyService::unregister_hotkey(WindowId window, int id) {
    if (id == 0) return false;
    return platform_.release_hotkey(window, id);
}

void HotkeyService::forward(WindowId, int id) {
    if (id < first_hotkey_id || id > last_id_issued_) return;
    platform_.send_feedback(receiver_window_, receiver_control_, id, 0);
}

void register_current_hotkey(HotkeyService& service, HotkeyState& state) {
    state.hotkey_registration_id =
        service.register_hotkey(state.main_window_handle, state.main_window_handle,
                                hotkey_receiver_label, 0, state.current_hotkey_key);
}

}  // namespace zurvane
