// The hotkey as a user meets it: the main window with its start-up registration, presses of
// the global key, and the hotkey window opened through "更改快捷键".
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "hotkey/hotkeys.h"
#include "support/fake_platform.h"
#include "support/hex.h"
#include "ui/main_window.h"
#include "ui/window/ui_text.h"

namespace zurvane {
namespace {

using testing::FakePlatform;
using testing::FakeWindow;
using testing::hex;

constexpr int shift = 2, ctrl_shift = 3;

class HotkeyTest : public ::testing::Test {
protected:
    WindowId start() {
        MainWindowLinks links{[this](WindowId w) { hotkeys.register_at_startup(w); },
                              [this] { hotkeys.open_hotkey_window(); },
                              {}};
        main = platform.open_window(main_window_definition(platform, links), WindowMode::modeless);
        return main;
    }
    FakeWindow& main_window() { return platform.window(main); }

    // Clicks "更改快捷键"; user acts in the hotkey window while it is open.
    void in_hotkey_window(std::function<void(FakeWindow&)> user) {
        platform.during_modal = [user](FakeWindow& window) {
            ASSERT_EQ(window.focused(), "编辑框1");
            user(window);
        };
        main_window().click("按钮5");
        platform.during_modal = nullptr;
    }
    Text current_name_shown() {
        Text shown;
        in_hotkey_window([&](FakeWindow& w) { shown = w.text("标签3"); });
        return shown;
    }

    // The grabs in force, as "id:key" with anything unusual spelled out.
    std::string grabs() const {
        std::string out;
        for (const auto& g : platform.grabs) {
            if (!out.empty()) out += ' ';
            out += std::to_string(g.id) + ":" + std::to_string(g.key_code);
            if (g.window != main) out += "(window " + std::to_string(g.window) + ")";
            if (g.modifiers != 0) out += "(modifiers " + std::to_string(g.modifiers) + ")";
        }
        return out;
    }
    // Runs a press of the global key; true if a one-click ran.
    bool one_click_by(int key) {
        platform.clipboard = Text("x\r\n y \r\n");
        platform.press_hotkey(key);
        return platform.clipboard == Text("xy");
    }

