// Start and end of the tool, the same on every platform.
#pragma once

#include "ui/window/platform.h"

namespace zurvane {

// Opens the main window (collapsed, hotkey registered), runs the event loop until the tool's
// last window is gone and returns the exit code: 0, or -1 when the main window cannot be made.
int run_tool(Platform& platform);

}  // namespace zurvane
