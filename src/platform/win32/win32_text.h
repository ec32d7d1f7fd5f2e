// Text and the UTF-16 that every wide Win32 call takes. Text is GB18030 where Windows has that
// code page (54936) and code page 936 (GBK) where it does not (Wine); the two agree on every GBK
// character (the euro sign takes GB18030's A2 E3 under 936 too). Line ends pass unchanged
// both ways: Windows text already ends its lines in CR LF.
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace zurvane::win32 {

// 54936 where the system can convert it, else 936.
unsigned text_code_page();

std::wstring wide_from_text(std::string_view text);
// Characters the code page cannot hold become "?" (only under 936).
Text text_from_wide(std::wstring_view wide);

std::wstring wide_from_utf8(std::string_view utf8);
std::string utf8_from_wide(std::wstring_view wide);

}  // namespace zurvane::win32
