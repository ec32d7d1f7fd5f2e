// A literal, deliberately slow version of the text operations, the line joiner and the
// punctuation conversions, written step by step from their descriptions. The tests and the fuzz
// target compare the library against it. It shares no code with the library.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zurvane::reference {

inline bool is_lead(char c) {
    return static_cast<unsigned char>(c) >= 0x80;
}

inline std::vector<std::string> split_at(std::string_view text, std::string_view separator) {
    std::vector<std::string> pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) return {std::string(text)};
    std::size_t piece_start = 0;
    std::size_t scan = 0;
    while (text.size() - scan >= separator.size()) {
        if (text.substr(scan, separator.size()) == separator) {
            pieces.emplace_back(text.substr(piece_start, scan - piece_start));
            scan += separator.size();
            piece_start = scan;
        } else {
            const bool lead = is_lead(text[scan]);
            if (lead && scan == text.size() - 1) break;
            scan += lead ? 2 : 1;
        }
    }
    if (piece_start < text.size()) pieces.emplace_back(text.substr(piece_start));
    return pieces;
}

inline std::string replace_all(std::string_view text, std::string_view what, std::string_view by) {
    if (text.empty() || what.empty()) return std::string(text);
    std::string result;
    std::size_t scan = 0;
    while (text.size() - scan >= what.size()) {
        if (text.substr(scan, what.size()) == what) {
            result += by;
            scan += what.size();
        } else {
            const bool lead = is_lead(text[scan]);
            if (lead && scan == text.size() - 1) return result;  // not appended; the scan ends
            const std::size_t len = lead ? 2 : 1;
            result += text.substr(scan, len);
            scan += len;
        }
    }
    result += text.substr(scan);
    return result;
}

// Length of the space character at pos (a character boundary), 0 if there is none.
inline std::size_t space_length(std::string_view text, std::size_t pos) {
    if (text[pos] == ' ') return 1;
    if (text.substr(pos, 2) == "\xA1\xA1") return 2;
    return 0;
}

inline std::string trim_front(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && space_length(text, pos) > 0) pos += space_length(text, pos);
    return std::string(text.substr(pos));
}

inline std::string trim_back(std::string_view text) {
    std::size_t pos = 0;
    bool in_run = false;
    std::size_t run_start = 0;
    while (pos < text.size()) {
        if (is_lead(text[pos]) && pos == text.size() - 1) return std::string(text.substr(0, pos));
        const std::size_t space = space_length(text, pos);
        if (space > 0 && !in_run) run_start = pos;
        in_run = space > 0;
        pos += is_lead(text[pos]) ? 2 : 1;
    }
    return std::string(in_run ? text.substr(0, run_start) : text);
}

inline std::string strip_spaces(std::string_view text) {
    std::string result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (is_lead(text[pos]) && pos == text.size() - 1) break;
        const std::size_t len = is_lead(text[pos]) ? 2 : 1;
        if (space_length(text, pos) == 0) result += text.substr(pos, len);
        pos += len;
    }
    return result;
}

inline std::string widen(std::string_view text) {
    std::string result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[pos]);
        if (b >= 0x80) {
            if (pos == text.size() - 1) break;
            result += text.substr(pos, 2);
            pos += 2;
            continue;
        }
        if (b == 0x20) {
            result += "\xA1\xA1";
        } else if (b == 0x7E) {
            result += "\xA1\xAB";
        } else if (b >= 0x21 && b <= 0x7D) {
            result += '\xA3';
            result += static_cast<char>(b + 0x80);
        } else {
            result += static_cast<char>(b);
        }
        ++pos;
    }
    return result;
}

inline std::string narrow(std::string_view text) {
    std::string result;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char b = static_cast<unsigned char>(text[pos]);
        if (b < 0x80) {
            result += static_cast<char>(b);
            ++pos;
            continue;
        }
        if (pos == text.size() - 1) break;
        const unsigned char second = static_cast<unsigned char>(text[pos + 1]);
        if (b == 0xA1 && second == 0xA1) {
            result += ' ';
        } else if (b == 0xA1 && second == 0xAB) {
            result += '~';
        } else if (b == 0xA1 && (second == 0xEE || second == 0xEF)) {
            result += '*';
        } else if (b == 0xA3 && second >= 0xA1 && second <= 0xFE) {
            result += static_cast<char>(second - 0x80);
        } else {
            result += text.substr(pos, 2);
        }
        pos += 2;
    }
    return result;
}

inline std::string format_number(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", x);
    return buffer;
}

inline std::string single_char(int code) {
    const char c = static_cast<char>(code & 0xFF);
    return c == 0 ? std::string() : std::string(1, c);
}

inline std::string join_lines(std::string_view source, bool remove_spaces) {
    std::string result;
    for (const std::string& piece : split_at(source, "\r\n")) {
        std::string line = trim_back(trim_front(piece));
        if (remove_spaces) line = strip_spaces(line);
        if (line != "") result += line;
    }
    return result;
}

// replace_all of a two-byte `what` in a text without an incomplete last character, skipped
// where `what` does not occur in the bytes at all (replace_all would then copy the text): the
// 62 steps below would make the tests slow otherwise.
inline void replace_where_found(std::string& text, std::string_view what, std::string_view by) {
    if (text.find(what) != std::string::npos) text = replace_all(text, what, by);
}

inline std::string to_chinese_punctuation(std::string_view source) {
    std::string text = replace_all(source, ".", "\xA1\xA3");
    text = widen(text);
    for (int digit = 0; digit <= 9; ++digit) {
        const std::string ascii = format_number(digit);
        replace_where_found(text, widen(ascii), ascii);
    }
    for (int code = 97; code <= 122; ++code) {
        replace_where_found(text, widen(single_char(code)), single_char(code));
    }
    for (int code = 65; code <= 90; ++code) {
        replace_where_found(text, widen(single_char(code)), single_char(code));
    }
    return text;
}

inline std::string to_english_punctuation(std::string_view source) {
    return narrow(replace_all(source, "\xA1\xA3", "."));
}

}  // namespace zurvane::reference
