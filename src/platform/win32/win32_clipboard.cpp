#include "platform/win32/win32_clipboard.h"

#include <cstring>
#include <cwchar>
#include <string>

#include "platform/win32/win32_text.h"

namespace zurvane::win32 {

namespace {

// Another program may hold the clipboard open for a moment (a clipboard manager copying it);
// a short wait then usually gets it.
constexpr int kOpenTries = 10;
constexpr DWORD kOpenRetryMs = 10;

class OpenClipboardScope {
public:
    explicit OpenClipboardScope(HWND owner) {
        for (int i = 0; i < kOpenTries && !open_; ++i) {
            if (i > 0) Sleep(kOpenRetryMs);
            open_ = OpenClipboard(owner) != 0;
        }
    }
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    bool is_open() const { return open_; }

private:
    bool open_ = false;
};

// A movable block holding the text and its terminating NUL; null when memory is short.
HGLOBAL text_block(const std::wstring& wide) {
    const SIZE_T bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!block) return nullptr;
    void* data = GlobalLock(block);
    if (!data) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(data, wide.c_str(), bytes);
    GlobalUnlock(block);
    return block;
}

}  // namespace

bool clipboard_has_text() {
    return IsClipboardFormatAvailable(CF_UNICODETEXT) != 0;
}

std::optional<Text> read_clipboard_text(HWND owner) {
    std::wstring wide;
    {
        OpenClipboardScope clipboard(owner);
        if (!clipboard.is_open()) return std::nullopt;
        if (!IsClipboardFormatAvailable(CF_UNICODETEXT)) return Text();
        HANDLE data = GetClipboardData(CF_UNICODETEXT);
        if (!data) return std::nullopt;
        const auto* chars = static_cast<const wchar_t*>(GlobalLock(data));
        if (!chars) return std::nullopt;
        // Raw data from another program need not end in a NUL: read no further than the block.
        const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
        wide.assign(chars, wcsnlen(chars, capacity));
        GlobalUnlock(data);
    }
    return text_from_wide(wide);
}

bool write_clipboard_text(HWND owner, std::string_view text) {
    HGLOBAL block = text_block(wide_from_text(text));
    if (!block) return false;
    OpenClipboardScope clipboard(owner);
    if (!clipboard.is_open() || !EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, block)) {
        GlobalFree(block);  // not handed over: still ours
        return false;
    }
    return true;  // the clipboard owns the block now
}

}  // namespace zurvane::win32
