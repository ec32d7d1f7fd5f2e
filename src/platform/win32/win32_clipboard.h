// The system clipboard as Unicode text (CF_UNICODETEXT). Windows offers it also for text that
// another program stored as CF_TEXT or CF_OEMTEXT, and synthesises CF_TEXT from it for programs
// that ask for that.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "text/text.h"

namespace zurvane::win32 {

bool clipboard_has_text();
// The text up to its first NUL; nullopt when the clipboard stays held open by another program
// or its owner does not hand the text over.
std::optional<Text> read_clipboard_text(HWND owner);
// Replaces every format with the text. The memory block is ready before the clipboard is
// emptied, so a failure leaves the old contents in place.
bool write_clipboard_text(HWND owner, std::string_view text);

}  // namespace zurvane::win32
