// Keys in the tool's message loop: what the window takes (Tab, Esc, arrows on radio buttons)
// and the key-pressed event with its folded key codes and modifier state.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "backend_fixture.h"
#include "ui/main_window.h"
#include "ui/window/ui_text.h"

namespace zurvane::win32::testing {
namespace {

// Holds modifier keys down in the thread's keyboard state, as GetKeyState reports it.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        std::copy(std::begin(saved_), std::end(saved_), state);
        for (int key : keys) state[key] |= 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

class MainWindowKeys : public BackendTest {
protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped()) return;
        id_ = platform().open_window(main_window_definition(platform(), {}), WindowMode::modeless);
        ASSERT_NE(id_, 0u);
        pump(platform(), 50);
        SetFocus(control(id_, "编辑框1"));
    }

    std::string focused() {
        HWND focus = GetFocus();
        for (const char* name : kNames)
            if (control(id_, name) == focus) return name;
        return "(other)";
    }

    static constexpr const char* kNames[] = {
        "编辑框1", "按钮2", "编辑框2", "按钮1", "按钮4", "按钮3", "单选框1", "标签1",
        "单选框2", "按钮7", "标签2",   "按钮8", "按钮9", "按钮6", "标签3",   "按钮5"};
    WindowId id_ = 0;
};

TEST_F(MainWindowKeys, TabGoesRoundTheVisibleTabStopsInCreationOrder) {
    const std::vector<std::string> order = {"按钮2",   "编辑框2", "按钮4", "按钮3",
                                            "单选框1", "单选框2", "按钮7", "按钮8",
                                            "按钮9",   "按钮6",   "按钮5", "编辑框1"};
    for (const std::string& expected : order) {
        press(platform(), VK_TAB);
        EXPECT_EQ(focused(), expected);
    }
    // Passing over the radio buttons changed no setting.
    EXPECT_TRUE(window(id_).is_checked("单选框2"));
    EXPECT_FALSE(window(id_).is_checked("单选框1"));
    // Tab left no tab character behind in the edit box.
    EXPECT_EQ(window(id_).text("编辑框1"), ui_text("这里输入将要转换的文本"));
}

TEST_F(MainWindowKeys, ShiftTabGoesBackwardsAndRound) {
    HeldKeys shift{VK_SHIFT};
    press(platform(), VK_TAB);
    EXPECT_EQ(focused(), "按钮5");
    press(platform(), VK_TAB);
    EXPECT_EQ(focused(), "按钮6");
}

TEST_F(MainWindowKeys, EnterInAnEditBoxMakesALineBreak) {
    window(id_).set_text("编辑框1", "");
    press(platform(), VK_RETURN);
    EXPECT_EQ(window(id_).text("编辑框1"), "\r\n");
    EXPECT_EQ(focused(), "编辑框1");
}

TEST_F(MainWindowKeys, ArrowsMoveBetweenTheRadioButtonsAndCheckThem) {
    for (int i = 0; i < 6; ++i) press(platform(), VK_TAB);
    ASSERT_EQ(focused(), "单选框2");
    press(platform(), VK_LEFT);
    EXPECT_EQ(focused(), "单选框1");
    EXPECT_TRUE(window(id_).is_checked("单选框1"));
    EXPECT_FALSE(window(id_).is_checked("单选框2"));
    press(platform(), VK_LEFT);  // round to the last one
    EXPECT_EQ(focused(), "单选框2");
    EXPECT_TRUE(window(id_).is_checked("单选框2"));
}

TEST_F(MainWindowKeys, EscClosesTheWindowFromAnEditBox) {
    HWND hwnd = window(id_).handle();
    press(platform(), VK_ESCAPE);
    EXPECT_FALSE(platform().window_exists(id_));
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(platform().open_window_count(), 0u);
}

// A window with one single-line edit box whose key-pressed handler records what it gets.
class KeyPressedEvent : public BackendTest {
protected:
    void SetUp() override {
        BackendTest::SetUp();
        if (IsSkipped()) return;
        WindowDefinition definition;
        definition.properties = {"keys", 300, 120};
        definition.properties.esc_closes = true;
        ControlSpec edit{"编辑框1", ControlKind::edit_box, "", 10, 10, 200, 20};
        edit.tab_stop = true;
        definition.controls = {edit};
        definition.bindings = {
            {"", Event::created, ActionHandler([](Window& w) { w.focus("编辑框1"); })},
            {"编辑框1", Event::key_pressed, KeyHandler([this](Window&, int key, int modifiers) {
                 keys_.emplace_back(key, modifiers);
                 return key != 'A';  // swallows A only
             })},
        };
        id_ = platform().open_window(definition, WindowMode::modeless);
        ASSERT_NE(id_, 0u);
        pump(platform(), 50);
        ASSERT_EQ(GetFocus(), control(id_, "编辑框1"));
    }

    std::vector<std::pair<int, int>> keys_;
    WindowId id_ = 0;
};

TEST_F(KeyPressedEvent, KeypadKeysAreFoldedOntoTheMainKeyboard) {
    const std::pair<UINT, int> cases[] = {
        {VK_NUMPAD0, '0'}, {VK_NUMPAD5, '5'},   {VK_NUMPAD9, '9'},  {VK_SUBTRACT, 189},
        {VK_DECIMAL, 190}, {VK_DIVIDE, 191},    {VK_MULTIPLY, 106}, {VK_ADD, 107},
        {VK_F1, 112},      {VK_OEM_MINUS, 189}, {'Q', 'Q'},         {VK_DELETE, 46},
    };
    for (const auto& [virtual_key, expected] : cases) {
        SCOPED_TRACE(virtual_key);
        keys_.clear();
        press(platform(), virtual_key);
        ASSERT_EQ(keys_.size(), 1u);
        EXPECT_EQ(keys_[0].first, expected);
        EXPECT_EQ(keys_[0].second, 0);
    }
}

TEST_F(KeyPressedEvent, ModifiersAreCtrlShiftAltAndAModifierAloneDoesNotCountItself) {
    {
        HeldKeys held{VK_CONTROL, VK_SHIFT};
        press(platform(), 'B');
        press(platform(), VK_CONTROL);
    }
    {
        HeldKeys held{VK_MENU};
        press(platform(), VK_MENU);
    }
    const std::vector<std::pair<int, int>> expected = {{'B', 3}, {17, 2}, {18, 0}};
    EXPECT_EQ(keys_, expected);
}

TEST_F(KeyPressedEvent, ASwallowedKeyMakesNoCharacterAndOthersReachTheBox) {
    press(platform(), 'A');
    EXPECT_EQ(window(id_).text("编辑框1"), "");
    press(platform(), 'B');
    EXPECT_EQ(window(id_).text("编辑框1"), "b");
}

TEST_F(KeyPressedEvent, TheWindowTakesTabAndEscBeforeTheEvent) {
    press(platform(), VK_TAB);
    EXPECT_TRUE(keys_.empty());
    EXPECT_EQ(GetFocus(), control(id_, "编辑框1"));  // the only tab stop: round to itself
    {
        HeldKeys shift{VK_SHIFT};
        press(platform(), VK_ESCAPE);  // not bare: the control gets it
    }
    ASSERT_EQ(keys_.size(), 1u);
    EXPECT_EQ(keys_[0], std::make_pair(27, 2));
    press(platform(), VK_ESCAPE);
    EXPECT_EQ(keys_.size(), 1u);
    EXPECT_FALSE(platform().window_exists(id_));
}

}  // namespace
}  // namespace zurvane::win32::testing
