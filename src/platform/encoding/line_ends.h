// Line-end mapping between the platform's text (lines end in LF) and Text (lines end in CR LF).
//
// Both work on UTF-8, where a byte 0x0D or 0x0A is always the character CR or LF, so no character
// boundary has to be worked out.
#pragma once

#include <string>
#include <string_view>

namespace zurvane {

// Every LF that does not follow a CR becomes CR LF; CR LF and a lone CR stay as they are.
std::string crlf_from_lf(std::string_view utf8);
// Every CR LF becomes LF; a lone CR and a lone LF stay as they are.
std::string lf_from_crlf(std::string_view utf8);

}  // namespace zurvane
