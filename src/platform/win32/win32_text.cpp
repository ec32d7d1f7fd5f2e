#include "platform/win32/win32_text.h"

#include <windows.h>

#include <algorithm>

namespace zurvane::win32 {

namespace {

constexpr unsigned kGb18030 = 54936;
constexpr unsigned kGbk = 936;

// The conversions take int lengths: long inputs go through in pieces of about this size, cut
// between characters.
constexpr std::size_t kPiece = std::size_t{1} << 24;

unsigned char byte_at(std::string_view s, std::size_t i) {
    return static_cast<unsigned char>(s[i]);
}

// Length of the character at i: UTF-8 by its lead byte's continuation bytes; GB18030 and GBK by
// their lead bytes (a four-byte GB18030 form has a digit as its second byte).
std::size_t char_length(unsigned code_page, std::string_view s, std::size_t i) {
    if (code_page == CP_UTF8) {
        std::size_t n = 1;
        while (i + n < s.size() && (byte_at(s, i + n) & 0xC0) == 0x80) ++n;
        return n;
    }
    if (byte_at(s, i) < 0x80 || i + 1 >= s.size()) return 1;
    const unsigned char second = byte_at(s, i + 1);
    if (code_page == kGb18030 && second >= 0x30 && second <= 0x39 && i + 3 < s.size()) return 4;
    return 2;
}

std::size_t piece_end(unsigned code_page, std::string_view s, std::size_t from) {
    if (s.size() - from <= kPiece) return s.size();
    std::size_t end = from;
    while (end < s.size() && end - from < kPiece) end += char_length(code_page, s, end);
    return end < s.size() ? end : s.size();
}

std::size_t piece_end(std::wstring_view s, std::size_t from) {
    if (s.size() - from <= kPiece) return s.size();
    std::size_t end = from + kPiece;
    // Never between the two halves of a surrogate pair.
    if (s[end] >= 0xDC00 && s[end] <= 0xDFFF) --end;
    return end;
}

std::wstring to_wide(unsigned code_page, std::string_view bytes) {
    std::wstring wide;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t end = piece_end(code_page, bytes, at);
        const int length = static_cast<int>(end - at);
        const int needed = MultiByteToWideChar(code_page, 0, bytes.data() + at, length, nullptr, 0);
        if (needed > 0) {
            const std::size_t old = wide.size();
            wide.resize(old + static_cast<std::size_t>(needed));
            MultiByteToWideChar(code_page, 0, bytes.data() + at, length, wide.data() + old, needed);
        }
        at = end;
    }
    return wide;
}

std::string from_wide(unsigned code_page, std::wstring_view wide) {
    std::string bytes;
    for (std::size_t at = 0; at < wide.size();) {
        const std::size_t end = piece_end(wide, at);
        const int length = static_cast<int>(end - at);
        const int needed = WideCharToMultiByte(code_page, 0, wide.data() + at, length, nullptr, 0,
                                               nullptr, nullptr);
        if (needed > 0) {
            const std::size_t old = bytes.size();
            bytes.resize(old + static_cast<std::size_t>(needed));
            WideCharToMultiByte(code_page, 0, wide.data() + at, length, bytes.data() + old, needed,
                                nullptr, nullptr);
        }
        at = end;
    }
    return bytes;
}

// Code page 936 keeps the euro sign in the single byte 0x80, which a Text reads as the lead
// byte of a two-byte character; GB18030 has it as A2 E3, where code page 936 puts a private-use
// character. The euro sign takes GB18030's bytes both ways.
constexpr wchar_t kEuro = 0x20AC;
constexpr wchar_t kGbkA2E3 = 0xE76C;
constexpr std::string_view kGb18030Euro = "\xA2\xE3";

std::wstring gbk_to_wide(std::string_view text) {
    std::wstring wide = to_wide(kGbk, text);
    for (wchar_t& c : wide)
        if (c == kGbkA2E3) c = kEuro;
    return wide;
}

bool is_surrogate(wchar_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

// Code page 936 has no character beyond the BMP: each becomes one "?", not one per half.
std::wstring one_unit_per_character(std::wstring_view wide) {
    std::wstring units;
    units.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (!is_surrogate(wide[i])) {
            units += wide[i];
            continue;
        }
        units += L'?';
        if (wide[i] <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] <= 0xDFFF)
            ++i;
    }
    return units;
}

std::string gbk_from_wide(std::wstring_view original) {
    const std::wstring wide = one_unit_per_character(original);
    std::string text;
    for (std::size_t at = 0; at <= wide.size();) {
        const std::size_t euro = std::min(wide.find(kEuro, at), wide.size());
        text += from_wide(kGbk, std::wstring_view(wide).substr(at, euro - at));
        if (euro == wide.size()) break;
        text += kGb18030Euro;
        at = euro + 1;
    }
    return text;
}

}  // namespace

unsigned text_code_page() {
    static const unsigned code_page = IsValidCodePage(kGb18030) ? kGb18030 : kGbk;
    return code_page;
}

std::wstring wide_from_text(std::string_view text) {
    return text_code_page() == kGbk ? gbk_to_wide(text) : to_wide(text_code_page(), text);
}

Text text_from_wide(std::wstring_view wide) {
    return text_code_page() == kGbk ? gbk_from_wide(wide) : from_wide(text_code_page(), wide);
}

std::wstring wide_from_utf8(std::string_view utf8) {
    return to_wide(CP_UTF8, utf8);
}

std::string utf8_from_wide(std::wstring_view wide) {
    return from_wide(CP_UTF8, wide);
}

}  // namespace zurvane::win32
