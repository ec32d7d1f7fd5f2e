// The bridge between the platform's Unicode text (UTF-8 here) and Text (GB18030, a superset of
// code page 936 that holds every Unicode character).
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace zurvane {

// UTF-8 to Text. LF and CR LF become CR LF; a lone CR stays. Each invalid UTF-8 sequence (a
// maximal ill-formed subpart) becomes U+FFFD, as does a character the converter cannot map.
Text text_from_utf8(std::string_view utf8);
// Text to UTF-8. CR LF becomes LF; a lone CR stays. A byte 0x80 or 0xFF, or a lead byte that
// starts no complete GB18030 character, becomes U+FFFD and the bytes after it are read again;
// a complete four-byte sequence that stands for no character becomes one U+FFFD.
std::string text_to_utf8(std::string_view text);

// Both throw std::runtime_error only when the system cannot convert GB18030 at all.

}  // namespace zurvane
