// The canvas operations and the marquee, on the in-memory backend.
#include "about/marquee.h"

#include <gtest/gtest.h>

#include <array>
#include <cctype>
#include <vector>

#include "about/about_window.h"
#include "rgb.h"
#include "support/fake_platform.h"
#include "support/hex.h"

namespace zurvane {
namespace {

using testing::FakePlatform;
using testing::FakeWindow;
using testing::hex;

class CanvasTest : public ::testing::Test {
protected:
    FakeWindow& window() {
        if (id_ == 0)
            id_ = platform_.open_window(about_window_definition(random_), WindowMode::modeless);
        return platform_.window(id_);
    }
    Canvas canvas() { return Canvas{window(), "画板1", state_}; }

    FakePlatform platform_;
    RandomGenerator random_;
    CanvasState state_;

private:
    WindowId id_ = 0;
};

TEST(ContactText, IsQqAndNineDigitsInSingleBytes) {
    ASSERT_EQ(contact_text.size(), 12u) << hex(contact_text);
    EXPECT_EQ(contact_text.substr(0, 3), "QQ:") << hex(contact_text);
    for (unsigned char c : contact_text.substr(3))
        EXPECT_TRUE(std::isdigit(c)) << hex(contact_text);
}

TEST(ColourFromRgb, PutsRedInTheLowByteAndBlueInTheThird) {
    EXPECT_EQ(colour_from_rgb(0x12, 0x34, 0x56), 0x00563412u);
    EXPECT_EQ(colour_from_rgb(180, 180, 180), 0x00B4B4B4u);
}

TEST_F(CanvasTest, WritesEachTextWhereThePreviousOneEnded) {
    platform_.canvas_char_width = 7;
    state_.text_colour = colour_from_rgb(1, 2, 3);
    write_on_canvas(canvas(), "QQ");
    state_.text_colour = colour_from_rgb(4, 5, 6);
    write_on_canvas(canvas(), ":");
    write_on_canvas(canvas(), "123");

    const auto& draws = window().canvas_draws;
    ASSERT_EQ(draws.size(), 3u);
    const int xs[] = {0, 14, 21};
    const Text texts[] = {"QQ", ":", "123"};
    for (std::size_t i = 0; i < draws.size(); ++i) {
        EXPECT_EQ(draws[i].canvas, "画板1");
        EXPECT_EQ(draws[i].x, xs[i]) << "draw " << i;
        EXPECT_EQ(draws[i].y, 0) << "draw " << i;
        EXPECT_EQ(hex(draws[i].text), hex(texts[i])) << "draw " << i;
    }
    EXPECT_EQ(rgb(draws[0].colour), (Rgb{1, 2, 3}));
    EXPECT_EQ(rgb(draws[1].colour), (Rgb{4, 5, 6}));
    EXPECT_EQ(rgb(draws[2].colour), (Rgb{4, 5, 6}));
    EXPECT_EQ(state_.x, 42);
    EXPECT_EQ(state_.y, 0);
}

TEST_F(CanvasTest, AnEmptyTextDrawsNothingAndKeepsThePosition) {
    write_on_canvas(canvas(), "Q");
    const int x = state_.x;
    write_on_canvas(canvas(), "");
    EXPECT_EQ(window().canvas_draws.size(), 1u);
    EXPECT_EQ(state_.x, x);
}

TEST_F(CanvasTest, ClearingFillsAndResetsThePositionButKeepsTheColour) {
    state_.text_colour = colour_from_rgb(9, 8, 7);
    write_on_canvas(canvas(), "QQ:");
    state_.y = 5;
    clear_canvas(canvas());

    EXPECT_EQ(window().canvas_fills, 1);
    EXPECT_EQ(state_.x, 0);
    EXPECT_EQ(state_.y, 0);
    EXPECT_EQ(rgb(state_.text_colour), (Rgb{9, 8, 7}));
    write_on_canvas(canvas(), "1");
    ASSERT_EQ(window().canvas_draws.size(), 1u);  // the fake forgets what the fill covered
    EXPECT_EQ(window().canvas_draws[0].x, 0);
    EXPECT_EQ(rgb(window().canvas_draws[0].colour), (Rgb{9, 8, 7}));
}

TEST_F(CanvasTest, TheMarqueeClearsThenWritesTheContactLineByteByByteSideBySide) {
    platform_.canvas_char_width = 13;
    state_.x = 99;  // wherever an earlier tick left it
    paint_marquee(canvas(), random_);

    EXPECT_EQ(window().canvas_fills, 1);
    const auto& draws = window().canvas_draws;
    ASSERT_EQ(draws.size(), contact_text.size());
    for (std::size_t i = 0; i < draws.size(); ++i) {
        EXPECT_EQ(hex(draws[i].text), hex(contact_text.substr(i, 1))) << "character " << i;
        EXPECT_EQ(draws[i].x, 13 * static_cast<int>(i)) << "character " << i;
        EXPECT_EQ(draws[i].y, 0) << "character " << i;
    }
}

TEST_F(CanvasTest, TheFirstTwoTicksDrawTheKnownColours) {
    paint_marquee(canvas(), random_);
    std::vector<Rgb> colours;
    for (const auto& draw : window().canvas_draws) colours.push_back(rgb(draw.colour));
    const std::vector<Rgb> expected = {
        {41, 5, 180},  {74, 164, 158}, {75, 36, 174}, {29, 94, 90},
        {113, 175, 6}, {129, 99, 177}, {121, 6, 173}, {124, 101, 153},
        {111, 74, 45}, {73, 170, 166}, {17, 6, 110},  {135, 59, 2},
    };
    EXPECT_EQ(colours, expected);

    paint_marquee(canvas(), random_);
    ASSERT_FALSE(window().canvas_draws.empty());
    EXPECT_EQ(rgb(window().canvas_draws[0].colour), (Rgb{146, 54, 21}));
}

TEST_F(CanvasTest, NoColourComponentGoesAbove180) {
    int lowest = 255, highest = 0;
    for (int tick = 0; tick < 1000; ++tick) {
        paint_marquee(canvas(), random_);
        for (const auto& draw : window().canvas_draws) {
            ASSERT_EQ(draw.colour >> 24, 0u) << "tick " << tick << " colour " << draw.colour;
            for (int component : rgb(draw.colour)) {
                ASSERT_LE(component, 180) << "tick " << tick << " colour " << draw.colour;
                lowest = std::min(lowest, component);
                highest = std::max(highest, component);
            }
        }
    }
    // The whole range 0 to 180 is used, not a narrower one.
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, 180);
}

}  // namespace
}  // namespace zurvane
