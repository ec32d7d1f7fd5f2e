#include "ui/window/keyboard_rules.h"

namespace zurvane {

namespace {

bool is_letter_or_digit(int key_code) {
    return (key_code >= '0' && key_code <= '9') || (key_code >= 'A' && key_code <= 'Z');
}

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

const ControlSpec* access_key_control(const WindowDefinition& window, int key_code) {
    if (!is_letter_or_digit(key_code)) return nullptr;
    for (const auto& control : window.controls) {
        const Text& caption = control.text;
        for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
            unsigned char byte = static_cast<unsigned char>(caption[i]);
            if (byte >= 0x80) {  // a two-byte character: its second byte is no marker
                ++i;
                continue;
            }
            if (caption[i] != '&') continue;
            if (caption[i + 1] == '&') {  // "&&" is a literal ampersand
                ++i;
                continue;
            }
            if (upper(caption[i + 1]) == key_code) return &control;
            break;
        }
    }
    return nullptr;
}

WindowKeyAction window_key_action(const WindowDefinition& window, const ControlSpec* focused,
                                  int key_code, int modifiers) {
    const WindowProperties& properties = window.properties;
    if (key_code == key_code::tab && modifiers == 0) return WindowKeyAction::focus_next;
    if (key_code == key_code::tab && modifiers == modifier::shift)
        return WindowKeyAction::focus_previous;
    if (key_code == key_code::esc && modifiers == 0 && properties.esc_closes)
        return WindowKeyAction::close_window;
    if (key_code == key_code::enter && modifiers == 0) {
        // A multi-line edit box keeps Enter for its line breaks; no window has a default button.
        bool edit_keeps_enter =
            focused && focused->kind == ControlKind::edit_box && focused->multi_line;
        if (!edit_keeps_enter && properties.enter_moves_focus) return WindowKeyAction::focus_next;
        return WindowKeyAction::none;
    }
    if (focused && focused->kind == ControlKind::radio_button && modifiers == 0) {
        if (key_code == key_code::right || key_code == key_code::down)
            return WindowKeyAction::next_radio_button;
        if (key_code == key_code::left || key_code == key_code::up)
            return WindowKeyAction::previous_radio_button;
    }
    if (modifiers == modifier::alt && access_key_control(window, key_code))
        return WindowKeyAction::activate_access_key;
    return WindowKeyAction::none;
}

}  // namespace zurvane
