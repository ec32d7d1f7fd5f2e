// What the main window does with the clipboard: paste, copy, one-click and the punctuation
// buttons. Each works on the main window's controls "编辑框1" (source) and "编辑框2" (result).
#pragma once

#include "ui/window/platform.h"

namespace zurvane {

using Conversion = Text (*)(std::string_view);

// Clipboard text into "编辑框1"; without readable text, the "没有可用文本" box and no change.
// Returns true if "编辑框1" got the clipboard's text.
bool paste_text(Platform& platform, Window& main_window);
// "编辑框2" onto the clipboard, also when it is empty.
void copy_result(Platform& platform, Window& main_window);
// Paste, join, copy. Stops after the box when the clipboard has no readable text, so the
// user's clipboard (a picture, say) is not replaced.
void one_click(Platform& platform, Window& main_window);
// Clipboard through the conversion into both boxes and back onto the clipboard.
void convert_clipboard_punctuation(Platform& platform, Window& main_window, Conversion conversion);

}  // namespace zurvane
