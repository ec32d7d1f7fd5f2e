// Key codes and modifier state as the windows' key-pressed events carry them.
#pragma once

namespace zurvane::win32 {

// The low byte of a virtual-key code, with the keypad's digits, minus, point and divide folded
// onto the main keyboard (multiply and plus have no main-keyboard code of their own and stay).
int fold_key_code(unsigned virtual_key);

// Ctrl 1 + Shift 2 + Alt 4 as the keyboard stood for the message being handled; the modifier
// key that is itself going down does not count.
int modifier_state(int key_code);

}  // namespace zurvane::win32
