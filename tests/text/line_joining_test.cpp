// The line joiner: lines split at CR LF, trimmed, optionally stripped of spaces, empty ones
// dropped.
#include "text/line_joining.h"

#include <gtest/gtest.h>

#include <string>

#include "support/hex.h"

namespace zurvane {
namespace {

using testing::hex;

// GBK bytes of the Chinese words in the cases.
const std::string kDiYiHang = "\xB5\xDA\xD2\xBB\xD0\xD0";              // 第一行
const std::string kDiErHang = "\xB5\xDA\xB6\xFE\xD0\xD0";              // 第二行
const std::string kZheShiYiDuan = "\xD5\xE2\xCA\xC7\xD2\xBB\xB6\xCE";  // 这是一段
const std::string kWenZi = "\xCE\xC4\xD7\xD6";                         // 文字
const std::string kJiXu = "\xBC\xCC\xD0\xF8";                          // 继续
const std::string kIdeoSpace = "\xA1\xA1";

struct Case {
    std::string name;
    std::string source;
    std::string removing_spaces;  // result with remove_spaces true
    std::string keeping_spaces;   // result with remove_spaces false
};

TEST(JoinLines, JoinsTrimmedLinesWithNothingBetweenThem) {
    const Case cases[] = {
        {"two Chinese lines", kDiYiHang + "\r\n" + kDiErHang, kDiYiHang + kDiErHang,
         kDiYiHang + kDiErHang},
        {"ASCII spaces", "  Hello world \r\n again", "Helloworldagain", "Hello worldagain"},
        {"ideographic spaces",
         kIdeoSpace + kIdeoSpace + kZheShiYiDuan + kIdeoSpace + kWenZi + "\r\n" + kJiXu,
         kZheShiYiDuan + kWenZi + kJiXu, kZheShiYiDuan + kIdeoSpace + kWenZi + kJiXu},
        {"empty and blank lines", "a\r\n\r\n  \r\nb\r\n", "ab", "ab"},
        {"LF alone is no line end", "a\nb", "a\nb", "a\nb"},
        {"CR alone is no line end", "a\rb", "a\rb", "a\rb"},
        {"tabs survive trimming", "\ta\r\nb\t", "\tab\t", "\tab\t"},
        {"empty source", "", "", ""},
        {"only spaces", " \r\n" + kIdeoSpace + "\r\n", "", ""},
        {"words glued across lines", "hello\r\nworld", "helloworld", "helloworld"},
        {"a single line is trimmed",
         " \xA1\xA1"
         "a b \xA1\xA1",
         "ab", "a b"},
        {"line end at the start", "\r\n\r\na", "a", "a"},
        {"LF-only lines keep their LF, spaces next to it go when removing", " a \n b ", "a\nb",
         "a \n b"},
        {"啊“ holds no space", "\xB0\xA1\xA1\xB0 x", "\xB0\xA1\xA1\xB0x", "\xB0\xA1\xA1\xB0 x"},
        {"a CR that is a second byte ends no line", "a \x81\r\nb ", "a\x81\r\nb", "a \x81\r\nb"},
        {"CR CR LF", "a \r\r\n b", "a\rb", "a \rb"},
        {"lone lead byte at the end: dropped, spaces before it stay", "x  \r\nab \xA1\xA1\x81",
         "xab", "xab \xA1\xA1"},
        {"line of spaces before a lone lead byte", "a\r\n  \x81", "a", "a"},
        // 😀 in GB18030 is 94 39 FC 36: two two-byte characters here, and none of them a space.
        {"four-byte GB18030 character", " \x94\x39\xFC\x36 \r\n\x94\x39\xFC\x36",
         "\x94\x39\xFC\x36\x94\x39\xFC\x36", "\x94\x39\xFC\x36\x94\x39\xFC\x36"},
        {"second byte 20 is no space", "\x81  \x81\x20 ", "\x81 \x81 ", "\x81  \x81 "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name + ": " + hex(c.source));
        EXPECT_EQ(hex(join_lines(c.source, true)), hex(c.removing_spaces));
        EXPECT_EQ(hex(join_lines(c.source, false)), hex(c.keeping_spaces));
    }
}

}  // namespace
}  // namespace zurvane
