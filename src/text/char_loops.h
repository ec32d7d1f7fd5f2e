// Character-by-character versions of the line joiner and the punctuation conversions. They are
// the plain path on every target, and finish the text after the block-wise path (block_scan.h)
// has done the bulk of it.
#pragma once

#include <cstddef>
#include <string_view>

#include "text/text.h"

namespace zurvane::detail {

// Where the line joiner stands between two characters. A run of spaces inside a line cannot be
// judged until the character after it is seen: it goes if a line end follows, stays otherwise.
struct JoinState {
    static constexpr std::size_t kNoSpaces = static_cast<std::size_t>(-1);
    bool at_line_start = true;               // only spaces since the line began
    std::size_t pending_spaces = kNoSpaces;  // start of the undecided run of spaces
};

// Each appends the conversion of source[pos, end) to out; pos is a character boundary.
void join_chars(std::string_view source, std::size_t pos, bool remove_spaces, JoinState& state,
                Text& out);
void chinese_punctuation_chars(std::string_view source, std::size_t pos, Text& out);
void english_punctuation_chars(std::string_view source, std::size_t pos, Text& out);

Text join_lines_by_chars(std::string_view source, bool remove_spaces);
Text to_chinese_punctuation_by_chars(std::string_view source);
Text to_english_punctuation_by_chars(std::string_view source);

}  // namespace zurvane::detail
