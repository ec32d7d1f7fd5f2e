// The operations on texts: character boundaries, the two spaces, the incomplete last character.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "support/hex.h"
#include "text/text.h"

namespace zurvane {
namespace {

using testing::hex;

std::vector<std::string> hex_all(const TextList& pieces) {
    std::vector<std::string> out;
    for (const Text& piece : pieces) out.push_back(hex(piece));
    return out;
}

TEST(SplitAt, GivesThePiecesBetweenLineEndsAtCharacterBoundaries) {
    struct Case {
        std::string text;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"", {}},
        {"abc", {"abc"}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\n", {"a"}},
        {"\r\na", {"", "a"}},
        {"\r\n", {""}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\r\n\r\n", {"a", ""}},
        {"a\nb", {"a\nb"}},
        {"a\r\r\nb", {"a\r", "b"}},
        // A CR that is the second byte of a character starts no line end.
        {"a\x81\r\nb", {"a\x81\r\nb"}},
        {"\x81\r\r\nb", {"\x81\r", "b"}},
        // A lead byte at the end stays in the last piece.
        {"a\r\n\x81", {"a", "\x81"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: " + hex(c.text));
        std::vector<std::string> expected;
        for (const std::string& piece : c.pieces) expected.push_back(hex(piece));
        EXPECT_EQ(hex_all(split_at(c.text, "\r\n")), expected);
    }
}

TEST(SplitAt, WithAnEmptySeparatorGivesTheWholeText) {
    EXPECT_EQ(hex_all(split_at("a\r\nb", "")), std::vector<std::string>{hex("a\r\nb")});
    EXPECT_TRUE(split_at("", "").empty());
}

TEST(ReplaceAll, ReplacesWholeCharactersLeftToRightWithoutRescanning) {
    struct Case {
        std::string text, what, by, expected;
    };
    const Case cases[] = {
        {"a.b.", ".", "\xA1\xA3",
         "a\xA1\xA3"
         "b\xA1\xA3"},
        {"", ".", "\xA1\xA3", ""},
        {"a.b", "", "x", "a.b"},
        {"a.b", ".", "..", "a..b"},
        {"aaa", "aa", "b", "ba"},
        {"aAa", "a", "x", "xAx"},  // no case folding
        // 81 2E is one character: its 2E is no ".".
        {"\x81.", ".", "\xA1\xA3", "\x81."},
        // A match never starts at a second byte: A3 B0 inside B1 A3 B0 is not matched.
        {"\xB1\xA3\xB0", "\xA3\xB0", "0", "\xB1\xA3\xB0"},
        // The incomplete last character goes when the scan reaches it ...
        {"a\x81", ".", "x", "a"},
        // ... and stays when fewer bytes than `what` remain.
        {"a\x81", "\xA1\xA3", ".", "a\x81"},
        {"\xA1\xA3\xA1", "\xA1\xA3", ".", ".\xA1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: " + hex(c.text) + ", what: " + hex(c.what) + ", by: " + hex(c.by));
        EXPECT_EQ(hex(replace_all(c.text, c.what, c.by)), hex(c.expected));
    }
}

TEST(SpaceTrimming, FollowsCharacterBoundariesAndTheTwoSpaces) {
    struct Case {
        std::string text, front, back, stripped;
    };
    const Case cases[] = {
        {"", "", "", ""},
        // 啊“: the A1 A1 in the middle straddles two characters and is no space.
        {"\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0"},
        // The 20 of 81 20 is a second byte.
        {"\x81\x20", "\x81\x20", "\x81\x20", "\x81\x20"},
        // A lone lead byte at the end: trim_back stops at it and keeps the spaces before it.
        {"ab  \x81", "ab  \x81", "ab  ", "ab"},
        {" \xA1\xA1 ", "", "", ""},
        {"\t a \r", "\t a \r", "\t a \r", "\ta\r"},
        {" \xA1\xA1"
         "a b\xA1\xA1 ",
         "a b\xA1\xA1 ",
         " \xA1\xA1"
         "a b",
         "ab"},
        // A lone A1 at the end is an incomplete character, not half a space.
        {" \xA1", "\xA1", " ", ""},
        {"a \xA1\xA1\xA1", "a \xA1\xA1\xA1", "a \xA1\xA1", "a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: " + hex(c.text));
        EXPECT_EQ(hex(trim_front(c.text)), hex(c.front));
        EXPECT_EQ(hex(trim_back(c.text)), hex(c.back));
        EXPECT_EQ(hex(strip_spaces(c.text)), hex(c.stripped));
    }
}

TEST(Widen, MapsPrintableAsciiToFullWidthForms) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {" ", "\xA1\xA1"},
        {"~", "\xA1\xAB"},
        {"!", "\xA3\xA1"},
        {",", "\xA3\xAC"},
        {".", "\xA3\xAE"},
        {"\"'", "\xA3\xA2\xA3\xA7"},
        {"$}", "\xA3\xA4\xA3\xFD"},
        {"A0z", "\xA3\xC1\xA3\xB0\xA3\xFA"},
        {"\r\n\t\x01\x1F\x7F", "\r\n\t\x01\x1F\x7F"},
        {"\xB0\xA1\xA3\xAC\x81\x20", "\xB0\xA1\xA3\xAC\x81\x20"},
        {"a\x81", "\xA3\xE1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: " + hex(c.text));
        EXPECT_EQ(hex(widen(c.text)), hex(c.expected));
    }
}

TEST(Narrow, MapsFullWidthFormsAndTheListedSymbolsToAscii) {
    struct Case {
        std::string text, expected;
    };
    const Case cases[] = {
        {"\xA1\xA1", " "},
        {"\xA1\xAB", "~"},
        {"\xA3\xFE", "~"},
        {"\xA1\xEE\xA1\xEF", "**"},
        {"\xA3\xA1\xA3\xA4\xA3\xC1\xA3\xFD", "!$A}"},
        // Unchanged: 。、“”‘’《》【】…—·, A3 A0 and A3 FF, 啊“, and control characters.
        {"\xA1\xA3\xA1\xA2\xA1\xB0\xA1\xB1\xA1\xAE\xA1\xAF\xA1\xB6\xA1\xB7",
         "\xA1\xA3\xA1\xA2\xA1\xB0\xA1\xB1\xA1\xAE\xA1\xAF\xA1\xB6\xA1\xB7"},
        {"\xA1\xBE\xA1\xBF\xA1\xAD\xA1\xAA\xA1\xA4", "\xA1\xBE\xA1\xBF\xA1\xAD\xA1\xAA\xA1\xA4"},
        {"\xA3\xA0\xA3\xFF", "\xA3\xA0\xA3\xFF"},
        {"\xB0\xA1\xA1\xB0", "\xB0\xA1\xA1\xB0"},
        {"\r\n\t", "\r\n\t"},
        {"\xA3\xA1\xA3", "!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("text: " + hex(c.text));
        EXPECT_EQ(hex(narrow(c.text)), hex(c.expected));
    }
}

TEST(Narrow, UndoesWidenOnEveryPrintableAsciiCharacter) {
    std::string printable;
    for (int c = 0x20; c <= 0x7E; ++c) printable += static_cast<char>(c);
    const std::string all = printable + " " + printable;
    EXPECT_EQ(hex(narrow(widen(all))), hex(all));
    EXPECT_EQ(widen(all).find("\xA3\xFE"), std::string::npos);
}

TEST(Slice, TakesBytesFromAOneBasedStart) {
    const std::string twelve = "abcdef\xB0\xA1ghij";
    struct Case {
        std::int64_t start, count;
        std::string expected;
    };
    const Case cases[] = {
        {12, 1, "j"},
        {13, 1, ""},
        {0, 5, ""},
        {-3, 5, ""},
        {1, 0, ""},
        {1, -1, ""},
        {1, 3, "abc"},
        {7, 1, "\xB0"},  // bytes, so it may cut a character
        {10, 100, "hij"},
        {1, std::numeric_limits<std::int64_t>::max(), twelve},
        {std::numeric_limits<std::int64_t>::max(), 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("start " + std::to_string(c.start) + ", count " + std::to_string(c.count));
        EXPECT_EQ(hex(slice(twelve, c.start, c.count)), hex(c.expected));
    }
    EXPECT_EQ(slice("", 1, 1), "");
}

TEST(CompareBytes, OrdersByUnsignedBytesThenLength) {
    struct Case {
        std::string a, b;
        int expected;
    };
    const Case cases[] = {
        {"", "", 0},         {"", "a", -1},
        {"a", "", 1},        {"abc", "abc", 0},
        {"ab", "abc", -1},   {"b", "abc", 1},
        {"A", "a", -1},      {"\x7F", "\x80", -1},
        {"\xFF", "\x01", 1}, {"\xB0\xA1", "\xB0\xA2", -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("a: " + hex(c.a) + ", b: " + hex(c.b));
        EXPECT_EQ(compare_bytes(c.a, c.b), c.expected);
    }
}

TEST(SingleChar, GivesTheByteOfTheLowEightBits) {
    EXPECT_EQ(single_char(0), "");
    EXPECT_EQ(single_char(256), "");
    EXPECT_EQ(single_char(65), "A");
    EXPECT_EQ(single_char(122), "z");
    EXPECT_EQ(hex(single_char(0x1A1)), "A1");
    EXPECT_EQ(hex(single_char(-1)), "FF");
}

TEST(FormatNumber, WritesThirteenSignificantDigitsLikePrintf) {
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_EQ(format_number(digit), std::string(1, static_cast<char>('0' + digit)));
    }
    EXPECT_EQ(format_number(-0.0), "-0");
    EXPECT_EQ(format_number(0.5), "0.5");
    EXPECT_EQ(format_number(3.14159265358979), "3.14159265359");
    EXPECT_EQ(format_number(1e20), "1e+20");
    EXPECT_EQ(format_number(1234567890123.0), "1234567890123");
    EXPECT_EQ(format_number(12345678901234.0), "1.234567890123e+13");
    EXPECT_EQ(format_number(0.0001), "0.0001");
    EXPECT_EQ(format_number(0.00001), "1e-05");
}

TEST(ByteLengthAndConcatenate, CountAndJoinBytes) {
    EXPECT_EQ(byte_length(""), 0);
    EXPECT_EQ(byte_length("\xB0\xA1"
                          "a"),
              3);
    EXPECT_EQ(hex(concatenate({"a", "", "\xB0", "\xA1"})), "61 B0 A1");
    EXPECT_EQ(concatenate({}), "");
}

}  // namespace
}  // namespace zurvane
