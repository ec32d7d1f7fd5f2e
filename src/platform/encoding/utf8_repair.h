// Repair of UTF-8 that comes from outside (clipboard, standard input).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zurvane {

// The UTF-8 for U+FFFD REPLACEMENT CHARACTER.
inline constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

// Length of the well-formed UTF-8 sequence at the start of s, or 0 when s starts with an
// ill-formed one (overlong forms, surrogates and code points above U+10FFFF are ill-formed).
std::size_t utf8_sequence_length(std::string_view s);

// Whether all of s is well-formed UTF-8.
bool is_well_formed_utf8(std::string_view s);

// s with each maximal ill-formed subpart replaced by one U+FFFD: a byte that cannot start a
// sequence, or the bytes of a sequence that is cut short by a byte that cannot continue it (that
// byte is read again). All well-formed characters are kept as they are.
std::string replace_invalid_utf8(std::string_view s);

}  // namespace zurvane
