#include "main_window_fixture.h"
#include "support/hex.h"

namespace zurvane::testing {
namespace {

TEST_F(MainWindowTest, OpensCollapsedWithItsInitialTextsAndRegistersTheHotkeyAfterwards) {
    EXPECT_EQ(main().outer_height(), collapsed_height);
    EXPECT_EQ(main().definition().properties.outer_width, 539);
    EXPECT_EQ(hex(main().definition().properties.caption), hex("Zurvane\xA1\xAA\xA1\xAAKelvoth"));
    EXPECT_EQ(box("编辑框1"), ui_text("这里输入将要转换的文本"));
    EXPECT_EQ(box("编辑框2"), "");
    EXPECT_EQ(box("按钮7"), ui_text("设置"));
    EXPECT_TRUE(main().is_checked("单选框2"));
    EXPECT_FALSE(main().is_checked("单选框1"));

    ASSERT_EQ(events, std::vector<std::string>{"register_hotkey"});
    EXPECT_EQ(registered_for, id);
    EXPECT_EQ(height_at_registration, collapsed_height);
}

TEST_F(MainWindowTest, SettingsButtonTogglesHeightAndCaption) {
    main().click("按钮7");
    EXPECT_EQ(main().outer_height(), expanded_height);
    EXPECT_EQ(hex(box("按钮7")), hex(ui_text("收起")));
    main().click("按钮7");
    EXPECT_EQ(main().outer_height(), collapsed_height);
    EXPECT_EQ(hex(box("按钮7")), hex(ui_text("设置")));
}

TEST_F(MainWindowTest, ConvertJoinsLeftIntoRightRemovingSpacesUnlessNoIsChecked) {
    struct Case {
        const char* checked;  // nullptr: neither radio button
        const char* expected;
    };
    for (Case c : {Case{"单选框2", "Helloworldagain"}, Case{"单选框1", "Hello worldagain"},
                   Case{nullptr, "Helloworldagain"}}) {
        FakePlatform p;
        WindowDefinition definition = main_window_definition(p, {});
        for (auto& control : definition.controls)
            if (control.kind == ControlKind::radio_button) control.checked = false;
        FakeWindow& w = p.window(p.open_window(definition, WindowMode::modeless));
        if (c.checked) w.check(c.checked);
        w.type_text("编辑框1", "  Hello world \r\n again");
        w.click("按钮2");
        EXPECT_EQ(w.text("编辑框2"), c.expected) << (c.checked ? c.checked : "neither");
        EXPECT_EQ(w.text("编辑框1"), "  Hello world \r\n again");
    }
}

TEST_F(MainWindowTest, ConvertOfAnEmptyResultEmptiesTheRightBox) {
    main().type_text("编辑框2", "old");
    main().type_text("编辑框1", " \r\n\xA1\xA1\r\n");
    main().click("按钮2");
    EXPECT_EQ(box("编辑框2"), "");
}

TEST_F(MainWindowTest, ButtonsOpenTheOtherWindows) {
    main().click("按钮5");
    main().click("按钮6");
    EXPECT_EQ(events, (std::vector<std::string>{"register_hotkey", "open_hotkey_window",
                                                "open_about_window"}));
}

TEST_F(MainWindowTest, EscClosesTheWindowAlsoFromAnEditBoxWhileEnterStaysInTheBox) {
    main().focus("编辑框1");
    EXPECT_TRUE(main().press_key(13));  // a line break in the box
    EXPECT_FALSE(main().close_requested());
    main().press_key(27);
    EXPECT_TRUE(main().close_requested());
}

// Every caption and message must be plain code page 936: a four-byte GB18030 sequence would
// mean a character that the tool's texts cannot hold.
TEST_F(MainWindowTest, CaptionsAreTwoByteGbk) {
    for (const auto& control : main().definition().controls) {
        const Text& t = control.text;
        for (std::size_t i = 0; i < t.size(); ++i) {
            auto lead = static_cast<unsigned char>(t[i]);
            if (lead < 0x80) continue;
            ASSERT_LT(i + 1, t.size()) << control.name;
            auto second = static_cast<unsigned char>(t[i + 1]);
            EXPECT_FALSE(second >= 0x30 && second <= 0x39)
                << control.name << " holds a four-byte sequence: " << hex(t);
            ++i;
        }
    }
    EXPECT_EQ(hex(ui_text("转换")), hex("\xD7\xAA\xBB\xBB"));
}

}  // namespace
}  // namespace zurvane::testing
