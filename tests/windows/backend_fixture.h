// What the tests of the Win32 backend share: a platform of their own, a message pump that
// handles messages as the tool's loops do, and keys posted as the keyboard would post them.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_text.h"

namespace zurvane::win32::testing {

// Handles the messages that come within milliseconds, or until done() says so.
inline void pump(Win32Platform& platform, DWORD milliseconds,
                 const std::function<bool()>& done = {}) {
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) platform.process_message(message);
        if (done && done()) return;
        const ULONGLONG now = GetTickCount64();
        if (now >= end) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    }
}

// A key going down and up again in the window with the focus, with its scan code so that
// TranslateMessage can make its character.
inline void press(Win32Platform& platform, UINT virtual_key) {
    HWND target = GetFocus();
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(virtual_key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, WM_KEYDOWN, virtual_key, scan | 1);
    PostMessageW(target, WM_KEYUP, virtual_key, scan | 1 | (LPARAM{3} << 30));
    pump(platform, 30);
}

inline std::wstring window_text(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

class BackendTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Wine makes windows only with an X display (scripts/test-windows gives it one).
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display for Wine's windows";
        platform_.emplace(GetModuleHandleW(nullptr));
    }

    Win32Platform& platform() { return *platform_; }
    Win32Window& window(WindowId id) {
        Win32Window* open = platform_->window(id);
        if (!open) throw std::logic_error("window " + std::to_string(id) + " is not open");
        return *open;
    }
    HWND control(WindowId id, std::string_view name) { return window(id).control_handle(name); }

private:
    std::optional<Win32Platform> platform_;
};

}  // namespace zurvane::win32::testing
