// Byte strings in hexadecimal, for test failure messages where the bytes matter.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace zurvane::testing {

// "B0 A1 A1 B0"; the empty string for no bytes.
inline std::string hex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size() * 3);
    for (unsigned char b : bytes) {
        if (!out.empty()) out += ' ';
        out += kDigits[b >> 4];
        out += kDigits[b & 0x0F];
    }
    return out;
}

// The bytes given by value, for texts that are clearer written as codes: bytes({0xB0, 0xA1}).
inline std::string bytes(std::initializer_list<unsigned char> values) {
    return std::string(values.begin(), values.end());
}

}  // namespace zurvane::testing
