// The main window: source box, result box, the command buttons between them and the
// settings row that "设置" shows and hides by changing the window's height.
#pragma once

#include <functional>

#include "ui/window/platform.h"

namespace zurvane {

inline constexpr int main_window_width = 539;
inline constexpr int collapsed_height = 240;
inline constexpr int expanded_height = 267;

// What the main window reaches beyond its own controls.
struct MainWindowLinks {
    std::function<void(WindowId main_window)> register_hotkey;  // part of the created event
    std::function<void()> open_hotkey_window;                   // modal
    std::function<void()> open_about_window;
};

WindowDefinition main_window_definition(Platform& platform, MainWindowLinks links);

// The action of "转换": join_lines from "编辑框1" into "编辑框2", spaces removed unless
// "单选框1" ("否") is checked.
void convert_action(Window& main_window);
// "设置" / "收起": between the collapsed and the expanded height.
void toggle_settings_panel(Window& main_window);

}  // namespace zurvane
