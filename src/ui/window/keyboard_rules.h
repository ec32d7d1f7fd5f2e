// The keys a window takes before a control's key-pressed event, the same in every window
// and on every platform. Key codes are Windows virtual-key codes; modifiers Ctrl 1, Shift 2, Alt 4.
#pragma once

#include "ui/window/window_definition.h"

namespace zurvane {

namespace key_code {
inline constexpr int tab = 9;
inline constexpr int enter = 13;
inline constexpr int shift = 16;
inline constexpr int ctrl = 17;
inline constexpr int alt = 18;
inline constexpr int esc = 27;
inline constexpr int left = 37;
inline constexpr int up = 38;
inline constexpr int right = 39;
inline constexpr int down = 40;
inline constexpr int f1 = 112;
}  // namespace key_code

namespace modifier {
inline constexpr int ctrl = 1;
inline constexpr int shift = 2;
inline constexpr int alt = 4;
}  // namespace modifier

enum class WindowKeyAction {
    none,                   // the window takes nothing: the control's key-pressed event runs
    focus_next,             // Tab, or Enter where the window moves the focus on Enter
    focus_previous,         // Shift+Tab
    close_window,           // Esc where the window closes on Esc
    next_radio_button,      // right / down arrow on a radio button
    previous_radio_button,  // left / up arrow on a radio button
    activate_access_key,    // Alt with the letter or digit a caption marks with "&"
};

// focused may be null (the window itself has the focus).
WindowKeyAction window_key_action(const WindowDefinition& window, const ControlSpec* focused,
                                  int key_code, int modifiers);

// The control whose caption marks key_code (a letter or digit) as its access key, or null.
const ControlSpec* access_key_control(const WindowDefinition& window, int key_code);

}  // namespace zurvane
