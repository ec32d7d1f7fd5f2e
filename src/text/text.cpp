#include "text/text.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "text/gbk.h"

namespace zurvane {

using gbk::char_length;
using gbk::is_space_at;

TextList split_at(std::string_view text, std::string_view separator) {
    TextList pieces;
    if (text.empty()) return pieces;
    if (separator.empty()) {
        pieces.emplace_back(text);
        return pieces;
    }
    std::size_t piece_start = 0;
    std::size_t pos = 0;
    while (text.size() - pos >= separator.size()) {
        if (text.compare(pos, separator.size(), separator) == 0) {
            pieces.emplace_back(text.substr(piece_start, pos - piece_start));
            pos += separator.size();
            piece_start = pos;
            continue;
        }
        const std::size_t len = char_length(text, pos);
        if (len == 0) break;  // a lead byte that ends the text: nothing left to scan
        pos += len;
    }
    if (piece_start < text.size()) pieces.emplace_back(text.substr(piece_start));
    return pieces;
}

Text replace_all(std::string_view text, std::string_view what, std::string_view by) {
    if (text.empty() || what.empty()) return Text(text);
    Text out;
    out.reserve(text.size());
    std::size_t pos = 0;
    std::size_t copied_to = 0;  // text[copied_to, pos) is still to be appended unchanged
    while (text.size() - pos >= what.size()) {
        if (text.compare(pos, what.size(), what) == 0) {
            out.append(text, copied_to, pos - copied_to);
            out.append(by);
            pos += what.size();
            copied_to = pos;
            continue;
        }
        const std::size_t len = char_length(text, pos);
        if (len == 0) {  // an incomplete last character that the scan reaches is dropped
            out.append(text, copied_to, pos - copied_to);
            return out;
        }
        pos += len;
    }
    out.append(text, copied_to);
    return out;
}

Text trim_front(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && is_space_at(text, pos))
        pos += gbk::byte_at(text, pos) == gbk::kSpace ? 1 : 2;
    return Text(text.substr(pos));
}

Text trim_back(std::string_view text) {
    std::size_t pos = 0;
    std::size_t run_start = text.size();  // start of the latest unbroken run of spaces
    bool in_run = false;
    while (pos < text.size()) {
        const std::size_t len = char_length(text, pos);
        if (len == 0) return Text(text.substr(0, pos));  // spaces before it stay
        if (is_space_at(text, pos)) {
            if (!in_run) run_start = pos;
            in_run = true;
        } else {
            in_run = false;
        }
        pos += len;
    }
    return Text(text.substr(0, in_run ? run_start : text.size()));
}

Text strip_spaces(std::string_view text) {
    Text out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t len = char_length(text, pos);
        if (len == 0) break;
        if (!is_space_at(text, pos)) out.append(text, pos, len);
        pos += len;
    }
    return out;
}

Text widen(std::string_view text) {
    Text out;
    out.reserve(text.size() * 2);
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t len = char_length(text, pos);
        if (len == 0) break;
        const unsigned char b = gbk::byte_at(text, pos);
        if (len == 2 || b < 0x20 || b == 0x7F) {
            out.append(text, pos, len);
        } else if (b == 0x20) {
            out += "\xA1\xA1";
        } else if (b == 0x7E) {
            out += "\xA1\xAB";
        } else {
            out += '\xA3';
            out += static_cast<char>(b + 0x80);
        }
        pos += len;
    }
    return out;
}

Text narrow(std::string_view text) {
    Text out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t len = char_length(text, pos);
        if (len == 0) break;
        const unsigned char one =
            len == 2 ? gbk::narrow_form(gbk::byte_at(text, pos), gbk::byte_at(text, pos + 1)) : 0;
        if (one != 0) {
            out += static_cast<char>(one);
        } else {
            out.append(text, pos, len);
        }
        pos += len;
    }
    return out;
}

std::int64_t byte_length(std::string_view text) {
    return static_cast<std::int64_t>(text.size());
}

Text slice(std::string_view text, std::int64_t start, std::int64_t count) {
    const auto length = static_cast<std::int64_t>(text.size());
    if (start < 1 || start > length || count <= 0) return Text();
    const std::int64_t available = length - (start - 1);
    return Text(text.substr(static_cast<std::size_t>(start - 1),
                            static_cast<std::size_t>(std::min(count, available))));
}

Text concatenate(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) total += part.size();
    Text out;
    out.reserve(total);
    for (std::string_view part : parts) out.append(part);
    return out;
}

int compare_bytes(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    const int order = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);  // unsigned bytes
    if (order != 0) return order < 0 ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

Text single_char(std::int64_t code) {
    const auto byte = static_cast<unsigned char>(static_cast<std::uint64_t>(code) & 0xFF);
    if (byte == 0) return Text();
    return Text(1, static_cast<char>(byte));
}

Text format_number(double x) {
    // to_chars in general form with precision 13 is "%.13g" without the locale's decimal point.
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::general, 13);
    return Text(buffer, result.ptr);
}

}  // namespace zurvane
