// A main window on the fake backend, opened as the tool opens it.
#pragma once

#include <gtest/gtest.h>

#include "support/fake_platform.h"
#include "ui/main_window.h"
#include "ui/window/ui_text.h"

namespace zurvane::testing {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        MainWindowLinks links{
            [this](WindowId id) {
                events.push_back("register_hotkey");
                registered_for = id;
                height_at_registration = platform.window(id).outer_height();
            },
            [this] { events.push_back("open_hotkey_window"); },
            [this] { events.push_back("open_about_window"); },
        };
        id = platform.open_window(main_window_definition(platform, links), WindowMode::modeless);
    }

    FakeWindow& main() { return platform.window(id); }
    Text box(std::string_view name) { return main().text(name); }

    FakePlatform platform;
    WindowId id = 0;
    std::vector<std::string> events;
    WindowId registered_for = 0;
    int height_at_registration = 0;
};

}  // namespace zurvane::testing
