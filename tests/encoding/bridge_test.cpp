// The bridge between UTF-8 and Text: GB18030 bytes, line ends, and what becomes of bad input.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "platform/encoding/encoding.h"
#include "support/hex.h"

namespace zurvane {
namespace {

using testing::hex;

constexpr std::string_view kTextReplacement = "\x84\x31\xA4\x37";  // U+FFFD in GB18030
constexpr std::string_view kUtf8Replacement = "\xEF\xBF\xBD";

std::string utf8_of(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// Whether s is well-formed UTF-8: decodes each sequence and rejects overlong forms, surrogates
// and values above U+10FFFF.
bool is_valid_utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto lead = static_cast<unsigned char>(s[i]);
        std::size_t length = lead < 0x80       ? 1
                             : lead >> 5 == 6  ? 2
                             : lead >> 4 == 14 ? 3
                             : lead >> 3 == 30 ? 4
                                               : 0;
        if (length == 0 || i + length > s.size()) return false;
        std::uint32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            c = (c << 6) | (b & 0x3F);
        }
        static constexpr std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += length;
    }
    return true;
}

// Where two long byte strings first differ, with the bytes around it.
std::string first_difference(std::string_view a, std::string_view b) {
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    if (i == a.size() && i == b.size()) return "equal";
    const std::size_t from = i < 8 ? 0 : i - 8;
    return "first difference at byte " + std::to_string(i) + " (sizes " + std::to_string(a.size()) +
           " and " + std::to_string(b.size()) + "): " + hex(a.substr(from, 16)) + " vs " +
           hex(b.substr(from, 16));
}

struct Character {
    const char* name;
    std::string_view utf8;
    std::string_view text;  // its GB18030 bytes
};

// GBK characters keep their code page 936 bytes; the rest take GB18030's four-byte forms.
const Character kCharacters[] = {
    {"ASCII", "Az09 ~\t", "Az09 ~\t"},
    {"GBK Chinese", "中文", "\xD6\xD0\xCE\xC4"},
    {"ideographic space U+3000", "\xE3\x80\x80", "\xA1\xA1"},
    {"full-width comma", "，", "\xA3\xAC"},
    {"full-width forms", "！．～￥", "\xA3\xA1\xA3\xAE\xA1\xAB\xA3\xA4"},
    {"ideographic full stop", "。", "\xA1\xA3"},
    {"curly quotes", "“”", "\xA1\xB0\xA1\xB1"},
    {"euro sign", "€", "\xA2\xE3"},
    {"first four-byte character U+0080", "\xC2\x80", "\x81\x30\x81\x30"},
    {"Korean", "한", "\x83\x36\x84\x33"},
    {"emoji U+1F600", "😀", "\x94\x39\xFC\x36"},
    {"last code point U+10FFFF", "\xF4\x8F\xBF\xBF", "\xE3\x32\x9A\x35"},
    {"private use U+E5E5", "\xEE\x97\xA5", "\xA3\xA0"},
    {"replacement character", "\xEF\xBF\xBD", "\x84\x31\xA4\x37"},
};

TEST(Bridge, CharactersHaveTheirGb18030BytesAndComeBack) {
    for (const Character& c : kCharacters) {
        SCOPED_TRACE(c.name);
        const Text text = text_from_utf8(c.utf8);
        EXPECT_EQ(hex(text), hex(c.text));
        EXPECT_EQ(hex(text_to_utf8(text)), hex(c.utf8));
    }
}

TEST(Bridge, EveryCodePointOutsidePrivateUseSurvivesTheRoundTrip) {
    std::string all;
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c < 0xD800 || c > 0xDFFF) all += utf8_of(c);
    }
    const std::string back = text_to_utf8(text_from_utf8(all));
    // The C library maps a handful of private-use code points, left over from older editions
    // of GB18030, to nothing; they become U+FFFD and nothing else changes.
    int replaced = 0;
    std::size_t at = 0;
    for (char32_t c = 1; c <= 0x10FFFF; ++c) {
        if (c >= 0xD800 && c <= 0xDFFF) continue;
        const std::string expected = utf8_of(c);
        if (back.compare(at, expected.size(), expected) == 0) {
            at += expected.size();
        } else if (c >= 0xE000 && c <= 0xF8FF &&
                   back.compare(at, kUtf8Replacement.size(), kUtf8Replacement) == 0) {
            at += kUtf8Replacement.size();
            ++replaced;
        } else {
            FAIL() << "U+" << std::hex << static_cast<std::uint32_t>(c) << " came back as "
                   << hex(back.substr(at, 8));
        }
    }
    EXPECT_EQ(at, back.size());
    EXPECT_LE(replaced, 32);
}

