// The bridge between the platform's Unicode text (UTF-8 here) and Text (GB18030, a superset of
// code page 936 that holds every Unicode character).
#pragma once

#include <string>
#include <string_view>

#include "text/text.h"

namespace zurvane {

// UTF-8 to Text. LF and CR LF become CR LF; a lone CR stays. Each invalid UTF-8 sequence
// becomes U+FFFD.
Text text_from_utf8(std::string_view utf8);
// Text to UTF-8. CR LF becomes LF; a lone CR stays. Each invalid GB18030 sequence becomes U+FFFD.
std::string text_to_utf8(std::string_view text);

}  // namespace zurvane
