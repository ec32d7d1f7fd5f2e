// The tool's windows, message loop, clipboard, message box and global hotkeys on the raw
// Win32 API (wide-character calls).
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "platform/win32/win32_window.h"
#include "ui/window/platform.h"

namespace zurvane::win32 {

class Win32Platform final : public Platform {
public:
    explicit Win32Platform(HINSTANCE instance);
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    WindowId open_window(const WindowDefinition& definition, WindowMode mode) override;
    bool window_exists(WindowId window) const override;
    bool is_minimised(WindowId window) const override;
    void restore(WindowId window) override;
    void activate(WindowId window) override;
    void run_event_loop() override;

    void show_message_box(std::string_view text, std::string_view title) override;

    bool clipboard_has_text() override;
    std::optional<Text> read_clipboard_text() override;
    bool write_clipboard_text(std::string_view text) override;

    bool grab_hotkey(WindowId window, int id, int modifiers, int key_code) override;
    bool release_hotkey(WindowId window, int id) override;
    void set_hotkey_sink(HotkeySink sink) override { hotkey_sink_ = std::move(sink); }

    int send_feedback(WindowId window, std::string_view control, int first, int second) override;

    // Handles one message as the tool's loops do: the window keys first, then the usual
    // translation and dispatch. Public for the loops of tests.
    void process_message(const MSG& message);
    // Removes the windows destroyed since the last call; only where no handler is running.
    void forget_destroyed_windows();
    // Windows made and not yet destroyed.
    std::size_t open_window_count() const;
    // An open window (neither closing nor destroyed), else null.
    Win32Window* window(WindowId window) const { return find(window); }

    // From the windows' procedures.
    void hotkey_pressed(WindowId window, int id);
    void window_destroyed(Win32Window& window);

private:
    Win32Window* find(WindowId window) const;  // an open one, else null
    Win32Window* find(HWND top_level) const;
    std::vector<HWND> disable_other_windows(const Win32Window& modal);
    void run_modal_loop(const Win32Window& modal);

    HINSTANCE instance_;
    HWND clipboard_owner_ = nullptr;
    std::map<WindowId, std::unique_ptr<Win32Window>> windows_;
    WindowId next_id_ = 1;
    bool event_loop_running_ = false;
    HotkeySink hotkey_sink_;
};

}  // namespace zurvane::win32
