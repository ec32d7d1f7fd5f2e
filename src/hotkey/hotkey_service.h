// System-wide hotkey registrations and the forwarding of their presses to a receiving label,
// as the label's feedback event with (id, 0).
#pragma once

#include <string>
#include <string_view>

#include "hotkey/hotkey_state.h"
#include "ui/window/platform.h"

namespace zurvane {

inline constexpr int first_hotkey_id = 33001;

class HotkeyService {
public:
    // Takes over the platform's hotkey sink for as long as the service lives.
    explicit HotkeyService(Platform& platform);
    ~HotkeyService();
    HotkeyService(const HotkeyService&) = delete;
    HotkeyService& operator=(const HotkeyService&) = delete;

    // Issues the next id (a refused attempt uses one up too), makes the receiver the target of
    // forwarded presses and registers key with modifiers (Ctrl 1, Shift 2, Alt 4) for window.
    // Returns the id, or 0 if the platform refused.
    int register_hotkey(WindowId window, WindowId receiver_window,
                        std::string_view receiver_control, int modifiers, int key);
    // False for an id not registered for window (0, or released already).
    bool unregister_hotkey(WindowId window, int id);

    int last_id_issued() const { return last_id_issued_; }

private:
    void forward(WindowId window, int id);

    Platform& platform_;
    int id_serial_ = 0;
    int last_id_issued_ = 0;
    WindowId receiver_window_ = 0;
    std::string receiver_control_;
};

// The receiver of every registration: the main window's hidden label.
inline constexpr std::string_view hotkey_receiver_label = "标签3";

// Registers current_hotkey_key bare for the main window, "标签3" receiving, and keeps the id.
void register_current_hotkey(HotkeyService& service, HotkeyState& state);

}  // namespace zurvane
