#include "ui/clipboard_actions.h"

#include "ui/clipboard.h"
#include "ui/main_window.h"
#include "ui/window/ui_text.h"

namespace zurvane {

namespace {

void show_no_text_box(Platform& platform) {
    platform.show_message_box(ui_text("没有可用文本"), ui_text("╮(╯▽╰)╭认真点嘛"));
}

// The clipboard's text, or the box when it offers none or cannot be read.
std::optional<Text> clipboard_text_or_box(Platform& platform) {
    std::optional<Text> text;
    if (clipboard_offers_text(platform)) text = fetch_clipboard_text(platform);
    if (!text) show_no_text_box(platform);
    return text;
}

}  // namespace

bool paste_text(Platform& platform, Window& main_window) {
    std::optional<Text> text = clipboard_text_or_box(platform);
    if (!text) return false;
    main_window.set_text("编辑框1", *text);
    return true;
}

void copy_result(Platform& platform, Window& main_window) {
    put_clipboard_text(platform, main_window.text("编辑框2"));
}

void one_click(Platform& platform, Window& main_window) {
    if (!paste_text(platform, main_window)) return;
    convert_action(main_window);
    copy_result(platform, main_window);
}

void convert_clipboard_punctuation(Platform& platform, Window& main_window, Conversion conversion) {
    std::optional<Text> text = clipboard_text_or_box(platform);
    if (!text) return;
    main_window.set_text("编辑框1", *text);
    Text result = conversion(*text);
    put_clipboard_text(platform, result);
    main_window.set_text("编辑框2", result);
}

}  // namespace zurvane
