// Deterministic test inputs for the benchmarks and for bench/compare_tr.sh.
#pragma once

#include <cstddef>
#include <string>

namespace zurvane::bench {

// GBK prose: ideographs of B0A1-D7F9 with ， and 。 now and then, a rare ideographic or ASCII
// space, and CR LF about every 40 bytes.
std::string chinese_prose(std::size_t size);
// ASCII words, spaces and punctuation with CR LF about every 70 bytes.
std::string english_prose(std::size_t size);
// Worst cases for the line joiner and the conversions.
std::string all_spaces(std::size_t size);
std::string all_line_ends(std::size_t size);
std::string all_lead_bytes(std::size_t size);

}  // namespace zurvane::bench