struct Conversion {
    const char* name;
    std::string_view from;
    std::string_view to;
};

TEST(Bridge, LineEndsBecomeCrLfInText) {
    const Conversion cases[] = {
        {"LF", "a\nb\n", "a\r\nb\r\n"},
        {"CR LF", "a\r\nb", "a\r\nb"},
        {"lone CR", "a\rb\r", "a\rb\r"},
        {"lone CR before CR LF", "a\r\r\nb", "a\r\r\nb"},
        {"empty lines", "\n\n\r\n", "\r\n\r\n\r\n"},
        {"line end after Chinese", "中\n", "\xD6\xD0\r\n"},
    };
    for (const Conversion& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hex(text_from_utf8(c.from)), hex(c.to));
    }
}

TEST(Bridge, CrLfBecomesLfInUtf8) {
    const Conversion cases[] = {
        {"CR LF", "a\r\nb\r\n", "a\nb\n"},
        {"lone CR", "a\rb\r", "a\rb\r"},
        {"lone LF", "a\nb", "a\nb"},
        {"lone CR before CR LF", "a\r\r\nb", "a\r\nb"},
        {"line end after Chinese", "\xD6\xD0\r\n", "中\n"},
        // 81 0D is no GB18030 character: the 81 alone is bad, the CR LF after it a line end.
        {"CR after a lead byte", "\x81\r\nb", "\xEF\xBF\xBD\nb"},
    };
    for (const Conversion& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hex(text_to_utf8(c.from)), hex(c.to));
    }
}

std::string with_replacements(std::string_view pattern, std::string_view replacement) {
    std::string out;
    for (char c : pattern) {
        if (c == '?') {
            out += replacement;
        } else {
            out += c;
        }
    }
    return out;
}

// Each maximal bad subpart (a byte that starts no sequence, or a sequence cut short) is one
// U+FFFD; the byte that cut a sequence short is read again. '?' marks a U+FFFD in "to".
TEST(Bridge, InvalidUtf8BecomesOneReplacementPerBadSequence) {
    const Conversion cases[] = {
        {"lone continuation byte", "a\x80z", "a?z"},
        {"byte FF", "a\xFFz", "a?z"},
        {"truncated three-byte sequence", "a\xE4\xB8z", "a?z"},
        {"truncated sequence at the end", "a\xE4\xB8", "a?"},
        {"truncated sequence before a line end", "\xE4\xB8\n", "?\r\n"},
        {"truncated four-byte sequence before Chinese", "\xF0\x9F\x98中", "?\xD6\xD0"},
        {"overlong C0 AF", "a\xC0\xAFz", "a??z"},
        {"overlong three-byte form", "\xE0\x80\xAF", "???"},
        {"surrogate ED A0 80", "a\xED\xA0\x80z", "a???z"},
        {"above U+10FFFF", "\xF4\x90\x80\x80", "????"},
        {"two bad lead bytes in a row", "\xE4\xE4\xB8\xAD", "?\xD6\xD0"},
    };
    for (const Conversion& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hex(text_from_utf8(c.from)), hex(with_replacements(c.to, kTextReplacement)));
    }
}

// Going back, a byte 0x80 or 0xFF, or a lead byte that starts no complete character, is one
// U+FFFD and the bytes after it are read again; a complete four-byte sequence that stands for no
// character is one U+FFFD. '?' marks a U+FFFD in "to".
TEST(Bridge, InvalidGb18030BecomesOneReplacementPerBadSequence) {
    const Conversion cases[] = {
        {"byte 80", "a\x80z", "a?z"},
        {"byte FF", "a\xFFz", "a?z"},
        {"lone lead byte at the end", "ab\x81", "ab?"},
        {"lead byte before a space", "\x81 z", "? z"},
        {"lead byte before DEL", "\x81\x7Fz", "?\x7Fz"},
        {"lead byte before FF", "\x81\xFF", "??"},
        {"four-byte form cut short at the end", "\x81\x30", "?0"},
        {"four-byte form cut short before Chinese", "\x81\x30\xD6\xD0", "?0中"},
        {"four-byte form cut short by a space", "\x81\x30\x81 z", "?0? z"},
        {"unassigned four-byte form", "a\x84\x31\xA5\x30z", "a?z"},
        {"four-byte form above U+10FFFF", "\xE3\x32\x9A\x36", "?"},
        {"largest four-byte form", "\xFE\x39\xFE\x39", "?"},
    };
    for (const Conversion& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hex(text_to_utf8(c.from)), hex(with_replacements(c.to, kUtf8Replacement)));
    }
}

