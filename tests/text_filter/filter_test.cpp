// zurvane-text as a real process: its commands, its two stream modes and its exit codes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filter_process.h"
#include "support/hex.h"

namespace zurvane {
namespace {

using testing::hex;
using testing::run_filter;

struct FilterCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string input;
    std::string output;
};

void expect_output(const FilterCase& c) {
    SCOPED_TRACE(c.name);
    const testing::ProcessResult result = run_filter(c.arguments, c.input);
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(hex(result.out), hex(c.output));
    EXPECT_EQ(result.err, "");
}

// UTF-8 with LF line ends in and out.
TEST(TextFilter, ConvertsUtf8) {
    const FilterCase cases[] = {
        {"join", {"join"}, "第一行 \n  第二行\n\nthird line\r\n", "第一行第二行thirdline"},
        {"join --keep-spaces",
         {"join", "--keep-spaces"},
         "  Hello world \n again\n　这是一段　文字\n",
         "Hello worldagain这是一段　文字"},
        {"join keeps characters that GBK lacks", {"join"}, "😀 한\n€ b\n", "😀한€b"},
        {"chinese",
         {"chinese"},
         "Hello, world! 3.14 ~$5\nit's\n",
         "Hello，　world！　3。14　～￥5\nit＇s\n"},
        {"english",
         {"english"},
         "你好，世界！\n“引号”★☆　３。１４\n",
         "你好,世界!\n“引号”** 3.14\n"},
        {"invalid UTF-8 becomes U+FFFD", {"english"}, "a\xFF b\n", "a\xEF\xBF\xBD b\n"},
        {"empty input", {"join"}, "", ""},
    };
    for (const FilterCase& c : cases) expect_output(c);
}

// GBK bytes in and out as they are, lines ending in CR LF.
TEST(TextFilter, RawPassesBytes) {
    const FilterCase cases[] = {
        {"no space inside B0 A1 A1 B0; the 20 of 81 20 is a second byte",
         {"join", "--raw"},
         "\xB0\xA1\xA1\xB0\r\n \x81\x20\r\n",
         "\xB0\xA1\xA1\xB0\x81\x20"},
        {"only CR LF ends a line", {"--raw", "join"}, "a \nb\r\n c", "a\nbc"},
        {"join --keep-spaces",
         {"join", "--raw", "--keep-spaces"},
         "\xA1\xA1"
         "a b \r\nc",
         "a bc"},
        {"chinese",
         {"chinese", "--raw"},
         "a.b \x81\x2E\r\n",
         "a\xA1\xA3"
         "b\xA1\xA1\x81\x2E\r\n"},
        {"english, with a byte 80 that GB18030 lacks",
         {"english", "--raw"},
         "\xA3\xAC\xA1\xA1\x80\x41",
         ", \x80\x41"},
    };
    for (const FilterCase& c : cases) expect_output(c);
}

TEST(TextFilter, ReadsLargeInputFromFilesAndPipes) {
    std::string input;
    std::string joined;
    for (int i = 0; input.size() < (std::size_t{5} << 20); ++i) {
        input += " \xD6\xD0\xCE\xC4 " + std::to_string(i) + "\r\n";
        joined += "\xD6\xD0\xCE\xC4" + std::to_string(i);
    }
    for (bool through_pipe : {false, true}) {
        SCOPED_TRACE(through_pipe ? "pipe" : "file");
        const testing::ProcessResult result =
            run_filter({"join", "--raw"}, testing::Streams{input, "", "", through_pipe});
        EXPECT_EQ(result.exit_code, 0) << result.err;
        EXPECT_TRUE(result.out == joined)
            << "output of " << result.out.size() << " bytes, " << joined.size() << " expected";
    }
}

// Standard input shared with other commands: the filter takes the file from where the one
// before it stopped, and leaves the position at the end as reading would.
TEST(TextFilter, StartsAtTheStreamPositionAndLeavesItAtTheEnd) {
    const std::string script =
        "dd bs=5000 count=1 of=/dev/null 2>/dev/null; \"$0\" join --raw; printf '|'; cat";
    const std::string input = std::string(5000, 'x') + " a \r\n b\r\nc";
    const testing::ProcessResult result = testing::run_process(
        "/bin/sh", {"-c", script, ZURVANE_TEXT_BINARY}, testing::Streams{input, "", "", false});
    EXPECT_EQ(result.exit_code, 0) << result.err;
    EXPECT_EQ(result.out, "abc|");
}

TEST(TextFilter, HelpGoesToStandardOutput) {
    for (const char* option : {"--help", "-h"}) {
        const testing::ProcessResult result = run_filter({option}, "");
        EXPECT_EQ(result.exit_code, 0) << option;
        EXPECT_NE(result.out.find("Usage: zurvane-text join"), std::string::npos) << option;
        EXPECT_EQ(result.err, "") << option;
    }
}

TEST(TextFilter, WrongArgumentsExitWithCode2) {
    const std::vector<std::string> wrong[] = {
        {},
        {"split"},
        {"join", "--bogus"},
        {"chinese", "--keep-spaces"},
        {"join", "english"},
        {"--raw"},
    };
    for (const std::vector<std::string>& arguments : wrong) {
        const testing::ProcessResult result = run_filter(arguments, "a\n");
        const std::string shown = arguments.empty() ? "(none)" : arguments[0];
        EXPECT_EQ(result.exit_code, 2) << shown;
        EXPECT_EQ(result.out, "") << shown;
        EXPECT_NE(result.err.find("--help"), std::string::npos) << shown << ": " << result.err;
    }
}

TEST(TextFilter, ReadAndWriteFailuresExitWithCode1) {
    const testing::ProcessResult unreadable =
        run_filter({"join"}, testing::Streams{"", "/", "", false});
    EXPECT_EQ(unreadable.exit_code, 1);
    EXPECT_NE(unreadable.err.find("cannot read"), std::string::npos) << unreadable.err;

    for (const char* mode : {"--raw", "--help"}) {
        const testing::ProcessResult unwritable =
            run_filter({"join", mode}, testing::Streams{"a\r\nb", "", "/dev/full", false});
        EXPECT_EQ(unwritable.exit_code, 1) << mode;
        EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos) << unwritable.err;
    }
}

}  // namespace
}  // namespace zurvane
