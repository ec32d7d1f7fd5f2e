#include "platform/qt/qt_keys.h"

#include <QKeyEvent>
#include <algorithm>
#include <unordered_map>

namespace zurvane {

namespace {

struct KeyEntry {
    std::uint32_t keysym;
    int code;
    bool grabbed;  // the keysym names the key a registration of code grabs
};

// Keysyms that are not generated from a run (letters, digits, F-keys). US layout for the
// punctuation keys, shifted forms included since an event carries the shifted keysym.
constexpr KeyEntry fixed_keys[] = {
    {0xff08, 8, true},    // BackSpace
    {0xff09, 9, true},    // Tab
    {0xfe20, 9, false},   // ISO_Left_Tab: Shift+Tab
    {0xff0d, 13, true},   // Return
    {0xff8d, 13, true},   // KP_Enter
    {0xffe1, 16, true},   // Shift_L
    {0xffe2, 16, true},   // Shift_R
    {0xffe3, 17, true},   // Control_L
    {0xffe4, 17, true},   // Control_R
    {0xffe9, 18, true},   // Alt_L
    {0xffea, 18, true},   // Alt_R
    {0xffe7, 18, false},  // Meta_L: Shift+Alt on the usual maps
    {0xffe8, 18, false},  // Meta_R
    {0xff13, 19, true},   // Pause
    {0xff6b, 3, true},    // Break: Ctrl+Pause
    {0xffe5, 20, true},   // Caps_Lock
    {0xff1b, 27, true},   // Escape
    {0x0020, 32, true},   // space
    {0xff55, 33, true},   // Prior
    {0xff56, 34, true},   // Next
    {0xff57, 35, true},   // End
    {0xff50, 36, true},   // Home
    {0xff51, 37, true},   // Left
    {0xff52, 38, true},   // Up
    {0xff53, 39, true},   // Right
    {0xff54, 40, true},   // Down
    {0xff61, 44, true},   // Print
    {0xff63, 45, true},   // Insert
    {0xffff, 46, true},   // Delete
    {0xffeb, 91, true},   // Super_L
    {0xffec, 92, true},   // Super_R
    {0xff67, 93, true},   // Menu
    {0xff7f, 144, true},  // Num_Lock
    {0xff14, 145, true},  // Scroll_Lock
    // The keypad with Num Lock on: digits, minus, point and divide fold onto the main keys.
    {0xffaa, 106, true},   // KP_Multiply
    {0xffab, 107, true},   // KP_Add
    {0xffac, 108, true},   // KP_Separator
    {0xffad, 189, false},  // KP_Subtract
    {0xffae, 190, false},  // KP_Decimal
    {0xffaf, 191, false},  // KP_Divide
    // The keypad with Num Lock off gives the navigation keys; keypad 5 is VK_CLEAR.
    {0xff95, 36, true},  // KP_Home
    {0xff96, 37, true},  // KP_Left
    {0xff97, 38, true},  // KP_Up
    {0xff98, 39, true},  // KP_Right
    {0xff99, 40, true},  // KP_Down
    {0xff9a, 33, true},  // KP_Prior
    {0xff9b, 34, true},  // KP_Next
    {0xff9c, 35, true},  // KP_End
    {0xff9d, 12, true},  // KP_Begin
    {0xff9e, 45, true},  // KP_Insert
    {0xff9f, 46, true},  // KP_Delete
    {0xff0b, 12, true},  // Clear
    // US-layout punctuation keys, unshifted then shifted.
    {0x003b, 186, true},
    {0x003a, 186, false},  // ; :
    {0x003d, 187, true},
    {0x002b, 187, false},  // = +
    {0x002c, 188, true},
    {0x003c, 188, false},  // , <
    {0x002d, 189, true},
    {0x005f, 189, false},  // - _
    {0x002e, 190, true},
    {0x003e, 190, false},  // . >
    {0x002f, 191, true},
    {0x003f, 191, false},  // / ?
    {0x0060, 192, true},
    {0x007e, 192, false},  // ` ~
    {0x005b, 219, true},
    {0x007b, 219, false},  // [ {
    {0x005c, 220, true},
    {0x007c, 220, false},  // \ |
    {0x005d, 221, true},
    {0x007d, 221, false},  // ] }
    {0x0027, 222, true},
    {0x0022, 222, false},  // ' "
    // Shifted digits on the US layout: ) ! @ # $ % ^ & * (
    {0x0029, 48, false},
    {0x0021, 49, false},
    {0x0040, 50, false},
    {0x0023, 51, false},
    {0x0024, 52, false},
    {0x0025, 53, false},
    {0x005e, 54, false},
    {0x0026, 55, false},
    {0x002a, 56, false},
    {0x0028, 57, false},
};

std::vector<KeyEntry> build_table() {
    std::vector<KeyEntry> table(std::begin(fixed_keys), std::end(fixed_keys));
    for (int i = 0; i < 26; ++i) {
        table.push_back({static_cast<std::uint32_t>('a' + i), 'A' + i, true});
        table.push_back({static_cast<std::uint32_t>('A' + i), 'A' + i, false});
    }
    for (int i = 0; i < 10; ++i) {
        table.push_back({static_cast<std::uint32_t>('0' + i), '0' + i, true});
        table.push_back({0xffb0u + i, '0' + i, false});  // KP_0..KP_9
    }
    for (int i = 0; i < 24; ++i) table.push_back({0xffbeu + i, 112 + i, true});  // F1..F24
    return table;
}

const std::vector<KeyEntry>& key_table() {
    static const std::vector<KeyEntry> table = build_table();
    return table;
}

const std::unordered_map<std::uint32_t, int>& code_by_keysym() {
    static const std::unordered_map<std::uint32_t, int> map = [] {
        std::unordered_map<std::uint32_t, int> m;
        for (const auto& entry : key_table()) m.emplace(entry.keysym, entry.code);
        return m;
    }();
    return map;
}

constexpr std::uint32_t x_shift = 1, x_control = 4, x_mod1 = 8;

// Qt's own key code, for events that carry no keysym (synthesised ones).
int virtual_key_from_qt_key(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return 'A' + (key - Qt::Key_A);
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return '0' + (key - Qt::Key_0);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    return 0;
}

}  // namespace

int virtual_key_from_keysym(std::uint32_t keysym) {
    auto it = code_by_keysym().find(keysym);
    return it == code_by_keysym().end() ? 0 : it->second;
}

std::vector<std::uint32_t> keysyms_for_virtual_key(int code) {
    std::vector<std::uint32_t> keysyms;
    for (const auto& entry : key_table())
        if (entry.code == code && entry.grabbed) keysyms.push_back(entry.keysym);
    return keysyms;
}

int modifier_state_from_x(std::uint32_t x_state, int code) {
    int state = 0;
    if ((x_state & x_control) && code != 17) state |= 1;
    if ((x_state & x_shift) && code != 16) state |= 2;
    if ((x_state & x_mod1) && code != 18) state |= 4;
    return state;
}

int virtual_key_code(const QKeyEvent& event) {
    if (event.nativeVirtualKey() != 0) return virtual_key_from_keysym(event.nativeVirtualKey());
    return virtual_key_from_qt_key(event.key());
}

int modifier_state(const QKeyEvent& event) {
    int code = virtual_key_code(event);
    if (event.nativeVirtualKey() != 0) return modifier_state_from_x(event.nativeModifiers(), code);
    // Without native data, Qt's modifiers; they may count the modifier key itself.
    Qt::KeyboardModifiers modifiers = event.modifiers();
    int state = 0;
    if (modifiers.testFlag(Qt::ControlModifier) && code != 17) state |= 1;
    if (modifiers.testFlag(Qt::ShiftModifier) && code != 16) state |= 2;
    if (modifiers.testFlag(Qt::AltModifier) && code != 18) state |= 4;
    return state;
}

}  // namespace zurvane
