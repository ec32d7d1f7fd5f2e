#include "hotkey/key_names.h"

#include <gtest/gtest.h>

#include "support/hex.h"
#include "ui/window/ui_text.h"

namespace zurvane {
namespace {

using testing::bytes;
using testing::hex;

struct NameCase {
    int code;
    const char* utf8;
};

class KeyNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(KeyNameTest, NameIsExact) {
    EXPECT_EQ(hex(key_name(GetParam().code)), hex(ui_text(GetParam().utf8)))
        << "code " << GetParam().code;
}

// The odd ones ("Break" without 键, the lock keys' spacing), the ends of the generated runs
// and a few codes on either side of them that must stay unnamed.
INSTANTIATE_TEST_SUITE_P(
    Table, KeyNameTest,
    ::testing::Values(NameCase{3, "Break"}, NameCase{20, "Caps Lock键"}, NameCase{144, "NumLock键"},
                      NameCase{145, "ScrollLock键"}, NameCase{48, "0键"}, NameCase{57, "9键"},
                      NameCase{65, "A键"}, NameCase{90, "Z键"}, NameCase{112, "F1键"},
                      NameCase{127, "F16键"}, NameCase{13, "回车键"}, NameCase{189, "减号键"},
                      NameCase{222, "单引号键"}, NameCase{0, ""}, NameCase{12, ""},
                      NameCase{47, ""}, NameCase{58, ""}, NameCase{92, ""}, NameCase{93, ""},
                      NameCase{128, ""}, NameCase{96, ""}, NameCase{109, ""},
                      NameCase{256 + 65, ""}, NameCase{-65, ""}));

TEST(KeyName, IsGbk) {
    EXPECT_EQ(hex(key_name(112)), hex(bytes({0x46, 0x31, 0xBC, 0xFC})));
    EXPECT_EQ(hex(key_name(189)), hex(bytes({0xBC, 0xF5, 0xBA, 0xC5, 0xBC, 0xFC})));
}

TEST(KeyName, NamesExactly88Codes) {
    int named = 0;
    for (int code = -1024; code <= 70000; ++code)
        if (!key_name(code).empty()) ++named;
    EXPECT_EQ(named, 88);
}

}  // namespace
}  // namespace zurvane
