// Key presses as the portable keyboard rules see them: Windows virtual-key codes (keypad folded
// onto the main keyboard) and the modifier state Ctrl 1 + Shift 2 + Alt 4. One table maps X
// keysyms to virtual-key codes and, for the global key grab, virtual-key codes back to keysyms.
#pragma once

#include <cstdint>
#include <vector>

class QKeyEvent;

namespace zurvane {

// 0 for a key that has no virtual-key code.
int virtual_key_code(const QKeyEvent& event);
// A modifier key pressed by itself does not count itself (Ctrl alone gives state 0).
int modifier_state(const QKeyEvent& event);

// The virtual-key code of an X keysym as a key event delivers it (shift level applied), 0 if
// none. Keypad digits, minus, point and divide fold onto the main keyboard.
int virtual_key_from_keysym(std::uint32_t keysym);
// The keysyms of the keys that a registration of code stands for, most common first: the
// main-keyboard key for a folded keypad code, both keys for Shift, Ctrl, Alt and Enter.
// Empty for a code without a key.
std::vector<std::uint32_t> keysyms_for_virtual_key(int code);
// The X state bits (Shift 1, Control 4, Mod1 8) as Ctrl 1 + Shift 2 + Alt 4, without the bit
// of the modifier key code itself.
int modifier_state_from_x(std::uint32_t x_state, int code);

}  // namespace zurvane
