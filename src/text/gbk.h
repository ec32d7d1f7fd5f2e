// The byte classes of code page 936 that every text operation shares.
#pragma once

#include <cstddef>
#include <string_view>

namespace zurvane::gbk {

constexpr unsigned char kSpace = 0x20;
constexpr unsigned char kIdeographicSpaceByte = 0xA1;  // U+3000 is A1 A1
constexpr unsigned char kCr = 0x0D;
constexpr unsigned char kLf = 0x0A;

inline unsigned char byte_at(std::string_view text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

// Every byte 0x80-0xFF starts a two-byte character, whatever follows it.
constexpr bool is_lead(unsigned char b) {
    return b >= 0x80;
}

// Bytes in the character at i (a character boundary): 1, 2, or 0 for a lead byte that ends the
// text (an incomplete character).
inline std::size_t char_length(std::string_view text, std::size_t i) {
    if (!is_lead(byte_at(text, i))) return 1;
    return i + 1 < text.size() ? 2 : 0;
}

// Whether the complete character at i (a character boundary) is 0x20 or A1 A1.
inline bool is_space_at(std::string_view text, std::size_t i) {
    const unsigned char b = byte_at(text, i);
    if (b == kSpace) return true;
    return b == kIdeographicSpaceByte && i + 1 < text.size() &&
           byte_at(text, i + 1) == kIdeographicSpaceByte;
}

constexpr bool is_ascii_alnum(unsigned char b) {
    return (b >= '0' && b <= '9') || (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z');
}

// Second bytes of the full-width digits and letters A3 B0-B9, A3 C1-DA, A3 E1-FA.
constexpr bool is_full_width_alnum(unsigned char second) {
    return second >= 0x80 && is_ascii_alnum(static_cast<unsigned char>(second - 0x80));
}

// The one-byte form that narrow gives the two-byte character lead, second, or 0 where it keeps
// the character.
constexpr unsigned char narrow_form(unsigned char lead, unsigned char second) {
    if (lead == 0xA3 && second >= 0xA1 && second <= 0xFE) return second - 0x80;
    if (lead != 0xA1) return 0;
    switch (second) {
        case 0xA1:
            return 0x20;
        case 0xAB:
            return 0x7E;
        case 0xEE:
        case 0xEF:
            return 0x2A;
        default:
            return 0;
    }
}

// As narrow_form, and the ideographic full stop A1 A3 becomes ".".
constexpr unsigned char english_form(unsigned char lead, unsigned char second) {
    return lead == 0xA1 && second == 0xA3 ? '.' : narrow_form(lead, second);
}

}  // namespace zurvane::gbk
