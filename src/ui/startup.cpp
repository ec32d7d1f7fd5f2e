#include "ui/startup.h"

#include "about/about_window.h"
#include "hotkey/hotkeys.h"
#include "ui/main_window.h"
#include "ui/window/ui_text.h"

namespace zurvane {

int run_tool(Platform& platform) {
    Hotkeys hotkeys(platform);
    AboutWindow about(platform);
    MainWindowLinks links{
        [&hotkeys](WindowId main_window) { hotkeys.register_at_startup(main_window); },
        [&hotkeys] { hotkeys.open_hotkey_window(); },
        [&about] { about.open_about_window(); },
    };
    if (platform.open_window(main_window_definition(platform, links), WindowMode::modeless) == 0) {
        platform.show_message_box(ui_text("主窗口无法创建，程序将退出。"), ui_text("Zurvane"));
        return -1;
    }
    platform.run_event_loop();
    return 0;
}

}  // namespace zurvane
