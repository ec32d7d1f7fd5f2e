#include "platform/win32/win32_platform.h"

#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_fatal.h"
#include "platform/win32/win32_keys.h"
#include "platform/win32/win32_text.h"

namespace zurvane::win32 {

namespace {

// Ctrl 1, Shift 2, Alt 4 and their sums to RegisterHotKey's flags; other values pass unchanged.
UINT hotkey_flags(int modifiers) {
    if (modifiers < 0 || modifiers >= 8) return static_cast<UINT>(modifiers);
    UINT flags = 0;
    if (modifiers & 1) flags |= MOD_CONTROL;
    if (modifiers & 2) flags |= MOD_SHIFT;
    if (modifiers & 4) flags |= MOD_ALT;
    return flags;
}

}  // namespace

Win32Platform::Win32Platform(HINSTANCE instance) : instance_(instance) {
    Win32Window::register_classes(instance);
    // The clipboard's owner while the tool writes it: a hidden message-only window.
    clipboard_owner_ =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
}

Win32Platform::~Win32Platform() {
    event_loop_running_ = false;
    for (const auto& [id, window] : windows_)
        if (window->handle()) DestroyWindow(window->handle());
    windows_.clear();
    if (clipboard_owner_) DestroyWindow(clipboard_owner_);
}

Win32Window* Win32Platform::find(WindowId window) const {
    auto it = windows_.find(window);
    return it != windows_.end() && it->second->is_open() ? it->second.get() : nullptr;
}

Win32Window* Win32Platform::find(HWND top_level) const {
    if (!top_level) return nullptr;
    for (const auto& [id, window] : windows_)
        if (window->handle() == top_level && window->is_open()) return window.get();
    return nullptr;
}

std::size_t Win32Platform::open_window_count() const {
    std::size_t count = 0;
    for (const auto& [id, window] : windows_)
        if (window->handle() && !window->is_destroyed()) ++count;
    return count;
}

WindowId Win32Platform::open_window(const WindowDefinition& definition, WindowMode mode) {
    const WindowId id = next_id_++;
    auto owned = std::make_unique<Win32Window>(*this, id, definition, mode);
    Win32Window& window = *owned;
    windows_.emplace(id, std::move(owned));
    if (!window.create(instance_)) return 0;

    if (mode == WindowMode::modal) window.set_disabled_while_open(disable_other_windows(window));
    window.run_created_handler();
    window.show_and_activate();
    if (mode == WindowMode::modal) {
        run_modal_loop(window);
        window.enable_disabled_windows();
    }
    return id;
}

std::vector<HWND> Win32Platform::disable_other_windows(const Win32Window& modal) {
    std::vector<HWND> disabled;
    for (const auto& [id, window] : windows_) {
        if (window.get() == &modal || !window->is_open()) continue;
        if (IsWindowEnabled(window->handle())) {
            EnableWindow(window->handle(), FALSE);
            disabled.push_back(window->handle());
        }
    }
    return disabled;
}

void Win32Platform::run_modal_loop(const Win32Window& modal) {
    MSG message;
    while (!modal.is_destroyed()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // The outer loop must see the quit request too.
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got < 0) return;
        process_message(message);
    }
}

void Win32Platform::process_message(const MSG& message) {
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        // Before TranslateMessage: a key the window or a handler uses up makes no character.
        if (Win32Window* window = find(GetAncestor(message.hwnd, GA_ROOT))) {
            const int key_code = fold_key_code(static_cast<unsigned>(message.wParam));
            if (window->take_key(key_code, modifier_state(key_code))) return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void Win32Platform::forget_destroyed_windows() {
    std::erase_if(windows_, [](const auto& entry) { return entry.second->is_destroyed(); });
}

void Win32Platform::run_event_loop() {
    forget_destroyed_windows();
    if (open_window_count() == 0) return;
    event_loop_running_ = true;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        process_message(message);
        forget_destroyed_windows();  // no handler is running here
    }
    event_loop_running_ = false;
}

void Win32Platform::window_destroyed(Win32Window&) {
    if (event_loop_running_ && open_window_count() == 0) PostQuitMessage(0);
}

bool Win32Platform::window_exists(WindowId window) const {
    return find(window) != nullptr;
}

bool Win32Platform::is_minimised(WindowId window) const {
    const Win32Window* open = find(window);
    return open && IsIconic(open->handle());
}

void Win32Platform::restore(WindowId window) {
    if (Win32Window* open = find(window)) ShowWindow(open->handle(), SW_RESTORE);
}

void Win32Platform::activate(WindowId window) {
    if (Win32Window* open = find(window)) {
        SetForegroundWindow(open->handle());
        SetActiveWindow(open->handle());
    }
}

void Win32Platform::show_message_box(std::string_view text, std::string_view title) {
    MessageBoxW(nullptr, wide_from_text(text).c_str(), wide_from_text(title).c_str(),
                MB_OK | MB_TASKMODAL);
}

bool Win32Platform::clipboard_has_text() {
    return win32::clipboard_has_text();
}

std::optional<Text> Win32Platform::read_clipboard_text() {
    return win32::read_clipboard_text(clipboard_owner_);
}

bool Win32Platform::write_clipboard_text(std::string_view text) {
    return win32::write_clipboard_text(clipboard_owner_, text);
}

bool Win32Platform::grab_hotkey(WindowId window, int id, int modifiers, int key_code) {
    Win32Window* open = find(window);
    return open && RegisterHotKey(open->handle(), id, hotkey_flags(modifiers),
                                  static_cast<UINT>(key_code)) != 0;
}

bool Win32Platform::release_hotkey(WindowId window, int id) {
    Win32Window* open = find(window);
    return open && UnregisterHotKey(open->handle(), id) != 0;
}

void Win32Platform::hotkey_pressed(WindowId window, int id) {
    // A copy: the sink may be replaced while it runs.
    HotkeySink sink = hotkey_sink_;
    if (sink) fatal_on_exception([&] { sink(window, id); });
}

int Win32Platform::send_feedback(WindowId window, std::string_view control, int first, int second) {
    Win32Window* open = find(window);
    HWND label = open ? open->control_handle(control) : nullptr;
    if (!label) return 0;
    return static_cast<int>(SendMessageW(label, feedback_message, static_cast<WPARAM>(first),
                                         static_cast<LPARAM>(second)));
}

}  // namespace zurvane::win32
