#include "hotkey/hotkey_window.h"

#include "hotkey/key_names.h"
#include "ui/window/ui_text.h"

namespace zurvane {

namespace {

std::vector<ControlSpec> hotkey_window_controls() {
    using K = ControlKind;
    // name, kind, caption or text, left, top, width, height, shown, tab stop
    return {
        {"标签3", K::label, "", 112, 16, 56, 16, true, false},
        {"标签2", K::label, ui_text("当前快捷键为："), 32, 16, 80, 16, true, false},
        {"编辑框1", K::edit_box, "", 112, 40, 56, 16, true, true},
        {"按钮1", K::push_button, ui_text("保存"), 72, 64, 48, 32, true, true},
        {"标签1", K::label, ui_text("你输入的快捷键为："), 8, 40, 104, 16, true, false},
    };
}

}  // namespace

void hotkey_window_created(Window& window, const HotkeyState& state) {
    window.set_text("标签3", key_name(state.current_hotkey_key));
    window.focus("编辑框1");
}

bool hotkey_window_key_pressed(Window& window, HotkeyState& state, HotkeyService& service,
                               HotkeyWindowOpening& opening, int key_code) {
    // Releasing lets the old key itself be captured; after the first key it fails harmlessly.
    service.unregister_hotkey(state.main_window_handle, state.hotkey_registration_id);
    opening.key_pressed = true;
    state.pending_hotkey_key = key_code;  // modifiers are never part of the hotkey
    window.set_text("编辑框1", key_name(key_code));
    return true;  // the key goes on to the box as ordinary input
}

void hotkey_window_save(Window& window, HotkeyState& state, HotkeyService& service,
                        HotkeyWindowOpening& opening) {
    // Without a key pressed now, the registration in force was never released: saving would
    // put a second registration beside it while the window names only one.
    if (opening.key_pressed) {
        state.current_hotkey_key = state.pending_hotkey_key;
        register_current_hotkey(service, state);
        opening.saved = true;
    }
    window.close();
}

WindowDefinition hotkey_window_definition(HotkeyState& state, HotkeyService& service,
                                          std::shared_ptr<HotkeyWindowOpening> opening) {
    WindowDefinition window;
    window.properties.caption = ui_text("定义快捷键");
    window.properties.outer_width = 207;
    window.properties.outer_height = 140;
    window.properties.esc_closes = true;
    window.controls = hotkey_window_controls();

    HotkeyState* s = &state;
    HotkeyService* h = &service;
    window.bindings = {
        {"", Event::created, ActionHandler([s](Window& w) { hotkey_window_created(w, *s); })},
        {"编辑框1", Event::key_pressed, KeyHandler([s, h, opening](Window& w, int key_code, int) {
             return hotkey_window_key_pressed(w, *s, *h, *opening, key_code);
         })},
        {"按钮1", Event::clicked,
         ActionHandler([s, h, opening](Window& w) { hotkey_window_save(w, *s, *h, *opening); })},
    };
    return window;
}

}  // namespace zurvane
