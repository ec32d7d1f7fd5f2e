#include "main_window_fixture.h"
#include "support/hex.h"
#include "text/punctuation.h"

namespace zurvane::testing {
namespace {

class ClipboardActionsTest : public MainWindowTest {
protected:
    void expect_no_text_box(std::size_t count = 1) {
        ASSERT_EQ(platform.message_boxes.size(), count);
        EXPECT_EQ(hex(platform.message_boxes.back().text), hex(ui_text("没有可用文本")));
        EXPECT_EQ(hex(platform.message_boxes.back().title), hex(ui_text("╮(╯▽╰)╭认真点嘛")));
    }
    const Text initial_source = ui_text("这里输入将要转换的文本");
};

TEST_F(ClipboardActionsTest, OneClickPastesJoinsAndCopiesInThatOrder) {
    platform.clipboard = "a\r\nb\r\n";
    main().click("按钮4");
    EXPECT_EQ(box("编辑框1"), "a\r\nb\r\n");
    EXPECT_EQ(box("编辑框2"), "ab");
    EXPECT_EQ(platform.clipboard, "ab");
    EXPECT_EQ(platform.log, (std::vector<std::string>{"has_text", "read", "write"}));
    EXPECT_TRUE(platform.message_boxes.empty());
}

TEST_F(ClipboardActionsTest, OneClickKeepsSpacesInsideLinesWhenNoIsChecked) {
    main().check("单选框1");
    platform.clipboard = "  Hello world \r\n again";
    main().click("按钮4");
    EXPECT_EQ(platform.clipboard, "Hello worldagain");
}

// Without text on the clipboard, one-click stops after the box: the user's picture stays on
// the clipboard instead of being replaced by the joined placeholder.
TEST_F(ClipboardActionsTest, OneClickWithoutClipboardTextShowsTheBoxAndChangesNothing) {
    main().type_text("编辑框2", "earlier result");
    main().click("按钮4");
    expect_no_text_box();
    EXPECT_EQ(box("编辑框1"), initial_source);
    EXPECT_EQ(box("编辑框2"), "earlier result");
    EXPECT_FALSE(platform.clipboard.has_value());
    EXPECT_EQ(platform.log, (std::vector<std::string>{"has_text", "message_box"}));
}

// A clipboard that offers text but cannot be read is not the empty text.
TEST_F(ClipboardActionsTest, UnreadableClipboardIsTreatedAsNoText) {
    platform.clipboard = "the user's text";
    platform.clipboard_unreadable = true;
    main().click("按钮4");
    expect_no_text_box();
    EXPECT_EQ(box("编辑框1"), initial_source);
    EXPECT_EQ(box("编辑框2"), "");
    EXPECT_EQ(platform.clipboard, "the user's text");

    main().click("按钮8");
    expect_no_text_box(2);
    EXPECT_EQ(box("编辑框1"), initial_source);
    EXPECT_EQ(platform.clipboard, "the user's text");
}

TEST_F(ClipboardActionsTest, PasteButtonFillsTheLeftBoxOnly) {
    platform.clipboard = "x\r\ny";
    main().click("按钮1");
    EXPECT_EQ(box("编辑框1"), "x\r\ny");
    EXPECT_EQ(box("编辑框2"), "");
    EXPECT_EQ(platform.clipboard, "x\r\ny");
}

TEST_F(ClipboardActionsTest, CopyingAnEmptyResultLeavesAnEmptyTextThatPasteThenTakes) {
    platform.clipboard = std::nullopt;
    main().click("按钮3");
    EXPECT_EQ(platform.clipboard, "");
    main().click("按钮1");
    EXPECT_TRUE(platform.message_boxes.empty());
    EXPECT_EQ(box("编辑框1"), "");
}

TEST_F(ClipboardActionsTest, ClipboardTextEndsAtItsFirstZeroByte) {
    platform.clipboard = Text("ab\0cd", 5);
    main().click("按钮1");
    EXPECT_EQ(hex(box("编辑框1")), hex("ab"));
}

TEST_F(ClipboardActionsTest, PunctuationButtonsConvertTheClipboardIntoBothBoxes) {
    struct Case {
        const char* button;
        Text source, expected;
    };
    for (const Case& c :
         {Case{"按钮8", "3.14, ok",
               "3\xA1\xA3"
               "14\xA3\xAC\xA1\xA1ok"},
          Case{"按钮9", "\xC4\xE3\xBA\xC3\xA3\xAC\xA1\xA3", "\xC4\xE3\xBA\xC3,."}}) {
        platform.clipboard = c.source;
        main().click(c.button);
        EXPECT_EQ(hex(box("编辑框1")), hex(c.source)) << c.button;
        EXPECT_EQ(hex(box("编辑框2")), hex(c.expected)) << c.button;
        EXPECT_EQ(hex(*platform.clipboard), hex(c.expected)) << c.button;
    }
    EXPECT_TRUE(platform.message_boxes.empty());
}

TEST_F(ClipboardActionsTest, ChineseThenEnglishWorksOnWhatTheFirstPutOnTheClipboard) {
    platform.clipboard = "a.b";
    main().click("按钮8");
    main().type_text("编辑框1", "typed by the user");
    main().click("按钮9");
    EXPECT_EQ(platform.clipboard, "a.b");
    EXPECT_EQ(hex(box("编辑框1")), hex("a\xA1\xA3"
                                       "b"));
}

TEST_F(ClipboardActionsTest, PunctuationOfAnEmptyClipboardTextEmptiesBothBoxes) {
    main().type_text("编辑框2", "old");
    platform.clipboard = "";
    main().click("按钮9");
    EXPECT_EQ(box("编辑框1"), "");
    EXPECT_EQ(box("编辑框2"), "");
    EXPECT_EQ(platform.clipboard, "");
    EXPECT_TRUE(platform.message_boxes.empty());
}

TEST_F(ClipboardActionsTest, PunctuationWithoutClipboardTextShowsTheBoxAndChangesNothing) {
    for (const char* button : {"按钮8", "按钮9"}) {
        main().click(button);
        EXPECT_EQ(box("编辑框1"), initial_source) << button;
        EXPECT_EQ(box("编辑框2"), "") << button;
        EXPECT_FALSE(platform.clipboard.has_value()) << button;
    }
    expect_no_text_box(2);
}

// The label "标签3" receives the global hotkey's presses. A press while a one-click still
// waits in its message box is dropped, so auto-repeat cannot stack boxes.
TEST_F(ClipboardActionsTest, HotkeyPressRunsOneClickButNotInsideARunningOne) {
    platform.clipboard = "p\r\nq";
    EXPECT_EQ(platform.send_feedback(id, "标签3", 33001, 0), 0);
    EXPECT_EQ(platform.clipboard, "pq");

    platform.clipboard = std::nullopt;
    int presses_during_box = 0;
    platform.during_message_box = [&] {
        ++presses_during_box;
        platform.send_feedback(id, "标签3", 33001, 0);
    };
    platform.send_feedback(id, "标签3", 33001, 0);
    EXPECT_EQ(presses_during_box, 1);
    expect_no_text_box(1);

    platform.during_message_box = nullptr;
    platform.clipboard = "r\r\ns";
    platform.send_feedback(id, "标签3", 33002, 0);
    EXPECT_EQ(platform.clipboard, "rs");
}

}  // namespace
}  // namespace zurvane::testing
