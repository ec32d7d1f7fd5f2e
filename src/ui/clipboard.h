// The clipboard primitives: plain text only, opened and closed within each call.
#pragma once

#include <optional>

#include "ui/window/platform.h"

namespace zurvane {

bool clipboard_offers_text(Platform& platform);
// The clipboard's text up to its first 0x00 byte; nullopt when the clipboard cannot be read,
// which is not the same as an empty text.
std::optional<Text> fetch_clipboard_text(Platform& platform);
// Replaces every format with the text; true if it was stored.
bool put_clipboard_text(Platform& platform, std::string_view text);

}  // namespace zurvane
