#include "platform/win32/win32_window.h"

#include <utility>

#include "platform/win32/win32_control_styles.h"
#include "platform/win32/win32_fatal.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_resources.h"
#include "platform/win32/win32_text.h"
#include "ui/window/keyboard_rules.h"

namespace zurvane::win32 {

namespace {

constexpr const wchar_t* kWindowClass = L"ZurvaneWindow";
// Child window ids and timer ids: this plus the control's index in the definition.
constexpr UINT_PTR kFirstControlId = 100;
// An edit box takes as much text as the system allows.
constexpr LPARAM kMaximumEditText = 0x7FFFFFFE;

bool is_radio_button(const ControlSpec& control) {
    return control.kind == ControlKind::radio_button;
}

LRESULT button_face_colours(HDC dc) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

std::wstring window_text(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

bool register_class(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON icon,
                    HICON small_icon, HBRUSH background) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = procedure;
    window_class.hInstance = instance;
    window_class.hIcon = icon;
    window_class.hIconSm = small_icon;
    window_class.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    window_class.hbrBackground = background;
    window_class.lpszClassName = name;
    return RegisterClassExW(&window_class) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HICON load_icon(HINSTANCE instance, int width_metric, int height_metric) {
    return static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(ZURVANE_ICON_ID), IMAGE_ICON,
                                         GetSystemMetrics(width_metric),
                                         GetSystemMetrics(height_metric), LR_DEFAULTCOLOR));
}

}  // namespace

Win32Window::Win32Window(Win32Platform& platform, WindowId id, WindowDefinition definition,
                         WindowMode mode)
    : platform_(platform), id_(id), definition_(std::move(definition)), mode_(mode) {}

Win32Window::~Win32Window() {
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Win32Window::register_classes(HINSTANCE instance) {
    // The program carries its icon as a resource; a test program without it gets the default.
    HICON icon = load_icon(instance, SM_CXICON, SM_CYICON);
    HICON small_icon = load_icon(instance, SM_CXSMICON, SM_CYSMICON);
    auto button_face = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    return register_class(instance, kWindowClass, window_procedure, icon, small_icon,
                          button_face) &&
           register_class(instance, label_class_name, label_procedure, nullptr, nullptr, nullptr) &&
           register_class(instance, canvas_class_name, canvas_procedure, nullptr, nullptr, nullptr);
}

bool Win32Window::create(HINSTANCE instance) {
    const WindowProperties& properties = definition_.properties;
    const ControlStyle style = window_style(properties);
    // Centred for the defined outer size; CreateWindowEx takes the outer size itself.
    const int left = (GetSystemMetrics(SM_CXSCREEN) - properties.outer_width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - properties.outer_height) / 2;
    const std::wstring caption = wide_from_text(properties.caption);
    if (!CreateWindowExW(style.ex_style, kWindowClass, caption.c_str(), style.style, left, top,
                         properties.outer_width, properties.outer_height, nullptr, nullptr,
                         instance, this)) {
        return false;
    }
    controls_.assign(definition_.controls.size(), nullptr);
    own_fonts_.assign(definition_.controls.size(), nullptr);
    for (std::size_t i = 0; i < definition_.controls.size(); ++i) {
        if (!create_control(instance, i)) {
            DestroyWindow(hwnd_);
            return false;
        }
    }
    return true;
}

bool Win32Window::create_control(HINSTANCE instance, std::size_t index) {
    const ControlSpec& control = definition_.controls[index];
    const UINT_PTR control_id = kFirstControlId + index;
    if (control.kind == ControlKind::timer) {
        return control.interval_ms <= 0 ||
               SetTimer(hwnd_, control_id, static_cast<UINT>(control.interval_ms), nullptr) != 0;
    }
    bool first_radio_button = is_radio_button(control);
    for (std::size_t i = 0; i < index && first_radio_button; ++i)
        if (is_radio_button(definition_.controls[i])) first_radio_button = false;

    const ControlStyle style = control_style(control, first_radio_button);
    const std::wstring text = wide_from_text(control.text);
    HWND handle = CreateWindowExW(style.ex_style, style.class_name, text.c_str(), style.style,
                                  control.left, control.top, control.width, control.height, hwnd_,
                                  reinterpret_cast<HMENU>(control_id), instance, nullptr);
    if (!handle) return false;
    controls_[index] = handle;

    if (control.font_height > 0) {
        LOGFONTW font{};  // no face name: the system picks the face for the height
        font.lfHeight = -control.font_height;
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfOutPrecision = OUT_DEFAULT_PRECIS;
        font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
        font.lfQuality = PROOF_QUALITY;
        font.lfPitchAndFamily = DEFAULT_PITCH;
        own_fonts_[index] = CreateFontIndirectW(&font);
    }
    SendMessageW(handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_of(index)), FALSE);
    if (control.kind == ControlKind::edit_box)
        SendMessageW(handle, EM_SETLIMITTEXT, kMaximumEditText, 0);
    if (is_radio_button(control) && control.checked)
        SendMessageW(handle, BM_SETCHECK, BST_CHECKED, 0);
    return true;
}

