#include "platform/win32/win32_keys.h"

#include <windows.h>

#include "ui/window/keyboard_rules.h"

namespace zurvane::win32 {

int fold_key_code(unsigned virtual_key) {
    const int code = static_cast<int>(virtual_key & 0xFF);
    if (code >= VK_NUMPAD0 && code <= VK_NUMPAD9) return '0' + (code - VK_NUMPAD0);
    switch (code) {
        case VK_SUBTRACT:
            return VK_OEM_MINUS;
        case VK_DECIMAL:
            return VK_OEM_PERIOD;
        case VK_DIVIDE:
            return VK_OEM_2;
        default:
            return code;
    }
}

int modifier_state(int key_code) {
    auto down = [key_code](int modifier_key) {
        return key_code != modifier_key && GetKeyState(modifier_key) < 0;
    };
    int state = 0;
    if (down(VK_CONTROL)) state |= modifier::ctrl;
    if (down(VK_SHIFT)) state |= modifier::shift;
    if (down(VK_MENU)) state |= modifier::alt;
    return state;
}

}  // namespace zurvane::win32
