// The Win32 window class and styles that realise each kind of control.
#pragma once

#include <windows.h>

#include "ui/window/window_definition.h"

namespace zurvane::win32 {

inline constexpr const wchar_t* label_class_name = L"ZurvaneLabel";
inline constexpr const wchar_t* canvas_class_name = L"ZurvaneCanvas";

struct ControlStyle {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

// first_radio_button: the control opens the window's group of radio buttons.
ControlStyle control_style(const ControlSpec& control, bool first_radio_button);

// The DrawTextW layout of a label.
UINT label_draw_flags(LabelText layout);

// The top-level window's styles for its properties.
ControlStyle window_style(const WindowProperties& properties);

}  // namespace zurvane::win32