void Win32Window::run_created_handler() {
    if (const auto* binding = definition_.find_binding("", Event::created)) {
        if (const auto* handler = std::get_if<ActionHandler>(&binding->handler))
            fatal_on_exception([&] { (*handler)(*this); });
    }
}

void Win32Window::show_and_activate() {
    if (!is_open()) return;
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    UpdateWindow(hwnd_);
}

// --- Window -----------------------------------------------------------------------------------

int Win32Window::control_index(std::string_view name) const {
    for (std::size_t i = 0; i < definition_.controls.size(); ++i)
        if (definition_.controls[i].name == name) return static_cast<int>(i);
    return -1;
}

int Win32Window::control_index(HWND control) const {
    if (!control) return -1;
    for (std::size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i] == control) return static_cast<int>(i);
    return -1;
}

HWND Win32Window::control_handle(std::string_view control) const {
    const int index = control_index(control);
    return index >= 0 && static_cast<std::size_t>(index) < controls_.size() ? controls_[index]
                                                                            : nullptr;
}

HFONT Win32Window::font_of(std::size_t index) const {
    if (index < own_fonts_.size() && own_fonts_[index]) return own_fonts_[index];
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

Text Win32Window::text(std::string_view control) const {
    HWND handle = control_handle(control);
    return handle ? text_from_wide(window_text(handle)) : Text();
}

void Win32Window::set_text(std::string_view control, std::string_view text) {
    HWND handle = control_handle(control);
    if (!handle) return;
    SetWindowTextW(handle, wide_from_text(text).c_str());
    if (definition_.controls[control_index(control)].kind == ControlKind::edit_box) {
        SendMessageW(handle, EM_SETSEL, 0, 0);
        SendMessageW(handle, EM_SCROLLCARET, 0, 0);
    }
}

bool Win32Window::is_checked(std::string_view control) const {
    HWND handle = control_handle(control);
    return handle && SendMessageW(handle, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Window::set_outer_height(int height) {
    if (!hwnd_) return;
    RECT outer{};
    GetWindowRect(hwnd_, &outer);
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::focus(std::string_view control) {
    HWND handle = control_handle(control);
    if (!handle) return;
    // A window that is not active yet gets the focus there when it is activated; SetFocus now
    // would activate it before it is shown.
    focus_on_activation_ = handle;
    if (GetActiveWindow() == hwnd_) set_focus_keeping_checks(handle);
}

void Win32Window::close() {
    if (!is_open()) return;
    closing_ = true;
    PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void Win32Window::fill_canvas(std::string_view canvas) {
    HWND handle = control_handle(canvas);
    if (!handle) return;
    HDC dc = GetDC(handle);
    RECT area{};
    GetClientRect(handle, &area);
    HBRUSH brush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    FillRect(dc, &area, brush);
    DeleteObject(brush);
    ReleaseDC(handle, dc);
}

int Win32Window::draw_on_canvas(std::string_view canvas, int x, int y, Colour colour,
                                std::string_view text) {
    HWND handle = control_handle(canvas);
    if (!handle || text.empty()) return 0;
    const std::wstring wide = wide_from_text(text);
    const int length = static_cast<int>(wide.size());
    // Straight onto the screen: the canvas keeps no image of what it shows.
    HDC dc = GetDC(handle);
    HGDIOBJ old_font = SelectObject(dc, font_of(static_cast<std::size_t>(control_index(canvas))));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(colour));
    TextOutW(dc, x, y, wide.data(), length);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide.data(), length, &extent);
    SelectObject(dc, old_font);
    ReleaseDC(handle, dc);
    return extent.cx;
}

// --- Keyboard -----------------------------------------------------------------------------------

const ControlSpec* Win32Window::focused_control() const {
    const int index = control_index(GetFocus());
    return index >= 0 ? &definition_.controls[index] : nullptr;
}

bool Win32Window::takes_focus(std::size_t index) const {
    const ControlSpec& control = definition_.controls[index];
    HWND handle = controls_[index];
    const bool focusable_kind = control.kind == ControlKind::edit_box ||
                                control.kind == ControlKind::push_button ||
                                control.kind == ControlKind::radio_button;
    // Controls below the collapsed window's edge are still visible in this sense.
    return focusable_kind && control.tab_stop && handle &&
           (GetWindowLongW(handle, GWL_STYLE) & WS_VISIBLE) && IsWindowEnabled(handle);
}

void Win32Window::move_focus(int step) {
    const int count = static_cast<int>(controls_.size());
    if (count == 0) return;
    int at = control_index(GetFocus());
    if (at < 0) at = step > 0 ? -1 : count;
    for (int k = 1; k <= count; ++k) {
        const int index = ((at + step * k) % count + count) % count;
        if (!takes_focus(static_cast<std::size_t>(index))) continue;
        set_focus_keeping_checks(controls_[index]);
        return;
    }
}

void Win32Window::set_focus_keeping_checks(HWND control) {
    // Windows checks an automatic radio button that gets the focus other than by a click;
    // moving the focus must not change the setting, so the checks are put back.
    std::vector<std::pair<HWND, LRESULT>> checks;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (is_radio_button(definition_.controls[i]) && controls_[i])
            checks.emplace_back(controls_[i], SendMessageW(controls_[i], BM_GETCHECK, 0, 0));
    }
    SetFocus(control);
    for (const auto& [radio, state] : checks) {
        if (SendMessageW(radio, BM_GETCHECK, 0, 0) != state)
            SendMessageW(radio, BM_SETCHECK, static_cast<WPARAM>(state), 0);
    }
}

void Win32Window::check_radio_button(std::size_t index) {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (is_radio_button(definition_.controls[i]) && controls_[i]) {
            SendMessageW(controls_[i], BM_SETCHECK, i == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }
}

void Win32Window::move_between_radio_buttons(int step) {
    std::vector<std::size_t> radios;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (is_radio_button(definition_.controls[i]) && controls_[i] &&
            IsWindowVisible(controls_[i]) && IsWindowEnabled(controls_[i]))
            radios.push_back(i);
    }
    const int at = control_index(GetFocus());
    const int count = static_cast<int>(radios.size());
    for (int k = 0; k < count; ++k) {
        if (static_cast<int>(radios[k]) != at) continue;
        const std::size_t next = radios[((k + step) % count + count) % count];
        SetFocus(controls_[next]);
        check_radio_button(next);
        return;
    }
}

void Win32Window::activate_access_key(int key_code) {
    const ControlSpec* target = access_key_control(definition_, key_code);
    if (!target) return;
    const int index = control_index(target->name);
    HWND handle = controls_[index];
    switch (target->kind) {
        case ControlKind::push_button:
            if (IsWindowEnabled(handle))
                SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(kFirstControlId + index, BN_CLICKED),
                             reinterpret_cast<LPARAM>(handle));
            return;
        case ControlKind::radio_button:
            SetFocus(handle);
            check_radio_button(static_cast<std::size_t>(index));
            return;
        case ControlKind::edit_box:
            set_focus_keeping_checks(handle);
            return;
        default: {
            // A label's access key takes the focus to the next control that can have it.
            const int count = static_cast<int>(controls_.size());
            for (int k = 1; k < count; ++k) {
                const auto next = static_cast<std::size_t>((index + k) % count);
                if (takes_focus(next)) {
                    set_focus_keeping_checks(controls_[next]);
                    return;
                }
            }
        }
    }
}

bool Win32Window::take_key(int key_code, int modifiers) {
    if (!is_open()) return false;
    const ControlSpec* focused = focused_control();
    switch (window_key_action(definition_, focused, key_code, modifiers)) {
        case WindowKeyAction::none:
            break;
        case WindowKeyAction::focus_next:
            move_focus(1);
            return true;
        case WindowKeyAction::focus_previous:
            move_focus(-1);
            return true;
        case WindowKeyAction::close_window:
            SendMessageW(hwnd_, WM_CLOSE, 0, 0);
            return true;
        case WindowKeyAction::next_radio_button:
            move_between_radio_buttons(1);
            return true;
        case WindowKeyAction::previous_radio_button:
            move_between_radio_buttons(-1);
            return true;
        case WindowKeyAction::activate_access_key:
            activate_access_key(key_code);
            return true;
    }
    if (!focused) return false;
    const auto* binding = definition_.find_binding(focused->name, Event::key_pressed);
    const auto* handler = binding ? std::get_if<KeyHandler>(&binding->handler) : nullptr;
    if (!handler) return false;
    const bool let_through =
        fatal_on_exception([&] { return (*handler)(*this, key_code, modifiers); });
    return !let_through;
}

// --- Events ------------------------------------------------------------------------------------

void Win32Window::run_action(std::size_t index, Event event) {
    const auto* binding = definition_.find_binding(definition_.controls[index].name, event);
    if (!binding) return;
    if (const auto* handler = std::get_if<ActionHandler>(&binding->handler))
        fatal_on_exception([&] { (*handler)(*this); });
}

void Win32Window::enable_disabled_windows() {
    for (HWND window : disabled_while_open_)
        if (IsWindow(window)) EnableWindow(window, TRUE);
    disabled_while_open_.clear();
}

void Win32Window::destroyed() {
    for (HFONT font : own_fonts_)
        if (font) DeleteObject(font);
    own_fonts_.clear();
    controls_.assign(controls_.size(), nullptr);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    closing_ = true;
    destroyed_ = true;
    platform_.window_destroyed(*this);
}

LRESULT CALLBACK Win32Window::window_procedure(HWND hwnd, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        window->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!window) return DefWindowProcW(hwnd, message, wparam, lparam);
    return window->handle_message(message, wparam, lparam);
}

