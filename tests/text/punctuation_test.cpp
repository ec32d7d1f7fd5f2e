// Punctuation conversion between ASCII (English) and full-width GBK (Chinese) forms.
#include "text/punctuation.h"

#include <gtest/gtest.h>

#include <string>

#include "support/hex.h"

namespace zurvane {
namespace {

using testing::hex;

struct Case {
    std::string source, expected;
};

TEST(ToChinesePunctuation, WidensPunctuationAndKeepsDigitsAndLettersHalfWidth) {
    const Case cases[] = {
        {"3.14",
         "3\xA1\xA3"
         "14"},
        {"Hello, world!", "Hello\xA3\xAC\xA1\xA1world\xA3\xA1"},
        {"\"OK\"", "\xA3\xA2OK\xA3\xA2"},
        {"it's", "it\xA3\xA7s"},
        {"~", "\xA1\xAB"},
        {"$5",
         "\xA3\xA4"
         "5"},
        {"C:\\dir\\a_b",
         "C\xA3\xBA\xA3\xDC"
         "dir\xA3\xDC"
         "a\xA3\xDF"
         "b"},
        {"\xA3\xC1\xA3\xC2\xA3\xB1\xA3\xB2", "AB12"},  // ＡＢ１２
        {"\xA3\xB1\xA3\xB2\xA3\xAE\xA3\xB5",
         "12\xA3\xAE"
         "5"},  // １２．５: ． stays
        {"\xA3\xFA\xA3\xE1\xA3\xDA\xA3\xB9\xA3\xC0", "zaZ9\xA3\xC0"},
        {"\xA1\xA3\xB0\xA1", "\xA1\xA3\xB0\xA1"},  // 。 and 啊 unchanged
        {"a\r\n\tb\x7F\x01", "a\r\n\tb\x7F\x01"},
        {"\x81.", "\x81."},            // 81 2E holds no "."
        {"\xB1\xA3\xB0", "\xB1\xA3"},  // A3 B0 across characters is no digit; lone B0 dropped
        {"{|}", "\xA3\xFB\xA3\xFC\xA3\xFD"},
        {"\x94\x39\xFC\x36.", "\x94\x39\xFC\x36\xA1\xA3"},  // 😀 in GB18030 stays
        {"a.\xA3", "a\xA1\xA3"},
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("source: " + hex(c.source));
        EXPECT_EQ(hex(to_chinese_punctuation(c.source)), hex(c.expected));
    }
}

TEST(ToEnglishPunctuation, NarrowsFullWidthFormsAndTheIdeographicFullStop) {
    const Case cases[] = {
        {"\xC4\xE3\xBA\xC3\xA3\xAC\xCA\xC0\xBD\xE7\xA3\xA1", "\xC4\xE3\xBA\xC3,\xCA\xC0\xBD\xE7!"},
        {"3\xA1\xA3"
         "14",
         "3.14"},
        {"Hello\xA3\xAC\xA1\xA1world\xA3\xA1", "Hello, world!"},
        {"\xA1\xB0\xD2\xFD\xBA\xC5\xA1\xB1", "\xA1\xB0\xD2\xFD\xBA\xC5\xA1\xB1"},  // “引号”
        {"\xA1\xEF\xA1\xEE", "**"},
        {"\xA3\xC1\xA3\xC2\xA3\xB1\xA3\xB2", "AB12"},
        {"\xA1\xA2\xA1\xB6\xA1\xB7\xA1\xBE\xA1\xBF\xA1\xAD\xA1\xAA\xA1\xA4",
         "\xA1\xA2\xA1\xB6\xA1\xB7\xA1\xBE\xA1\xBF\xA1\xAD\xA1\xAA\xA1\xA4"},
        {"\xA3\xA4\xA3\xFE\xA1\xAB\xA3\xAE", "$~~."},
        {"a\r\n\t\x81.", "a\r\n\t\x81."},
        {"\xA3\xA1\xA1", "!"},
        {"\x94\x39\xFC\x36\xA1\xA3", "\x94\x39\xFC\x36."},  // 😀 in GB18030 stays
        {"", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("source: " + hex(c.source));
        EXPECT_EQ(hex(to_english_punctuation(c.source)), hex(c.expected));
    }
}

TEST(PunctuationRoundTrip, EnglishFormOfChineseFormGivesPrintableAsciiBack) {
    std::string printable;
    for (int c = 0x20; c <= 0x7E; ++c) printable += static_cast<char>(c);
    for (const std::string& text :
         {printable, std::string("Mr. Smith paid $3.50 for 2 items (ok?) ~yes~")}) {
        SCOPED_TRACE(hex(text));
        EXPECT_EQ(hex(to_english_punctuation(to_chinese_punctuation(text))), hex(text));
    }
}

TEST(PunctuationRoundTrip, ChineseFormOfEnglishFormMayDiffer) {
    // ． becomes "." and then "。"; ★ becomes "*" and then ＊.
    EXPECT_EQ(hex(to_chinese_punctuation(to_english_punctuation("\xA3\xAE"))), "A1 A3");
    EXPECT_EQ(hex(to_chinese_punctuation(to_english_punctuation("\xA1\xEF"))), "A3 AA");
}

}  // namespace
}  // namespace zurvane
