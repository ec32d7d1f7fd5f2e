#include "text/char_loops.h"

#include "text/gbk.h"

namespace zurvane::detail {

using gbk::byte_at;
using gbk::english_form;
using gbk::is_ascii_alnum;
using gbk::is_full_width_alnum;

void join_chars(std::string_view source, std::size_t pos, bool remove_spaces, JoinState& state,
                Text& out) {
    const std::size_t end = source.size();
    std::size_t kept_from = pos;  // source[kept_from, pos) is kept and not yet appended
    auto flush = [&](std::size_t to) { out.append(source, kept_from, to - kept_from); };
    while (pos < end) {
        const unsigned char b = byte_at(source, pos);
        std::size_t len = 1;
        bool space = b == gbk::kSpace;
        if (gbk::is_lead(b)) {
            if (pos + 1 == end) {
                // An incomplete last character goes; the spaces before it stay, as trimming the
                // back of a line stops at it.
                flush(pos);
                if (state.pending_spaces != JoinState::kNoSpaces)
                    out.append(source, state.pending_spaces, pos - state.pending_spaces);
                state.pending_spaces = JoinState::kNoSpaces;
                return;
            }
            len = 2;
            space = b == gbk::kIdeographicSpaceByte &&
                    byte_at(source, pos + 1) == gbk::kIdeographicSpaceByte;
        } else if (b == gbk::kCr && pos + 1 < end && byte_at(source, pos + 1) == gbk::kLf) {
            flush(pos);
            state = JoinState{};  // trailing spaces of the line go with its end
            pos += 2;
            kept_from = pos;
            continue;
        }
        if (space) {
            flush(pos);
            if (!remove_spaces && !state.at_line_start &&
                state.pending_spaces == JoinState::kNoSpaces)
                state.pending_spaces = pos;
            pos += len;
            kept_from = pos;
            continue;
        }
        if (state.pending_spaces != JoinState::kNoSpaces) {
            // The spaces were inside the line: they are kept, and kept_from is where they end.
            out.append(source, state.pending_spaces, kept_from - state.pending_spaces);
            state.pending_spaces = JoinState::kNoSpaces;
        }
        state.at_line_start = false;
        pos += len;
    }
    flush(end);
    // Spaces that end the text end its last line.
    state.pending_spaces = JoinState::kNoSpaces;
}

void chinese_punctuation_chars(std::string_view source, std::size_t pos, Text& out) {
    const std::size_t end = source.size();
    while (pos < end) {
        const unsigned char b = byte_at(source, pos);
        if (gbk::is_lead(b)) {
            if (pos + 1 == end) return;  // an incomplete last character is dropped
            const unsigned char second = byte_at(source, pos + 1);
            if (b == 0xA3 && is_full_width_alnum(second)) {
                out += static_cast<char>(second - 0x80);
            } else {
                out.append(source, pos, 2);
            }
            pos += 2;
            continue;
        }
        if (b == '.') {
            out += "\xA1\xA3";
        } else if (b == ' ') {
            out += "\xA1\xA1";
        } else if (b == '~') {
            out += "\xA1\xAB";
        } else if (b < 0x21 || b > 0x7D || is_ascii_alnum(b)) {
            out += static_cast<char>(b);
        } else {
            out += '\xA3';
            out += static_cast<char>(b + 0x80);
        }
        ++pos;
    }
}

void english_punctuation_chars(std::string_view source, std::size_t pos, Text& out) {
    const std::size_t end = source.size();
    while (pos < end) {
        const unsigned char b = byte_at(source, pos);
        if (!gbk::is_lead(b)) {
            out += static_cast<char>(b);
            ++pos;
            continue;
        }
        if (pos + 1 == end) return;  // an incomplete last character is dropped
        const unsigned char one = english_form(b, byte_at(source, pos + 1));
        if (one != 0) {
            out += static_cast<char>(one);
        } else {
            out.append(source, pos, 2);
        }
        pos += 2;
    }
}

Text join_lines_by_chars(std::string_view source, bool remove_spaces) {
    Text out;
    out.reserve(source.size());
    JoinState state;
    join_chars(source, 0, remove_spaces, state, out);
    return out;
}

Text to_chinese_punctuation_by_chars(std::string_view source) {
    Text out;
    out.reserve(source.size() * 2);  // every character at most doubles
    chinese_punctuation_chars(source, 0, out);
    return out;
}

Text to_english_punctuation_by_chars(std::string_view source) {
    Text out;
    out.reserve(source.size());
    english_punctuation_chars(source, 0, out);
    return out;
}

}  // namespace zurvane::detail