    FakePlatform platform;
    Hotkeys hotkeys{platform};
    WindowId main = 0;
};

TEST_F(HotkeyTest, StartUpRegistersF1ForTheMainWindowAsTheFirstId) {
    start();
    EXPECT_EQ(grabs(), "33001:112");
    EXPECT_EQ(hotkeys.state().current_hotkey_key, 112);
    EXPECT_EQ(hotkeys.state().hotkey_registration_id, 33001);
    EXPECT_EQ(hotkeys.state().main_window_handle, main);
    EXPECT_EQ(hotkeys.state().pending_hotkey_key, 0);
}

TEST_F(HotkeyTest, F1RunsOneClickOnTheMainWindow) {
    start();
    platform.clipboard = Text("a\r\nb c\r\n\r\n");
    EXPECT_TRUE(platform.press_hotkey(112));
    EXPECT_EQ(hex(main_window().text("编辑框1")), hex("a\r\nb c\r\n\r\n"));
    EXPECT_EQ(hex(main_window().text("编辑框2")), hex("abc"));
    EXPECT_EQ(hex(platform.clipboard.value_or("(none)")), hex("abc"));
}

TEST_F(HotkeyTest, F1HeldElsewhereAtStartIsRefusedSilentlyAndStillNamed) {
    platform.keys_held_elsewhere = {112};
    start();
    EXPECT_EQ(grabs(), "");
    EXPECT_EQ(hotkeys.state().hotkey_registration_id, 0);
    EXPECT_EQ(hotkeys.state().current_hotkey_key, 112);
    EXPECT_TRUE(platform.message_boxes.empty());
    EXPECT_EQ(hex(current_name_shown()), hex(ui_text("F1键")));
}

TEST_F(HotkeyTest, PressWhileOneClickWaitsInItsMessageBoxIsIgnored) {
    start();
    platform.clipboard.reset();  // a picture, say
    int presses = 0;
    platform.during_message_box = [&] {
        if (presses++ < 3) platform.press_hotkey(112);  // auto-repeat of a held key
    };
    platform.press_hotkey(112);
    EXPECT_EQ(platform.message_boxes.size(), 1u);
    EXPECT_EQ(presses, 1);
    // Once the box is gone, the key works again.
    platform.during_message_box = nullptr;
    EXPECT_TRUE(one_click_by(112));
}

TEST_F(HotkeyTest, KeyInForceStillRunsOneClickWhileTheHotkeyWindowIsOpen) {
    start();
    in_hotkey_window([&](FakeWindow& w) {
        EXPECT_TRUE(one_click_by(112));
        EXPECT_EQ(hex(w.text("编辑框1")), "");  // the press never reached the box
    });
}

struct Press {
    int code, modifiers;
};
struct CaptureCase {
    const char* what;
    std::vector<Press> presses;  // as the backend delivers them: keypad already folded
    const char* shown;           // UTF-8
    int saved;
};

class HotkeyCaptureTest : public HotkeyTest, public ::testing::WithParamInterface<CaptureCase> {};

TEST_P(HotkeyCaptureTest, ShowsTheNameAndSavesTheBareKey) {
    const CaptureCase& c = GetParam();
    start();
    in_hotkey_window([&](FakeWindow& w) {
        for (Press p : c.presses)
            EXPECT_TRUE(w.press_key(p.code, p.modifiers)) << "the key must not be swallowed";
        EXPECT_EQ(hex(w.text("编辑框1")), hex(ui_text(c.shown)));
        EXPECT_EQ(grabs(), "") << "a key press releases the hotkey in force";
        w.click("按钮1");
        EXPECT_TRUE(w.close_requested());
    });
    EXPECT_EQ(grabs(), "33002:" + std::to_string(c.saved));
    EXPECT_EQ(hotkeys.state().current_hotkey_key, c.saved);
    EXPECT_EQ(hotkeys.state().hotkey_registration_id, 33002);
    EXPECT_EQ(hex(current_name_shown()), hex(ui_text(c.shown)));
    EXPECT_TRUE(one_click_by(c.saved));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, HotkeyCaptureTest,
    ::testing::Values(CaptureCase{"CtrlShiftA", {{65, ctrl_shift}}, "A键", 65},
                      CaptureCase{"Keypad5", {{53, 0}}, "5键", 53},
                      CaptureCase{"KeypadMinus", {{189, 0}}, "减号键", 189},
                      CaptureCase{"ShiftEsc", {{27, shift}}, "Esc键", 27},
                      CaptureCase{"AltAlone", {{18, 0}}, "Alt键", 18},
                      CaptureCase{"F10", {{121, 0}}, "F10键", 121},
                      CaptureCase{"Enter", {{13, 0}}, "回车键", 13},
                      CaptureCase{"AThenTheOldF1", {{65, 0}, {112, 0}}, "F1键", 112},
                      CaptureCase{"RightWinHasNoName", {{65, 0}, {92, 0}}, "", 92},
                      CaptureCase{"Keypad5NumLockOff", {{12, 0}}, "", 12}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(HotkeyTest, BareEscClosesWithoutChangingAnything) {
    start();
    in_hotkey_window([](FakeWindow& w) {
        EXPECT_FALSE(w.press_key(27, 0));
        EXPECT_TRUE(w.close_requested());
        EXPECT_EQ(hex(w.text("编辑框1")), "");
    });
    EXPECT_EQ(grabs(), "33001:112");
    EXPECT_EQ(hotkeys.state().hotkey_registration_id, 33001);
}

// Closing without "保存" once a key had released the hotkey registers the named key again,
// so the key the window names as current is the key in force.
TEST_F(HotkeyTest, ClosingWithoutSaveAfterAKeyPressKeepsTheCurrentKeyInForce) {
    for (bool by_esc : {false, true}) {
        SCOPED_TRACE(by_esc ? "closed by Esc" : "closed by the close box");
        FakePlatform fresh;
        Hotkeys local(fresh);
        MainWindowLinks links{[&](WindowId w) { local.register_at_startup(w); },
                              [&] { local.open_hotkey_window(); },
                              {}};
        WindowId m = fresh.open_window(main_window_definition(fresh, links), WindowMode::modeless);
        fresh.during_modal = [&](FakeWindow& w) {
            w.press_key(65, 0);
            if (by_esc)
                w.press_key(27, 0);
            else
                w.user_close();
        };
        fresh.window(m).click("按钮5");
        ASSERT_EQ(fresh.grabs.size(), 1u);
        EXPECT_EQ(fresh.grabs[0].key_code, 112);
        EXPECT_EQ(fresh.grabs[0].id, 33002);
        EXPECT_EQ(local.state().hotkey_registration_id, 33002);
        EXPECT_EQ(local.state().current_hotkey_key, 112);
        EXPECT_EQ(local.state().pending_hotkey_key, 65);
        fresh.clipboard = Text("p\r\nq");
        fresh.press_hotkey(112);
        EXPECT_EQ(hex(fresh.clipboard.value_or("")), hex("pq"));
    }
}

// "保存" without a key pressed in this opening changes nothing: the registration in force was
// never released, and no second key is registered beside it.
TEST_F(HotkeyTest, SaveWithoutAKeyPressChangesNothing) {
    start();
    in_hotkey_window([](FakeWindow& w) {
        w.click("按钮1");
        EXPECT_TRUE(w.close_requested());
    });
    EXPECT_EQ(grabs(), "33001:112");
    EXPECT_EQ(hotkeys.state().current_hotkey_key, 112);
    EXPECT_EQ(hotkeys.state().hotkey_registration_id, 33001);
}

TEST_F(HotkeyTest, SaveWithoutAKeyPressIgnoresAKeyLeftFromAnEarlierOpening) {
    start();
    in_hotkey_window([](FakeWindow& w) {
        w.press_key(65, 0);
        w.user_close();
    });
    in_hotkey_window([](FakeWindow& w) { w.click("按钮1"); });
    EXPECT_EQ(grabs(), "33002:112");
    EXPECT_EQ(hotkeys.state().current_hotkey_key, 112);
    EXPECT_EQ(hotkeys.state().pending_hotkey_key, 65);
    EXPECT_EQ(hex(current_name_shown()), hex(ui_text("F1键")));
}

TEST_F(HotkeyTest, RefusedSaveGivesIdZeroSilentlyAndNamesTheChosenKey) {
    start();
    platform.keys_held_elsewhere = {65};
    in_hotkey_window([](FakeWindow& w) {
        w.press_key(65, 0);
        w.click("按钮1");
    });
    EXPECT_EQ(grabs(), "");
    EXPECT_EQ(hotkeys.state().hotkey_registration_id, 0);
    EXPECT_EQ(hotkeys.state().current_hotkey_key, 65);
    EXPECT_TRUE(platform.message_boxes.empty());
    EXPECT_EQ(hex(current_name_shown()), hex(ui_text("A键")));
    // The next attempt still takes the next id.
    in_hotkey_window([](FakeWindow& w) {
        w.press_key(66, 0);
        w.click("按钮1");
    });
    EXPECT_EQ(grabs(), "33003:66");
}

}  // namespace
}  // namespace zurvane
