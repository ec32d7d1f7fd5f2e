// Punctuation conversion between half-width ASCII (English) and full-width GBK (Chinese).
#pragma once

#include "text/text.h"

namespace zurvane {

// ASCII punctuation and spaces to full-width forms; "." to "。"; digits and letters half-width.
Text to_chinese_punctuation(std::string_view text);
// Full-width forms, "。", U+3000, ～, ☆ and ★ back to ASCII.
Text to_english_punctuation(std::string_view text);

}  // namespace zurvane
