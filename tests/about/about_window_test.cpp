// The About window: its layout, one window at most, the marquee across openings, its keys.
#include "about/about_window.h"

#include <gtest/gtest.h>

#include <array>

#include "about/marquee.h"
#include "rgb.h"
#include "support/fake_platform.h"
#include "support/hex.h"
#include "ui/window/keyboard_rules.h"

namespace zurvane {
namespace {

using testing::FakePlatform;
using testing::FakeWindow;
using testing::hex;

class AboutWindowTest : public ::testing::Test {
protected:
    FakeWindow& last_window() {
        EXPECT_FALSE(platform_.opened.empty());
        return platform_.window(platform_.opened.back());
    }
    Rgb first_colour_of_tick(FakeWindow& window) {
        window.tick("时钟1");
        EXPECT_EQ(window.canvas_draws.size(), contact_text.size());
        return window.canvas_draws.empty() ? Rgb{-1, -1, -1} : rgb(window.canvas_draws[0].colour);
    }

    FakePlatform platform_;
    RandomGenerator random_;
    AboutWindow about_{platform_, random_};
};

TEST_F(AboutWindowTest, OpensModelessWithAnEmptyCanvas) {
    about_.open_about_window();
    ASSERT_EQ(platform_.opened.size(), 1u);
    FakeWindow& window = last_window();
    EXPECT_EQ(window.mode(), WindowMode::modeless);
    EXPECT_EQ(window.activations, 1);
    EXPECT_EQ(window.canvas_fills, 0);  // nothing is drawn before the first tick
    EXPECT_TRUE(window.canvas_draws.empty());
}

TEST_F(AboutWindowTest, ASecondClickActivatesTheOpenWindowAndLetsItsMarqueeGoOn) {
    about_.open_about_window();
    FakeWindow& window = last_window();
    window.tick("时钟1");
    about_.open_about_window();

    EXPECT_EQ(platform_.opened.size(), 1u);
    EXPECT_EQ(window.activations, 2);
    EXPECT_EQ(window.restores, 0);
    EXPECT_EQ(first_colour_of_tick(window), (Rgb{146, 54, 21}));  // the second tick's
}

TEST_F(AboutWindowTest, ASecondClickRestoresAMinimisedWindow) {
    about_.open_about_window();
    FakeWindow& window = last_window();
    window.minimised = true;
    about_.open_about_window();

    EXPECT_EQ(platform_.opened.size(), 1u);
    EXPECT_EQ(window.restores, 1);
    EXPECT_FALSE(window.minimised);
    EXPECT_EQ(window.activations, 1);  // restoring only
}

TEST_F(AboutWindowTest, AReopenedWindowStartsEmptyAndTheColoursContinue) {
    about_.open_about_window();
    FakeWindow& first = last_window();
    EXPECT_EQ(first_colour_of_tick(first), (Rgb{41, 5, 180}));
    first.user_close();
    platform_.destroy_closed_windows();

    about_.open_about_window();
    ASSERT_EQ(platform_.opened.size(), 2u);
    FakeWindow& second = last_window();
    EXPECT_EQ(second.canvas_fills, 0);
    EXPECT_TRUE(second.canvas_draws.empty());
    EXPECT_EQ(first_colour_of_tick(second), (Rgb{146, 54, 21}));
    EXPECT_EQ(second.canvas_draws.back().x, 11 * 11);  // a fresh writing position as well
}

TEST_F(AboutWindowTest, AClosedButNotYetDestroyedWindowCountsAsGone) {
    about_.open_about_window();
    last_window().user_close();
    about_.open_about_window();
    EXPECT_EQ(platform_.opened.size(), 2u);
}

TEST(AboutWindowOnTheProcessGenerator, DrawsOnTheOneGeneratorOfTheProcess) {
    FakePlatform platform;
    AboutWindow about(platform);
    about.open_about_window();
    RandomGenerator expected = random_state();  // wherever the process stands now

    platform.window(platform.opened.back()).tick("时钟1");
    const int r = expected.random_between(0, 180);
    const int g = expected.random_between(0, 180);
    const int b = expected.random_between(0, 180);
    const auto& draws = platform.window(platform.opened.back()).canvas_draws;
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(rgb(draws[0].colour), (Rgb{r, g, b}));
    for (int i = 3; i < 36; ++i) expected.next_random();
    EXPECT_EQ(random_state().state(), expected.state());  // 36 numbers per tick
}

TEST_F(AboutWindowTest, NoKeyClosesIt) {
    about_.open_about_window();
    FakeWindow& window = last_window();
    struct Key {
        int code, modifiers;
    };
    const Key keys[] = {{key_code::esc, 0},
                        {key_code::enter, 0},
                        {key_code::tab, 0},
                        {key_code::tab, modifier::shift},
                        {key_code::f1, 0}};
    for (const auto& key : keys) {
        window.press_key(key.code, key.modifiers);
        EXPECT_FALSE(window.close_requested()) << "key " << key.code << "+" << key.modifiers;
    }
    EXPECT_TRUE(platform_.window_exists(window.id()));
    EXPECT_EQ(window.canvas_fills, 0);
}

TEST(AboutWindowLayout, IsAFixedToolWindowWithCloseButtonOnly) {
    RandomGenerator random;
    const WindowProperties p = about_window_definition(random).properties;
    EXPECT_EQ(hex(p.caption), "B9 D8 D3 DA");  // 关于
    EXPECT_EQ(p.outer_width, 394);
    EXPECT_EQ(p.outer_height, 194);
    EXPECT_TRUE(p.tool_window);
    EXPECT_FALSE(p.minimise_button);
    EXPECT_FALSE(p.esc_closes);
    EXPECT_TRUE(p.enter_moves_focus);
}

TEST(AboutWindowLayout, HasItsControlsInCreationOrder) {
    RandomGenerator random;
    const WindowDefinition definition = about_window_definition(random);
    struct Row {
        const char* name;
        ControlKind kind;
        int left, top, width, height;
        bool shown;
    };
    const Row rows[] = {
        {"标签1", ControlKind::label, 8, 72, 376, 64, true},
        {"时钟1", ControlKind::timer, 24, 8, 24, 32, false},
        {"画板1", ControlKind::canvas, 120, 136, 200, 24, true},
        {"标签2", ControlKind::label, 104, 8, 256, 40, true},
        {"标签3", ControlKind::label, 48, 8, 56, 16, true},
    };
    ASSERT_EQ(definition.controls.size(), std::size(rows));
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const ControlSpec& c = definition.controls[i];
        const Row& row = rows[i];
        EXPECT_EQ(c.name, row.name) << "control " << i;
        EXPECT_EQ(c.kind, row.kind) << row.name;
        EXPECT_EQ((std::array{c.left, c.top, c.width, c.height}),
                  (std::array{row.left, row.top, row.width, row.height}))
            << row.name;
        EXPECT_EQ(c.shown, row.shown) << row.name;
        EXPECT_FALSE(c.tab_stop) << row.name;
    }
    EXPECT_EQ(definition.find_control("画板1")->font_height, 21);
    EXPECT_EQ(definition.find_control("时钟1")->interval_ms, 1000);
    EXPECT_EQ(definition.find_control("标签1")->label_text, LabelText::wrapped_centred);
    EXPECT_EQ(definition.find_control("标签2")->label_text, LabelText::wrapped);
    EXPECT_EQ(definition.find_control("标签3")->label_text, LabelText::single_line);
    // The timer's tick is the window's only event with a handler.
    ASSERT_EQ(definition.bindings.size(), 1u);
    EXPECT_EQ(definition.bindings[0].control, "时钟1");
    EXPECT_EQ(definition.bindings[0].event, Event::tick);
}

TEST(AboutWindowLayout, LabelTextsAreExactGbkWithCrLfLineBreaks) {
    RandomGenerator random;
    const WindowDefinition definition = about_window_definition(random);
    struct Label {
        const char* name;
        const char* gbk;
    };
    const Label labels[] = {
        {"标签3", "B8 FC D0 C2 CB B5 C3 F7 A3 BA"},  // 更新说明：
        {"标签2",
         "31 2E BC D3 C8 EB C1 CB BF EC BD DD BC FC C0 B4 CD EA B3 C9 A1 B0 D2 BB BC FC B2 D9 "
         "D7 F7 A1 B1 A1 A3 0D 0A 32 2E BF C9 D2 D4 D7 D4 B6 A8 D2 E5 BF EC BD DD BC FC A1 A3 "
         "0D 0A 33 2E BC D3 C8 EB C1 CB D7 AA BB BB D6 D0 D3 A2 CE C4 B1 EA B5 E3 A1 A3"},
        {"标签1",
         "CE D2 CE AA D5 E2 B8 F6 B3 CC D0 F2 C4 DC B0 EF B5 BD C4 E3 B6 F8 BF AA D0 C4 0D 0A "
         "C8 E7 B9 FB D4 DA CA B9 D3 C3 D6 D0 C4 E3 D3 D0 CA B2 C3 B4 BA C3 B5 C4 BD A8 D2 E9 "
         "BF C9 D2 D4 C1 AA CF B5 CE D2 0D 0A CE D2 BB E1 CA D4 D7 C5 CC ED BC D3 B5 C4 A1 A3 "
         "0D 0A D3 C9 D3 DA C2 ED C9 CF BE CD B4 F3 D1 A7 B1 CF D2 B5 C1 CB A3 AC B9 A4 D7 F7 "
         "BA CD C8 ED BC FE CE DE B9 D8 A1 A3 CE D2 BE A1 C1 A6 B0 C9 A1 A3 0D 0A BB F2 D5 DF "
         "B0 D1 D4 B4 C2 EB B9 B2 CF ED B3 F6 C0 B4 A1 A3 B4 F3 BC D2 D7 D4 BC BA B8 C4 D2 B2 "
         "BF C9 D2 D4 A1 A3 0D 0A"},
    };
    for (const auto& label : labels)
        EXPECT_EQ(hex(definition.find_control(label.name)->text), label.gbk) << label.name;
}

}  // namespace
}  // namespace zurvane
