#include "ui/window/keyboard_rules.h"

#include <gtest/gtest.h>

namespace zurvane {
namespace {

WindowDefinition window_with(bool esc_closes, bool enter_moves_focus) {
    WindowDefinition w;
    w.properties.esc_closes = esc_closes;
    w.properties.enter_moves_focus = enter_moves_focus;
    w.controls = {
        {"edit", ControlKind::edit_box, "", 0, 0, 10, 10, true, true},
        {"multi", ControlKind::edit_box, "", 0, 0, 10, 10, true, true},
        {"radio", ControlKind::radio_button, "", 0, 0, 10, 10, true, true},
        {"button", ControlKind::push_button, "&Save", 0, 0, 10, 10, true, true},
        {"amp", ControlKind::push_button, "a&&b", 0, 0, 10, 10, true, true},
    };
    w.controls[1].multi_line = true;
    return w;
}

TEST(KeyboardRules, WhatTheWindowTakesBeforeTheControl) {
    using A = WindowKeyAction;
    struct Case {
        bool esc_closes, enter_moves_focus;
        const char* focused;
        int key, modifiers;
        A expected;
    };
    const Case cases[] = {
        {true, false, "edit", 9, 0, A::focus_next},
        {true, false, "multi", 9, 2, A::focus_previous},
        {true, false, "multi", 9, 1, A::none},  // Ctrl+Tab is the control's
        {true, false, "multi", 27, 0, A::close_window},
        {true, false, "edit", 27, 2, A::none},   // Shift+Esc reaches the control
        {false, true, nullptr, 27, 0, A::none},  // a window that ignores Esc
        {false, true, nullptr, 13, 0, A::focus_next},
        {false, true, "multi", 13, 0, A::none},  // a multi-line box keeps Enter
        {true, false, "edit", 13, 0, A::none},   // Enter raises the key event there
        {true, false, "radio", 39, 0, A::next_radio_button},
        {true, false, "radio", 38, 0, A::previous_radio_button},
        {true, false, "edit", 39, 0, A::none},
        {true, false, "edit", 'S', 4, A::activate_access_key},
        {true, false, "edit", 'B', 4, A::none},  // "&&" marks no access key
        {true, false, "edit", 112, 0, A::none},  // F1 opens no help
    };
    for (const Case& c : cases) {
        WindowDefinition w = window_with(c.esc_closes, c.enter_moves_focus);
        const ControlSpec* focused = c.focused ? w.find_control(c.focused) : nullptr;
        EXPECT_EQ(window_key_action(w, focused, c.key, c.modifiers), c.expected)
            << "key " << c.key << " modifiers " << c.modifiers << " in "
            << (c.focused ? c.focused : "window");
    }
}

}  // namespace
}  // namespace zurvane
