#include "platform/encoding/utf8_repair.h"

#include <cstdint>

namespace zurvane {

namespace {

struct Pattern {
    std::size_t length;           // bytes in the whole sequence
    unsigned char second_lowest;  // allowed range of the second byte; later bytes are 80-BF
    unsigned char second_highest;
};

// The well-formed sequences by their first byte, as Unicode lists them (Table 3-7).
// A length of 0 marks a byte that starts no sequence.
Pattern pattern_for(unsigned char lead) {
    if (lead < 0x80) return {1, 0, 0};
    if (lead < 0xC2) return {0, 0, 0};
    if (lead < 0xE0) return {2, 0x80, 0xBF};
    if (lead == 0xE0) return {3, 0xA0, 0xBF};
    if (lead == 0xED) return {3, 0x80, 0x9F};
    if (lead < 0xF0) return {3, 0x80, 0xBF};
    if (lead == 0xF0) return {4, 0x90, 0xBF};
    if (lead < 0xF4) return {4, 0x80, 0xBF};
    if (lead == 0xF4) return {4, 0x80, 0x8F};
    return {0, 0, 0};
}

// How many bytes at the start of s belong to a well-formed sequence or to a prefix of one
// (at least 1), and whether they make a whole sequence.
std::size_t scan_sequence(std::string_view s, bool& complete) {
    const Pattern p = pattern_for(static_cast<unsigned char>(s[0]));
    complete = false;
    if (p.length == 0) return 1;
    std::size_t n = 1;
    while (n < p.length && n < s.size()) {
        const auto b = static_cast<unsigned char>(s[n]);
        const bool fits =
            n == 1 ? (b >= p.second_lowest && b <= p.second_highest) : (b >= 0x80 && b <= 0xBF);
        if (!fits) return n;
        ++n;
    }
    complete = n == p.length;
    return n;
}

// Bytes from the start of s that are ASCII, checked eight at a time.
std::size_t ascii_prefix(std::string_view s) {
    std::size_t i = 0;
    while (i + 8 <= s.size()) {
        std::uint64_t word = 0;
        for (std::size_t k = 0; k < 8; ++k) {
            word |= static_cast<std::uint64_t>(static_cast<unsigned char>(s[i + k])) << (8 * k);
        }
        if (word & 0x8080808080808080ULL) break;
        i += 8;
    }
    while (i < s.size() && static_cast<unsigned char>(s[i]) < 0x80) ++i;
    return i;
}

bool is_continuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Length of the longest well-formed prefix of s. Three-byte sequences without a special second
// byte (all of CJK) are checked inline, as they make up most Chinese text.
std::size_t valid_prefix(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        i += ascii_prefix(s.substr(i));
        if (i == s.size()) break;
        const auto lead = static_cast<unsigned char>(s[i]);
        if (lead >= 0xE1 && lead <= 0xEF && lead != 0xED && i + 2 < s.size() &&
            is_continuation(static_cast<unsigned char>(s[i + 1])) &&
            is_continuation(static_cast<unsigned char>(s[i + 2]))) {
            i += 3;
            continue;
        }
        const std::size_t n = utf8_sequence_length(s.substr(i));
        if (n == 0) break;
        i += n;
    }
    return i;
}

}  // namespace

std::size_t utf8_sequence_length(std::string_view s) {
    if (s.empty()) return 0;
    bool complete = false;
    const std::size_t n = scan_sequence(s, complete);
    return complete ? n : 0;
}

bool is_well_formed_utf8(std::string_view s) {
    return valid_prefix(s) == s.size();
}

std::string replace_invalid_utf8(std::string_view s) {
    std::string out;
    std::size_t i = valid_prefix(s);
    if (i == s.size()) return std::string(s);
    out.reserve(s.size() + s.size() / 4 + 16);
    out.append(s.substr(0, i));
    while (i < s.size()) {
        bool complete = false;
        const std::size_t n = scan_sequence(s.substr(i), complete);
        if (!complete) {
            out.append(kUtf8Replacement);
            i += n;
            continue;
        }
        const std::size_t run = n + valid_prefix(s.substr(i + n));
        out.append(s.substr(i, run));
        i += run;
    }
    return out;
}

}  // namespace zurvane
