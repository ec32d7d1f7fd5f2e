#include "platform/encoding/line_ends.h"

#include <gtest/gtest.h>

#include "support/hex.h"

namespace zurvane {
namespace {

using testing::hex;

struct LineEnds {
    std::string_view lf_form;    // as the platform writes it
    std::string_view crlf_form;  // as Text holds it
};

// Pairs that map onto each other both ways.
const LineEnds kBothWays[] = {
    {"", ""},
    {"abc", "abc"},
    {"\n", "\r\n"},
    {"a\nb\n", "a\r\nb\r\n"},
    {"\n\nx\n\n", "\r\n\r\nx\r\n\r\n"},
    {"a\rb\r", "a\rb\r"},
};

TEST(LineEnds, MapBothWays) {
    for (const LineEnds& c : kBothWays) {
        EXPECT_EQ(hex(crlf_from_lf(c.lf_form)), hex(c.crlf_form)) << "from " << hex(c.lf_form);
        EXPECT_EQ(hex(lf_from_crlf(c.crlf_form)), hex(c.lf_form)) << "from " << hex(c.crlf_form);
    }
}

TEST(LineEnds, CrLfIsKeptOnTheWayInAndLoneLfOnTheWayOut) {
    EXPECT_EQ(hex(crlf_from_lf("a\r\nb\r\n\n")), hex("a\r\nb\r\n\r\n"));
    EXPECT_EQ(hex(crlf_from_lf("\r\r\n\r")), hex("\r\r\n\r"));
    EXPECT_EQ(hex(lf_from_crlf("a\nb\r\n")), hex("a\nb\n"));
    EXPECT_EQ(hex(lf_from_crlf("\r\r\n\r\r")), hex("\r\n\r\r"));
}

}  // namespace
}  // namespace zurvane
