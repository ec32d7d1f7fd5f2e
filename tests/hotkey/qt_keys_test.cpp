// The one table between X keysyms and virtual-key codes, both ways, and the modifier state.
#include "platform/qt/qt_keys.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace zurvane {
namespace {

struct KeysymCase {
    std::uint32_t keysym;
    int code;
};

class KeysymTest : public ::testing::TestWithParam<KeysymCase> {};

TEST_P(KeysymTest, GivesTheVirtualKeyCode) {
    EXPECT_EQ(virtual_key_from_keysym(GetParam().keysym), GetParam().code)
        << "keysym 0x" << std::hex << GetParam().keysym;
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeysymTest,
    ::testing::Values(
        // Letters in either case, digits and their shifted symbols, F-keys.
        KeysymCase{0x61, 65}, KeysymCase{0x41, 65}, KeysymCase{0x7a, 90}, KeysymCase{0x30, 48},
        KeysymCase{0x21, 49}, KeysymCase{0x29, 48}, KeysymCase{0xffbe, 112},
        KeysymCase{0xffc7, 121}, KeysymCase{0xffcd, 127}, KeysymCase{0xffd5, 135},
        // The keypad with Num Lock on, folded; multiply and plus kept.
        KeysymCase{0xffb0, 48}, KeysymCase{0xffb5, 53}, KeysymCase{0xffb9, 57},
        KeysymCase{0xffad, 189}, KeysymCase{0xffae, 190}, KeysymCase{0xffaf, 191},
        KeysymCase{0xffaa, 106}, KeysymCase{0xffab, 107}, KeysymCase{0xff8d, 13},
        // The keypad with Num Lock off: navigation codes, keypad 5 is 12.
        KeysymCase{0xff9d, 12}, KeysymCase{0xff95, 36}, KeysymCase{0xff9c, 35},
        KeysymCase{0xff9e, 45}, KeysymCase{0xff9f, 46}, KeysymCase{0xff9a, 33},
        // Modifiers, locks and the other named keys.
        KeysymCase{0xffe1, 16}, KeysymCase{0xffe2, 16}, KeysymCase{0xffe3, 17},
        KeysymCase{0xffe4, 17}, KeysymCase{0xffe9, 18}, KeysymCase{0xffe7, 18},
        KeysymCase{0xffeb, 91}, KeysymCase{0xffec, 92}, KeysymCase{0xff67, 93},
        KeysymCase{0xffe5, 20}, KeysymCase{0xff7f, 144}, KeysymCase{0xff14, 145},
        KeysymCase{0xff13, 19}, KeysymCase{0xff6b, 3}, KeysymCase{0xff1b, 27}, KeysymCase{0x20, 32},
        KeysymCase{0xff0d, 13}, KeysymCase{0xfe20, 9}, KeysymCase{0xff08, 8},
        KeysymCase{0xff51, 37}, KeysymCase{0xff54, 40}, KeysymCase{0xff55, 33},
        KeysymCase{0xff56, 34}, KeysymCase{0xffff, 46},
        // US-layout punctuation, unshifted and shifted.
        KeysymCase{0x3b, 186}, KeysymCase{0x3a, 186}, KeysymCase{0x3d, 187}, KeysymCase{0x2b, 187},
        KeysymCase{0x2c, 188}, KeysymCase{0x3c, 188}, KeysymCase{0x2d, 189}, KeysymCase{0x5f, 189},
        KeysymCase{0x2e, 190}, KeysymCase{0x3e, 190}, KeysymCase{0x2f, 191}, KeysymCase{0x3f, 191},
        KeysymCase{0x60, 192}, KeysymCase{0x7e, 192}, KeysymCase{0x5b, 219}, KeysymCase{0x7b, 219},
        KeysymCase{0x5c, 220}, KeysymCase{0x7c, 220}, KeysymCase{0x5d, 221}, KeysymCase{0x7d, 221},
        KeysymCase{0x27, 222}, KeysymCase{0x22, 222},
        // No code: a media key, no keysym.
        KeysymCase{0x1008ff12, 0}, KeysymCase{0, 0}));

using Keysyms = std::vector<std::uint32_t>;

bool contains(const Keysyms& keysyms, std::uint32_t keysym) {
    return std::find(keysyms.begin(), keysyms.end(), keysym) != keysyms.end();
}

TEST(KeysymsForVirtualKey, NameTheKeysThatARegistrationGrabs) {
    EXPECT_EQ(keysyms_for_virtual_key(112), Keysyms{0xffbe});
    EXPECT_EQ(keysyms_for_virtual_key(65), Keysyms{0x61});
    // A folded keypad code stands for the main-keyboard key only.
    EXPECT_EQ(keysyms_for_virtual_key(53), Keysyms{0x35});
    EXPECT_EQ(keysyms_for_virtual_key(189), Keysyms{0x2d});
    EXPECT_TRUE(contains(keysyms_for_virtual_key(12), 0xff9d));
    EXPECT_TRUE(contains(keysyms_for_virtual_key(13), 0xff0d));
    EXPECT_TRUE(contains(keysyms_for_virtual_key(13), 0xff8d));
    EXPECT_TRUE(contains(keysyms_for_virtual_key(16), 0xffe1));
    EXPECT_TRUE(contains(keysyms_for_virtual_key(16), 0xffe2));
    EXPECT_EQ(keysyms_for_virtual_key(92), Keysyms{0xffec});
    EXPECT_TRUE(keysyms_for_virtual_key(0).empty());
    EXPECT_TRUE(keysyms_for_virtual_key(255).empty());
    EXPECT_TRUE(keysyms_for_virtual_key(256 + 112).empty());
}

TEST(KeysymsForVirtualKey, EveryGrabbedKeysymGivesItsCodeBack) {
    for (int code = 0; code < 256; ++code)
        for (std::uint32_t keysym : keysyms_for_virtual_key(code))
            EXPECT_EQ(virtual_key_from_keysym(keysym), code) << "keysym 0x" << std::hex << keysym;
}

TEST(KeysymsForVirtualKey, EveryKeyOfTheKeyboardCanBeGrabbed) {
    std::vector<int> codes = {3,   8,   9,   12,  13,  16,  17,  18,  19,  20,  27,  32,  33,  34,
                              35,  36,  37,  38,  39,  40,  45,  46,  91,  92,  93,  106, 107, 144,
                              145, 186, 187, 188, 189, 190, 191, 192, 219, 220, 221, 222};
    for (int code = 'A'; code <= 'Z'; ++code) codes.push_back(code);
    for (int code = '0'; code <= '9'; ++code) codes.push_back(code);
    for (int code = 112; code <= 135; ++code) codes.push_back(code);  // F1-F24
    for (int code : codes) EXPECT_FALSE(keysyms_for_virtual_key(code).empty()) << "code " << code;
}

TEST(ModifierState, CountsCtrlShiftAltButNotTheKeyItselfNorTheLocks) {
    constexpr std::uint32_t shift = 1, lock = 2, control = 4, mod1 = 8, mod2 = 16;
    struct Case {
        std::uint32_t x_state;
        int code, expected;
    };
    for (Case c :
         {Case{0, 65, 0}, Case{control | shift, 65, 3}, Case{mod1, 65, 4},
          Case{control | shift | mod1, 112, 7}, Case{control, 17, 0}, Case{shift | control, 17, 2},
          Case{mod1, 18, 0}, Case{shift, 16, 0}, Case{control | mod1, 16, 5},
          Case{lock | mod2, 65, 0}, Case{shift | lock | mod2, 27, 2}})
        EXPECT_EQ(modifier_state_from_x(c.x_state, c.code), c.expected)
            << "state 0x" << std::hex << c.x_state << " code " << std::dec << c.code;
}

TEST(KeyEvent, UsesTheKeysymAndTheStateBeforeThePress) {
    // Keypad 5 with Num Lock on (Mod2), then Ctrl pressed while Shift is held.
    QKeyEvent keypad5(QEvent::KeyPress, Qt::Key_5, Qt::KeypadModifier, 84, 0xffb5, 0x10);
    EXPECT_EQ(virtual_key_code(keypad5), 53);
    EXPECT_EQ(modifier_state(keypad5), 0);
    QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::ShiftModifier | Qt::ControlModifier, 37,
                   0xffe3, 0x1);
    EXPECT_EQ(virtual_key_code(ctrl), 17);
    EXPECT_EQ(modifier_state(ctrl), 2);
}

}  // namespace
}  // namespace zurvane
