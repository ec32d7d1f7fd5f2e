// The window manager's frame around a top-level window (_NET_FRAME_EXTENTS), so that a window
// can be given an exact outer size before it is first shown.
#pragma once

#include <chrono>
#include <optional>

namespace zurvane {

struct FrameExtents {
    int left = 0, right = 0, top = 0, bottom = 0;
    bool operator==(const FrameExtents&) const = default;
};

// The frame the window manager will put around the (not yet mapped) window: asked for with
// _NET_REQUEST_FRAME_EXTENTS and waited for at most wait. No window manager: no frame (all 0).
// nullopt: a window manager runs but does not say before the window is mapped.
std::optional<FrameExtents> predict_frame_extents(unsigned int window,
                                                  std::chrono::milliseconds wait);

// Whether the window is mapped and its parents too (the window manager has shown it).
bool window_viewable(unsigned int window);

// The frame the window manager has set on the window, if it has set one.
std::optional<FrameExtents> current_frame_extents(unsigned int window);

}  // namespace zurvane
