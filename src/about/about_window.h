// The About window: update notes, a message and the colour marquee.
#pragma once

#include "about/random_numbers.h"
#include "ui/window/platform.h"

namespace zurvane {

inline constexpr int about_window_width = 394;
inline constexpr int about_window_height = 194;
inline constexpr int marquee_interval_ms = 1000;

// The window as data. Every call gives a window with a fresh canvas (empty, black text at
// (0, 0)); its timer paints the marquee with numbers from random.
WindowDefinition about_window_definition(RandomGenerator& random);

class AboutWindow {
public:
    // The marquee draws on the process's one generator.
    explicit AboutWindow(Platform& platform);
    AboutWindow(Platform& platform, RandomGenerator& random);

    // The click of "关于": opens the window, or brings the open one to the front. Returns at
    // once; the window lives on by itself, modeless.
    void open_about_window();

private:
    Platform& platform_;
    RandomGenerator& random_;
    WindowId window_ = 0;
};

}  // namespace zurvane
