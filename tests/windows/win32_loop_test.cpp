// The message loop and what it delivers: timer ticks, modal windows, the end of the loop with
// the last window, feedback messages, hotkey presses and canvas drawing.
#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "backend_fixture.h"

namespace zurvane::win32::testing {
namespace {

WindowDefinition plain_window(const char* caption) {
    WindowDefinition definition;
    definition.properties = {caption, 240, 160};
    return definition;
}

// A window whose timer counts its ticks and closes the window at the close_at-th.
WindowDefinition ticking_window(std::shared_ptr<int> ticks, int interval_ms, int close_at) {
    WindowDefinition definition = plain_window("ticks");
    ControlSpec timer{"时钟1", ControlKind::timer, "", 0, 0, 0, 0, false};
    timer.interval_ms = interval_ms;
    definition.controls = {timer};
    definition.bindings = {{"时钟1", Event::tick, ActionHandler([ticks, close_at](Window& w) {
                                if (++*ticks == close_at) w.close();
                            })}};
    return definition;
}

using MessageLoop = BackendTest;

TEST_F(MessageLoop, TimersTickThroughTheLoop) {
    auto ticks = std::make_shared<int>(0);
    const WindowId id = platform().open_window(ticking_window(ticks, 20, 0), WindowMode::modeless);
    ASSERT_NE(id, 0u);
    pump(platform(), 5000, [&] { return *ticks >= 3; });
    EXPECT_GE(*ticks, 3);
}

TEST_F(MessageLoop, TheLoopEndsWhenTheLastWindowIsGone) {
    auto first = std::make_shared<int>(0);
    auto second = std::make_shared<int>(0);
    ASSERT_NE(platform().open_window(ticking_window(first, 20, 1), WindowMode::modeless), 0u);
    ASSERT_NE(platform().open_window(ticking_window(second, 20, 4), WindowMode::modeless), 0u);
    platform().run_event_loop();
    // The loop went on after the first window closed, until the second closed too.
    EXPECT_EQ(*first, 1);
    EXPECT_EQ(*second, 4);
    EXPECT_EQ(platform().open_window_count(), 0u);
}

TEST_F(MessageLoop, AModalWindowDisablesTheOthersUntilItHasClosed) {
    const WindowId behind = platform().open_window(plain_window("behind"), WindowMode::modeless);
    ASSERT_NE(behind, 0u);
    HWND behind_handle = window(behind).handle();

    // The modal window looks at the window behind it at each tick and closes at the second.
    auto ticks = std::make_shared<int>(0);
    bool behind_enabled_meanwhile = false;
    WindowDefinition modal = ticking_window(ticks, 20, 0);
    modal.bindings = {{"时钟1", Event::tick, ActionHandler([&, ticks](Window& w) {
                           behind_enabled_meanwhile |= IsWindowEnabled(behind_handle) != 0;
                           if (++*ticks == 2) w.close();
                       })}};
    const WindowId id = platform().open_window(modal, WindowMode::modal);
    // open_window returned only once the modal window had gone.
    EXPECT_EQ(*ticks, 2);
    EXPECT_FALSE(platform().window_exists(id));
    EXPECT_FALSE(behind_enabled_meanwhile);
    EXPECT_TRUE(IsWindowEnabled(behind_handle));
}

TEST_F(MessageLoop, AClosedWindowIsGoneAtOnceAndDestroyedAfterItsHandler) {
    const WindowId id = platform().open_window(plain_window("closing"), WindowMode::modeless);
    HWND handle = window(id).handle();
    window(id).close();
    EXPECT_FALSE(platform().window_exists(id));
    EXPECT_TRUE(IsWindow(handle));
    pump(platform(), 50, [&] { return !IsWindow(handle); });
    EXPECT_FALSE(IsWindow(handle));
}

TEST_F(MessageLoop, TheFeedbackMessageRunsTheLabelsHandlerFromAnySender) {
    WindowDefinition definition = plain_window("feedback");
    definition.controls = {{"标签3", ControlKind::label, "", 0, 0, 16, 16, false}};
    std::vector<std::pair<int, int>> received;
    definition.bindings = {
        {"标签3", Event::feedback, FeedbackHandler([&](Window&, int first, int second) {
             received.emplace_back(first, second);
             return first * 10 + second;
         })}};
    const WindowId id = platform().open_window(definition, WindowMode::modeless);
    EXPECT_EQ(platform().send_feedback(id, "标签3", 33001, 0), 330010);
    EXPECT_EQ(SendMessageW(control(id, "标签3"), feedback_message, 4, 2), 42);
    EXPECT_EQ(platform().send_feedback(id, "标签9", 1, 1), 0);
    EXPECT_EQ(platform().send_feedback(id + 1, "标签3", 1, 1), 0);
    const std::vector<std::pair<int, int>> expected = {{33001, 0}, {4, 2}};
    EXPECT_EQ(received, expected);
}

TEST_F(MessageLoop, HotkeyPressesReachTheSinkWithTheWindowAndTheId) {
    const WindowId id = platform().open_window(plain_window("hotkey"), WindowMode::modeless);
    std::vector<std::pair<WindowId, int>> presses;
    platform().set_hotkey_sink(
        [&](WindowId window, int hotkey) { presses.emplace_back(window, hotkey); });

    ASSERT_TRUE(platform().grab_hotkey(id, 33001, 0, VK_F13));
    EXPECT_FALSE(platform().grab_hotkey(id, 33002, 0, VK_F13));  // held already
    PostMessageW(window(id).handle(), WM_HOTKEY, 33001, MAKELPARAM(0, VK_F13));
    pump(platform(), 50, [&] { return !presses.empty(); });
    const std::vector<std::pair<WindowId, int>> expected = {{id, 33001}};
    EXPECT_EQ(presses, expected);

    EXPECT_TRUE(platform().release_hotkey(id, 33001));
    EXPECT_FALSE(platform().release_hotkey(id, 33001));
    EXPECT_FALSE(platform().release_hotkey(id, 33002));
    EXPECT_TRUE(platform().grab_hotkey(id, 33003, 0, VK_F13));       // free again
    EXPECT_FALSE(platform().grab_hotkey(id + 1, 33004, 0, VK_F14));  // no such window
    platform().set_hotkey_sink(nullptr);
}

TEST_F(MessageLoop, TheCanvasDrawsTransparentTextAndMeasuresIt) {
    WindowDefinition definition = plain_window("canvas");
    ControlSpec canvas{"画板1", ControlKind::canvas, "", 10, 10, 200, 24};
    canvas.font_height = 21;
    definition.controls = {canvas};
    const WindowId id = platform().open_window(definition, WindowMode::modeless);
    pump(platform(), 100);
    Win32Window& w = window(id);

    w.fill_canvas("画板1");
    const int width_q = w.draw_on_canvas("画板1", 0, 0, 0x0000FF, "Q");
    const int width_qq = w.draw_on_canvas("画板1", width_q, 0, 0x0000FF, "Q");
    EXPECT_GT(width_q, 4);
    EXPECT_EQ(width_qq, width_q);
    EXPECT_EQ(w.draw_on_canvas("画板1", 0, 0, 0x0000FF, ""), 0);

    // Red pixels where the letters are; the button face elsewhere.
    HDC dc = GetDC(control(id, "画板1"));
    int red = 0, face = 0;
    for (int x = 0; x < 2 * width_q; ++x)
        for (int y = 0; y < 24; ++y) {
            const COLORREF pixel = GetPixel(dc, x, y);
            red += pixel == RGB(255, 0, 0);
            face += pixel == GetSysColor(COLOR_BTNFACE);
        }
    EXPECT_EQ(GetPixel(dc, 199, 23), GetSysColor(COLOR_BTNFACE));
    ReleaseDC(control(id, "画板1"), dc);
    EXPECT_GT(red, 10);
    EXPECT_GT(face, 10);

    // The canvas's own font: 21 pixels of character height, wider than the default GUI font.
    HDC measure = GetDC(control(id, "画板1"));
    HGDIOBJ old = SelectObject(measure, GetStockObject(DEFAULT_GUI_FONT));
    SIZE default_q{};
    GetTextExtentPoint32W(measure, L"Q", 1, &default_q);
    SelectObject(measure, old);
    ReleaseDC(control(id, "画板1"), measure);
    EXPECT_GT(width_q, default_q.cx);
}

}  // namespace
}  // namespace zurvane::win32::testing
