// The desktop tool on Windows: the raw Win32 API.
#include <windows.h>
// commctrl.h after windows.h, which it needs.
#include <commctrl.h>

#include "platform/win32/win32_fatal.h"
#include "platform/win32/win32_platform.h"
#include "ui/startup.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return zurvane::win32::fatal_on_exception([instance] {
        // The manifest asks for common controls 6; loading them makes the controls use them.
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
        zurvane::win32::Win32Platform platform(instance);
        return zurvane::run_tool(platform);
    });
}
