// The bridge on iconv (glibc). Only this file knows about iconv; the line-end mapping and the
// UTF-8 repair are separate so that a backend without iconv can reuse them.
#include "platform/encoding/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "platform/encoding/line_ends.h"
#include "platform/encoding/utf8_repair.h"

namespace zurvane {

namespace {

// What GB18030 holds for U+FFFD.
constexpr std::string_view kGb18030Replacement = "\x84\x31\xA4\x37";

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " +
                                     to);
        }
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of in into a buffer that starts at expected_size and doubles when full.
    // Where iconv stops at a sequence it cannot convert, replacement is written instead and
    // bad_length(rest) bytes are skipped (at least one).
    template <typename BadLength>
    std::string convert(std::string_view in, std::size_t expected_size,
                        std::string_view replacement, BadLength bad_length) {
        std::string out;
        out.resize(expected_size + 64);
        std::size_t written = 0;
        char* in_ptr = const_cast<char*>(in.data());  // iconv's interface is not const-correct
        std::size_t in_left = in.size();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        while (in_left > 0) {
            if (out.size() - written < 64) out.resize(out.size() * 2);
            char* out_ptr = out.data() + written;
            std::size_t out_left = out.size() - written;
            const std::size_t result = iconv(cd_, &in_ptr, &in_left, &out_ptr, &out_left);
            const int error = errno;
            written = out_ptr - out.data();
            if (result != static_cast<std::size_t>(-1)) break;
            if (error == E2BIG) {
                out.resize(out.size() * 2);
                continue;
            }
            // EILSEQ, EINVAL (cut short at the end) or anything else: replace and go on.
            if (out.size() - written < replacement.size()) out.resize(out.size() * 2);
            replacement.copy(out.data() + written, replacement.size());
            written += replacement.size();
            const std::size_t skip =
                std::clamp<std::size_t>(bad_length(std::string_view(in_ptr, in_left)), 1, in_left);
            in_ptr += skip;
            in_left -= skip;
        }
        out.resize(written);
        return out;
    }

private:
    iconv_t cd_;
};

bool in_range(unsigned char b, unsigned char lowest, unsigned char highest) {
    return b >= lowest && b <= highest;
}

// Bytes that iconv could not turn into a character, by the structure of GB18030: a complete
// four-byte or two-byte sequence that maps to nothing is one bad sequence; any other lead byte
// (at the end, or followed by a byte that cannot continue it) or a byte 0x80 or 0xFF is bad on
// its own, and the bytes after it are read again, so that no ASCII character (CR, LF, digits)
// is swallowed.
std::size_t bad_gb18030_length(std::string_view rest) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(rest[i]); };
    if (rest.size() >= 2 && in_range(byte(0), 0x81, 0xFE)) {
        if (rest.size() >= 4 && in_range(byte(1), 0x30, 0x39) && in_range(byte(2), 0x81, 0xFE) &&
            in_range(byte(3), 0x30, 0x39)) {
            return 4;
        }
        if (in_range(byte(1), 0x40, 0x7E) || in_range(byte(1), 0x80, 0xFE)) return 2;
    }
    return 1;
}

// The UTF-8 character iconv could not map (the input has been repaired, so it is well-formed).
std::size_t unmappable_utf8_length(std::string_view rest) {
    const std::size_t n = utf8_sequence_length(rest);
    return n == 0 ? 1 : n;
}

}  // namespace

Text text_from_utf8(std::string_view utf8) {
    const std::string with_crlf =
        is_well_formed_utf8(utf8) ? crlf_from_lf(utf8) : crlf_from_lf(replace_invalid_utf8(utf8));
    Converter to_gb18030("GB18030", "UTF-8");
    // Chinese shrinks from three bytes to two; only text full of letters that GBK lacks grows.
    return to_gb18030.convert(with_crlf, with_crlf.size(), kGb18030Replacement,
                              unmappable_utf8_length);
}

std::string text_to_utf8(std::string_view text) {
    Converter to_utf8("UTF-8", "GB18030");
    // Decoded first and line ends mapped afterwards: in 81 0D 0A the 81 is a bad sequence of its
    // own and 0D 0A a real CR LF, and on the UTF-8 side every byte 0x0D or 0x0A is a CR or LF.
    // A character grows to at most 1.5 times its bytes; only replacements grow more.
    return lf_from_crlf(
        to_utf8.convert(text, text.size() / 2 * 3, kUtf8Replacement, bad_gb18030_length));
}

}  // namespace zurvane