LRESULT Win32Window::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    HWND self = hwnd_;
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wparam) == BN_CLICKED && lparam) {
                const int index = control_index(reinterpret_cast<HWND>(lparam));
                if (index >= 0) run_action(static_cast<std::size_t>(index), Event::clicked);
                return 0;
            }
            break;
        case WM_TIMER: {
            const std::size_t index = wparam - kFirstControlId;
            if (wparam >= kFirstControlId && index < definition_.controls.size() &&
                definition_.controls[index].kind == ControlKind::timer) {
                run_action(index, Event::tick);
            }
            return 0;
        }
        case WM_HOTKEY:
            platform_.hotkey_pressed(id_, static_cast<int>(wparam));
            break;               // then the ordinary handling, which ignores it
        case WM_CTLCOLORSTATIC:  // radio buttons
        case WM_CTLCOLORBTN:
            return button_face_colours(reinterpret_cast<HDC>(wparam));
        case WM_ACTIVATE:
            // As a dialog does: the focus leaves with the window and comes back with it, to the
            // control that had it, else to the first control that takes it.
            if (LOWORD(wparam) == WA_INACTIVE) {
                HWND focus = GetFocus();
                if (focus && IsChild(self, focus)) focus_on_activation_ = focus;
            } else if (!HIWORD(wparam)) {
                if (focus_on_activation_ && IsWindow(focus_on_activation_)) {
                    set_focus_keeping_checks(focus_on_activation_);
                    return 0;
                }
                for (std::size_t i = 0; i < controls_.size(); ++i) {
                    if (takes_focus(i)) {
                        set_focus_keeping_checks(controls_[i]);
                        return 0;
                    }
                }
            }
            break;
        case WM_CLOSE:
            // The windows a modal window disabled come back before it goes, so that the
            // activation returns to them.
            closing_ = true;
            enable_disabled_windows();
            DestroyWindow(self);
            return 0;
        case WM_DESTROY:
            for (std::size_t i = 0; i < definition_.controls.size(); ++i)
                if (definition_.controls[i].kind == ControlKind::timer)
                    KillTimer(self, kFirstControlId + i);
            break;
        case WM_NCDESTROY: {
            const LRESULT result = DefWindowProcW(self, message, wparam, lparam);
            destroyed();
            return result;
        }
        default:
            break;
    }
    return DefWindowProcW(self, message, wparam, lparam);
}

