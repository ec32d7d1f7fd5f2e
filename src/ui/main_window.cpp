#include "ui/main_window.h"

#include <memory>

#include "text/line_joining.h"
#include "text/punctuation.h"
#include "ui/clipboard_actions.h"
#include "ui/window/ui_text.h"

namespace zurvane {

namespace {

std::vector<ControlSpec> main_window_controls() {
    using K = ControlKind;
    // name, kind, caption or text, left, top, width, height, shown, tab stop
    std::vector<ControlSpec> controls = {
        {"编辑框1", K::edit_box, ui_text("这里输入将要转换的文本"), 6, 19, 214, 181, true, true},
        {"按钮2", K::push_button, ui_text("转换"), 224, 20, 80, 32, true, true},
        {"编辑框2", K::edit_box, "", 310, 18, 214, 182, true, true},
        {"按钮1", K::push_button, ui_text("粘贴文本"), 224, 0, 80, 16, false, true},
        {"按钮4", K::push_button, ui_text("一键操作"), 224, 168, 80, 32, true, true},
        {"按钮3", K::push_button, ui_text("复制右侧文本"), 224, 56, 80, 32, true, true},
        {"单选框1", K::radio_button, ui_text("否"), 48, 216, 32, 16, true, true},
        {"标签1", K::label, ui_text("去空格"), 8, 216, 40, 13, true, false},
        {"单选框2", K::radio_button, ui_text("是"), 80, 216, 32, 16, true, true},
        {"按钮7", K::push_button, ui_text("设置"), 224, 120, 80, 32, true, true},
        {"标签2", K::label, ui_text("替换标点为"), 384, 216, 64, 16, true, false},
        {"按钮8", K::push_button, ui_text("中文"), 456, 216, 32, 17, true, true},
        {"按钮9", K::push_button, ui_text("英文"), 496, 216, 32, 17, true, true},
        {"按钮6", K::push_button, ui_text("关于"), 240, 216, 48, 17, true, true},
        {"标签3", K::label, ui_text("标签"), 184, 0, 16, 16, false, false},
        {"按钮5", K::push_button, ui_text("更改快捷键"), 136, 216, 80, 17, true, true},
    };
    for (auto& control : controls) {
        if (control.kind == K::edit_box) control.multi_line = true;
        if (control.name == "单选框2") control.checked = true;
        if (control.name == "按钮7") control.font_height = 12;
    }
    return controls;
}

}  // namespace

void convert_action(Window& main_window) {
    bool remove_spaces = !main_window.is_checked("单选框1");
    main_window.set_text("编辑框2", join_lines(main_window.text("编辑框1"), remove_spaces));
}

void toggle_settings_panel(Window& main_window) {
    if (compare_bytes(main_window.text("按钮7"), ui_text("设置")) == 0) {
        main_window.set_text("按钮7", ui_text("收起"));
        main_window.set_outer_height(expanded_height);
    } else {
        main_window.set_text("按钮7", ui_text("设置"));
        main_window.set_outer_height(collapsed_height);
    }
}

WindowDefinition main_window_definition(Platform& platform, MainWindowLinks links) {
    WindowDefinition window;
    window.properties.caption = ui_text("Zurvane——Kelvoth");
    window.properties.outer_width = main_window_width;
    window.properties.outer_height = expanded_height;  // as defined; collapsed at creation
    window.properties.minimise_button = true;
    window.properties.esc_closes = true;
    window.controls = main_window_controls();

    Platform* p = &platform;
    auto punctuation = [p](Conversion conversion) {
        return ActionHandler(
            [p, conversion](Window& w) { convert_clipboard_punctuation(*p, w, conversion); });
    };
    // A hotkey press that comes while a one-click still waits in its message box is dropped:
    // a held key's auto-repeat would otherwise stack one box on another.
    auto one_click_running = std::make_shared<bool>(false);
    auto guarded_one_click = [p, one_click_running](Window& w) {
        if (*one_click_running) return;
        *one_click_running = true;
        one_click(*p, w);
        *one_click_running = false;
    };

    window.bindings = {
        {"", Event::created, ActionHandler([links](Window& w) {
             w.set_outer_height(collapsed_height);
             if (links.register_hotkey) links.register_hotkey(w.id());
         })},
        {"按钮2", Event::clicked, ActionHandler(convert_action)},
        {"按钮1", Event::clicked, ActionHandler([p](Window& w) { paste_text(*p, w); })},
        {"按钮3", Event::clicked, ActionHandler([p](Window& w) { copy_result(*p, w); })},
        {"按钮4", Event::clicked, ActionHandler(guarded_one_click)},
        {"按钮7", Event::clicked, ActionHandler(toggle_settings_panel)},
        {"按钮5", Event::clicked, ActionHandler([links](Window&) {
             if (links.open_hotkey_window) links.open_hotkey_window();
         })},
        {"按钮6", Event::clicked, ActionHandler([links](Window&) {
             if (links.open_about_window) links.open_about_window();
         })},
        {"按钮8", Event::clicked, punctuation(to_chinese_punctuation)},
        {"按钮9", Event::clicked, punctuation(to_english_punctuation)},
        // The receiver of the global hotkey's presses.
        {"标签3", Event::feedback, FeedbackHandler([guarded_one_click](Window& w, int, int) {
             guarded_one_click(w);
             return 0;
         })},
    };
    return window;
}

}  // namespace zurvane
