// Text <-> UTF-16 on Windows and the UTF-8 bridge built on it: GBK characters keep their bytes,
// line ends pass as they are, and long texts convert whole.
#include "platform/win32/win32_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "platform/encoding/encoding.h"
#include "support/hex.h"

namespace zurvane::win32 {
namespace {

using zurvane::testing::hex;

std::string hex_of(std::wstring_view wide) {
    std::string out;
    char unit[8];
    for (wchar_t c : wide) {
        std::snprintf(unit, sizeof unit, "%s%04X", out.empty() ? "" : " ",
                      static_cast<unsigned>(c));
        out += unit;
    }
    return out;
}

struct Character {
    const char* name;
    std::string_view text;
    std::wstring_view wide;
};

const Character kCharacters[] = {
    {"ASCII", "Az09 ~\t", L"Az09 ~\t"},
    {"Chinese", "\xD6\xD0\xCE\xC4", L"\u4E2D\u6587"},
    {"ideographic space", "\xA1\xA1", L"\u3000"},
    {"full-width comma and full stop", "\xA3\xAC\xA1\xA3", L"\uFF0C\u3002"},
    {"em dashes of the caption", "\xA1\xAA\xA1\xAA", L"\u2014\u2014"},
    {"curly quotes", "\xA1\xB0\xA1\xB1", L"\u201C\u201D"},
    {"euro sign", "\xA2\xE3", L"\u20AC"},
    {"CR LF and lone LF and CR", "a\r\nb\nc\r", L"a\r\nb\nc\r"},
};

TEST(Win32Text, GbkCharactersKeepTheirBytesBothWays) {
    for (const Character& c : kCharacters) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(hex_of(wide_from_text(c.text)), hex_of(c.wide));
        EXPECT_EQ(hex(text_from_wide(c.wide)), hex(c.text));
    }
}

TEST(Win32Text, CharactersOutsideGbkNeedGb18030) {
    const std::wstring emoji = L"a\U0001F600b";
    const Text text = text_from_wide(emoji);
    if (text_code_page() == 54936) {
        EXPECT_EQ(hex(text), "61 94 39 FC 36 62");
        EXPECT_EQ(hex_of(wide_from_text(text)), hex_of(emoji));
    } else {
        // Code page 936 has no such character: it becomes one "?" and the rest stays.
        EXPECT_EQ(text_code_page(), 936u);
        EXPECT_EQ(hex(text), "61 3F 62");
    }
}

// Long texts convert in pieces; a character that straddles a piece's end must stay whole.
TEST(Win32Text, TextsLongerThanOnePieceConvertWhole) {
    Text text = "a";  // puts every two-byte character across the 16 MiB mark
    std::wstring wide = L"a";
    while (text.size() < (std::size_t{17} << 20)) {
        text += "\xD6\xD0x\r\n";
        wide += L"\u4E2Dx\r\n";
    }
    const std::wstring converted = wide_from_text(text);
    ASSERT_EQ(converted.size(), wide.size());
    ASSERT_TRUE(converted == wide);
    const Text back = text_from_wide(converted);
    ASSERT_EQ(back.size(), text.size());
    ASSERT_TRUE(back == text);
}

TEST(Win32Text, TheUtf8BridgeMapsLineEndsAndKeepsGbkCharacters) {
    EXPECT_EQ(hex(text_from_utf8("\xE4\xB8\xAD\n\xE6\x96\x87\r\n")), "D6 D0 0D 0A CE C4 0D 0A");
    EXPECT_EQ(hex(text_to_utf8("\xD6\xD0\r\n\xCE\xC4\r")), "E4 B8 AD 0A E6 96 87 0D");
    EXPECT_EQ(hex(text_from_utf8("Zurvane\xE2\x80\x94\xE2\x80\x94Kelvoth")),
              hex("Zurvane\xA1\xAA\xA1\xAAKelvoth"));
    EXPECT_EQ(text_from_utf8(""), "");
    EXPECT_EQ(text_to_utf8(""), "");
}

TEST(Win32Text, InvalidUtf8BecomesOneCharacterPerBadSequence) {
    const Text text = text_from_utf8("a\x80z\xE4\xB8");
    // U+FFFD under GB18030; "?" where code page 936 cannot hold it.
    const std::string replacement = text_code_page() == 54936 ? "84 31 A4 37" : "3F";
    EXPECT_EQ(hex(text), "61 " + replacement + " 7A " + replacement);
}

}  // namespace
}  // namespace zurvane::win32
