#include "platform/win32/win32_control_styles.h"

namespace zurvane::win32 {

ControlStyle control_style(const ControlSpec& control, bool first_radio_button) {
    // Edit boxes and push buttons each start a group of their own (WS_GROUP): the automatic
    // unchecking of radio buttons reaches to the next group, which then holds only the radio
    // buttons and the labels among them.
    DWORD style = WS_CHILD;
    if (control.shown) style |= WS_VISIBLE;
    if (control.tab_stop) style |= WS_TABSTOP;
    switch (control.kind) {
        case ControlKind::edit_box:
            // The selection is hidden while the box has no focus (no ES_NOHIDESEL).
            style |= ES_LEFT | WS_GROUP;
            style |= control.multi_line ? ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL
                                        : ES_AUTOHSCROLL;
            return {L"EDIT", style, WS_EX_STATICEDGE};
        case ControlKind::push_button:
            return {L"BUTTON",
                    style | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER | WS_GROUP, 0};
        case ControlKind::radio_button:
            if (first_radio_button) style |= WS_GROUP;
            return {L"BUTTON", style | BS_AUTORADIOBUTTON | BS_LEFT | BS_VCENTER, 0};
        case ControlKind::label:
            return {label_class_name, style, 0};
        case ControlKind::canvas:
            return {canvas_class_name, style, 0};
        case ControlKind::timer:
            break;
    }
    return {nullptr, 0, 0};
}

UINT label_draw_flags(LabelText layout) {
    switch (layout) {
        case LabelText::single_line:
            return DT_SINGLELINE | DT_VCENTER | DT_LEFT;
        case LabelText::wrapped:
            return DT_WORDBREAK | DT_LEFT | DT_TOP;
        case LabelText::wrapped_centred:
            return DT_WORDBREAK | DT_CENTER | DT_TOP;
    }
    return DT_SINGLELINE | DT_VCENTER | DT_LEFT;
}

ControlStyle window_style(const WindowProperties& properties) {
    // A fixed single frame with a title bar and the system menu; never a maximise button.
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    if (properties.minimise_button) style |= WS_MINIMIZEBOX;
    return {nullptr, style, properties.tool_window ? DWORD{WS_EX_TOOLWINDOW} : DWORD{0}};
}

}  // namespace zurvane::win32
