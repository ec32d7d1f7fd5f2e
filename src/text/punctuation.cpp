#include "text/punctuation.h"

#include "text/block_scan.h"

namespace zurvane {

Text to_chinese_punctuation(std::string_view text) {
    return detail::to_chinese_punctuation_by_blocks(text);
}

Text to_english_punctuation(std::string_view text) {
    return detail::to_english_punctuation_by_blocks(text);
}

}  // namespace zurvane