TEST(Bridge, NulAndEmptyTextPassUnchanged) {
    EXPECT_EQ(text_from_utf8(""), "");
    EXPECT_EQ(text_to_utf8(""), "");
    EXPECT_EQ(hex(text_from_utf8(std::string_view("a\0b", 3))), "61 00 62");
    EXPECT_EQ(hex(text_to_utf8(std::string_view("a\0b", 3))), "61 00 62");
}

TEST(Bridge, SeveralMebibytesConvertWithoutLoss) {
    std::string utf8;
    Text text;
    for (int i = 0; utf8.size() < (std::size_t{6} << 20); ++i) {
        const std::string number = std::to_string(i);
        utf8 += "中文，😀 €" + number + "\n";
        text += "\xD6\xD0\xCE\xC4\xA3\xAC\x94\x39\xFC\x36 \xA2\xE3" + number + "\r\n";
    }
    const Text converted = text_from_utf8(utf8);
    ASSERT_TRUE(converted == text) << first_difference(converted, text);
    const std::string back = text_to_utf8(converted);
    ASSERT_TRUE(back == utf8) << first_difference(back, utf8);
}

// Both ways the result can outgrow the input: Latin letters take four bytes in GB18030, and
// each bad byte going back becomes three.
TEST(Bridge, ResultsLargerThanTheirInputAreWhole) {
    const std::size_t count = std::size_t{1} << 20;
    std::string latin;
    for (std::size_t i = 0; i < count; ++i) latin += "\xC3\x80";  // U+00C0
    const Text text = text_from_utf8(latin);
    EXPECT_EQ(text.size(), 4 * count);
    EXPECT_EQ(hex(text.substr(text.size() - 4)), "81 30 86 38");
    const std::string back = text_to_utf8(text);
    ASSERT_TRUE(back == latin) << first_difference(back, latin);

    std::string replacements;
    for (std::size_t i = 0; i < count; ++i) replacements += kUtf8Replacement;
    const std::string from_bad_bytes = text_to_utf8(std::string(count, '\x80'));
    ASSERT_TRUE(from_bad_bytes == replacements) << first_difference(from_bad_bytes, replacements);
}

// Bytes drawn to hit the structure of both encodings: lead bytes, GB18030's digit bytes,
// UTF-8 continuation bytes, CR and LF, and the bytes that are never valid.
std::string random_bytes(std::mt19937& random, bool with_cr) {
    static constexpr unsigned char kAlphabet[] = {
        'a',  '0',  '9',  ' ',  '\n', 0x30, 0x39, 0x40, 0x7E, 0x7F, 0x80, 0x81, 0x84, 0x90, 0xA1,
        0xA3, 0xBF, 0xC0, 0xC2, 0xD6, 0xE3, 0xE4, 0xED, 0xF0, 0xF4, 0xF5, 0xFE, 0xFF, 0x0D};
    const std::size_t alphabet_size = sizeof kAlphabet - (with_cr ? 0 : 1);
    std::uniform_int_distribution<std::size_t> length(0, 40);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet_size - 1);
    std::string s(length(random), '\0');
    for (char& c : s) c = static_cast<char>(kAlphabet[pick(random)]);
    return s;
}

TEST(Bridge, AnyTextGivesWellFormedUtf8) {
    std::mt19937 random(20240601);
    for (int i = 0; i < 5000; ++i) {
        const std::string text = random_bytes(random, true);
        const std::string utf8 = text_to_utf8(text);
        ASSERT_TRUE(is_valid_utf8(utf8)) << hex(text) << " gave " << hex(utf8);
    }
}

// Whatever comes in, the Text that the bridge makes holds only whole GB18030 characters, so it
// comes back unchanged from a second round (inputs without CR, whose lone CRs before a line
// end would read as part of that line end).
TEST(Bridge, AnyUtf8GivesTextThatSurvivesARoundTrip) {
    std::mt19937 random(7);
    for (int i = 0; i < 5000; ++i) {
        const std::string utf8 = random_bytes(random, false);
        const Text text = text_from_utf8(utf8);
        const Text again = text_from_utf8(text_to_utf8(text));
        ASSERT_EQ(hex(again), hex(text)) << "from " << hex(utf8);
    }
}

}  // namespace
}  // namespace zurvane
