#include "platform/encoding/line_ends.h"

#include <cstring>

namespace zurvane {

namespace {

// Position of the next byte c at or after from, or the end of s.
std::size_t find_byte(std::string_view s, std::size_t from, char c) {
    const void* hit = std::memchr(s.data() + from, c, s.size() - from);
    return hit ? static_cast<const char*>(hit) - s.data() : s.size();
}

}  // namespace

std::string crlf_from_lf(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + utf8.size() / 16 + 16);
    std::size_t from = 0;
    while (from < utf8.size()) {
        std::size_t lf = find_byte(utf8, from, '\n');
        out.append(utf8, from, lf - from);
        if (lf == utf8.size()) break;
        if (lf == 0 || utf8[lf - 1] != '\r') out.push_back('\r');
        out.push_back('\n');
        from = lf + 1;
    }
    return out;
}

std::string lf_from_crlf(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t from = 0;
    while (from < utf8.size()) {
        std::size_t lf = find_byte(utf8, from, '\n');
        bool after_cr = lf < utf8.size() && lf > from && utf8[lf - 1] == '\r';
        // The CR of a CR LF is left out; the LF itself is copied with the next run.
        std::size_t end = after_cr ? lf - 1 : lf;
        out.append(utf8, from, end - from);
        if (lf == utf8.size()) break;
        out.push_back('\n');
        from = lf + 1;
    }
    return out;
}

}  // namespace zurvane
