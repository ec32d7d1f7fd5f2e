#include "about/about_window.h"

#include <memory>

#include "about/marquee.h"
#include "ui/window/ui_text.h"

namespace zurvane {

namespace {

std::vector<ControlSpec> about_window_controls() {
    using K = ControlKind;
    // name, kind, text, left, top, width, height, shown; nothing takes the focus
    std::vector<ControlSpec> controls = {
        {"标签1", K::label,
         ui_text("我为这个程序能帮到你而开心\r\n"
                 "如果在使用中你有什么好的建议可以联系我\r\n"
                 "我会试着添加的。\r\n"
                 "由于马上就大学毕业了，工作和软件无关。我尽力吧。\r\n"
                 "或者把源码共享出来。大家自己改也可以。\r\n"),
         8, 72, 376, 64, true},
        {"时钟1", K::timer, "", 24, 8, 24, 32, false},
        {"画板1", K::canvas, "", 120, 136, 200, 24, true},
        {"标签2", K::label,
         ui_text("1.加入了快捷键来完成“一键操作”。\r\n"
                 "2.可以自定义快捷键。\r\n"
                 "3.加入了转换中英文标点。"),
         104, 8, 256, 40, true},
        {"标签3", K::label, ui_text("更新说明："), 48, 8, 56, 16, true},
    };
    for (auto& control : controls) {
        if (control.name == "标签1") control.label_text = LabelText::wrapped_centred;
        if (control.name == "标签2") control.label_text = LabelText::wrapped;
        if (control.name == "标签3") control.label_text = LabelText::single_line;
        if (control.name == "画板1") control.font_height = 21;
        if (control.name == "时钟1") control.interval_ms = marquee_interval_ms;
    }
    return controls;
}

}  // namespace

WindowDefinition about_window_definition(RandomGenerator& random) {
    WindowDefinition window;
    window.properties.caption = ui_text("关于");
    window.properties.outer_width = about_window_width;
    window.properties.outer_height = about_window_height;
    window.properties.minimise_button = false;
    window.properties.tool_window = true;
    window.properties.esc_closes = false;
    window.properties.enter_moves_focus = true;
    window.controls = about_window_controls();

    // The canvas's writing state lives as long as this window's definition does.
    auto canvas = std::make_shared<CanvasState>();
    RandomGenerator* generator = &random;
    window.bindings = {
        {"时钟1", Event::tick, ActionHandler([canvas, generator](Window& w) {
             paint_marquee(Canvas{w, "画板1", *canvas}, *generator);
         })},
    };
    return window;
}

AboutWindow::AboutWindow(Platform& platform) : AboutWindow(platform, random_state()) {}

AboutWindow::AboutWindow(Platform& platform, RandomGenerator& random)
    : platform_(platform), random_(random) {}

void AboutWindow::open_about_window() {
    if (window_ != 0 && platform_.window_exists(window_)) {
        if (platform_.is_minimised(window_))
            platform_.restore(window_);
        else
            platform_.activate(window_);
        return;
    }
    // 0 when the window cannot be made; the next click tries again.
    window_ = platform_.open_window(about_window_definition(random_), WindowMode::modeless);
}

}  // namespace zurvane
