// Texts: byte strings in code page 936 (GBK) and the operations on them.
//
// A byte 0x00-0x7F is a one-byte character; every byte 0x80-0xFF is the lead byte of a
// two-byte character and takes the next byte with it, whatever its value. Characters are
// always counted from the start of the text. The two spaces are 0x20 and A1 A1 (U+3000).
// Positions and lengths count bytes, from 1. No operation depends on the locale.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace zurvane {

// The empty text and a missing text are the same value.
using Text = std::string;
using TextList = std::vector<Text>;

// Pieces between occurrences of separator, found only at character boundaries.
TextList split_at(std::string_view text, std::string_view separator);
// Every occurrence of what, left to right, without overlap, at character boundaries.
Text replace_all(std::string_view text, std::string_view what, std::string_view by);
Text trim_front(std::string_view text);
Text trim_back(std::string_view text);
Text strip_spaces(std::string_view text);
// ASCII 0x20-0x7E to their full-width GBK forms, and back.
Text widen(std::string_view text);
Text narrow(std::string_view text);

std::int64_t byte_length(std::string_view text);
Text slice(std::string_view text, std::int64_t start, std::int64_t count);
Text concatenate(std::initializer_list<std::string_view> parts);
int compare_bytes(std::string_view a, std::string_view b);
Text single_char(std::int64_t code);
Text format_number(double x);

}  // namespace zurvane
