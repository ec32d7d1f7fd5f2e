// One open window of the tool on Win32: a top-level window realising a WindowDefinition, with
// its controls as child windows (EDIT, BUTTON and the tool's own label and canvas classes) and
// its timers. The window procedures route every event to the definition's handlers.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "ui/window/platform.h"

namespace zurvane::win32 {

class Win32Platform;

// The feedback message of a label, from any sender: its two parameters are the feedback event's,
// its result the handler's.
inline constexpr UINT feedback_message = 0x8075;

class Win32Window final : public Window {
public:
    Win32Window(Win32Platform& platform, WindowId id, WindowDefinition definition, WindowMode mode);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // The window procedures' classes; once per process.
    static bool register_classes(HINSTANCE instance);

    // Creates the window hidden, centred on the primary screen, with every control and timer.
    // False if the window or a control cannot be made (nothing is left over then).
    bool create(HINSTANCE instance);
    void run_created_handler();
    void show_and_activate();

    // Window
    WindowId id() const override { return id_; }
    Text text(std::string_view control) const override;
    void set_text(std::string_view control, std::string_view text) override;
    bool is_checked(std::string_view control) const override;
    void set_outer_height(int height) override;
    void focus(std::string_view control) override;
    void close() override;
    void fill_canvas(std::string_view canvas) override;
    int draw_on_canvas(std::string_view canvas, int x, int y, Colour colour,
                       std::string_view text) override;

    HWND handle() const { return hwnd_; }
    HWND control_handle(std::string_view control) const;
    WindowMode mode() const { return mode_; }
    // Neither closing nor destroyed.
    bool is_open() const { return hwnd_ && !closing_; }
    bool is_destroyed() const { return destroyed_; }

    // The keys the window takes before its controls (Tab, Esc, arrows on radio buttons, access
    // keys) and the key-pressed event of the focused control, for a key-down message from the
    // message loop. True if the key is used up and must not reach the control.
    bool take_key(int key_code, int modifiers);

    // For a modal window: the tool's windows it disabled, enabled again when it closes.
    void set_disabled_while_open(std::vector<HWND> windows) {
        disabled_while_open_ = std::move(windows);
    }
    void enable_disabled_windows();

private:
    static LRESULT CALLBACK window_procedure(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK label_procedure(HWND, UINT, WPARAM, LPARAM);
    static LRESULT CALLBACK canvas_procedure(HWND, UINT, WPARAM, LPARAM);
    // The open window a control's child window belongs to, and the control's index.
    static Win32Window* owner_of_control(HWND control, std::size_t* index);

    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    void paint_label(HWND label, std::size_t index);
    bool create_control(HINSTANCE instance, std::size_t index);
    void destroyed();

    int control_index(std::string_view name) const;  // -1 if none
    int control_index(HWND control) const;
    const ControlSpec* focused_control() const;
    HFONT font_of(std::size_t index) const;
    bool takes_focus(std::size_t index) const;
    void move_focus(int step);
    void set_focus_keeping_checks(HWND control);
    void move_between_radio_buttons(int step);
    void check_radio_button(std::size_t index);
    void activate_access_key(int key_code);
    void run_action(std::size_t index, Event event);

    Win32Platform& platform_;
    WindowId id_;
    WindowDefinition definition_;
    WindowMode mode_;
    HWND hwnd_ = nullptr;
    std::vector<HWND> controls_;    // by index in the definition; null for timers
    std::vector<HFONT> own_fonts_;  // by index; null where the control uses the default GUI font
    HWND focus_on_activation_ = nullptr;
    std::vector<HWND> disabled_while_open_;
    bool closing_ = false;
    bool destroyed_ = false;
};

}  // namespace zurvane::win32