// --- Labels and canvases ----------------------------------------------------------------------

Win32Window* Win32Window::owner_of_control(HWND control, std::size_t* index) {
    auto* window =
        reinterpret_cast<Win32Window*>(GetWindowLongPtrW(GetParent(control), GWLP_USERDATA));
    if (!window) return nullptr;
    const auto id = static_cast<UINT_PTR>(GetDlgCtrlID(control));
    if (id < kFirstControlId || id - kFirstControlId >= window->definition_.controls.size())
        return nullptr;
    *index = id - kFirstControlId;
    return window;
}

void Win32Window::paint_label(HWND label, std::size_t index) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT area{};
    GetClientRect(label, &area);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    HGDIOBJ old_font = SelectObject(dc, font_of(index));
    const std::wstring text = window_text(label);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
              label_draw_flags(definition_.controls[index].label_text));
    SelectObject(dc, old_font);
    EndPaint(label, &paint);
}

LRESULT CALLBACK Win32Window::label_procedure(HWND label, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
    std::size_t index = 0;
    switch (message) {
        case WM_PAINT:
            if (Win32Window* window = owner_of_control(label, &index)) {
                window->paint_label(label, index);
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;  // the paint fills the background
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(label, message, wparam, lparam);
            InvalidateRect(label, nullptr, FALSE);
            return result;
        }
        case feedback_message: {
            Win32Window* window = owner_of_control(label, &index);
            if (!window) return 0;
            const auto* binding = window->definition_.find_binding(
                window->definition_.controls[index].name, Event::feedback);
            const auto* handler =
                binding ? std::get_if<FeedbackHandler>(&binding->handler) : nullptr;
            if (!handler) return 0;
            return fatal_on_exception([&] {
                return static_cast<LRESULT>(
                    (*handler)(*window, static_cast<int>(wparam), static_cast<int>(lparam)));
            });
        }
        default:
            break;
    }
    return DefWindowProcW(label, message, wparam, lparam);
}

LRESULT CALLBACK Win32Window::canvas_procedure(HWND canvas, UINT message, WPARAM wparam,
                                               LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            // Whatever the window system asks to repaint gets the background and nothing else.
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(canvas, &paint);
            FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            EndPaint(canvas, &paint);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        default:
            return DefWindowProcW(canvas, message, wparam, lparam);
    }
}

}  // namespace zurvane::win32
