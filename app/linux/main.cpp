// The desktop tool on Linux: Qt 6 Widgets on X11.
#include <QApplication>
#include <QByteArray>
#include <cstdio>
#include <string>

#include "platform/qt/qt_platform.h"
#include "platform/qt/x11_display.h"
#include "ui/startup.h"

namespace {

// The global hotkey needs X11, so xcb is the platform unless the user names another. Qt's xcb
// plugin aborts when it cannot connect: find out first and say so.
bool choose_platform() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "xcb");
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.startsWith("xcb")) return true;
    std::string error;
    if (zurvane::x11_display_reachable(error)) return true;
    std::fprintf(stderr, "zurvane: %s; the tool needs an X11 desktop.\n", error.c_str());
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (!choose_platform()) return 255;
    // The tool reads no command-line argument; Qt gets none either.
    int qt_argc = argc > 0 ? 1 : 0;
    QApplication application(qt_argc, argv);
    int result = 0;
    {
        zurvane::QtPlatform platform;
        result = zurvane::run_tool(platform);
    }
    return result == -1 ? 255 : result;
}
