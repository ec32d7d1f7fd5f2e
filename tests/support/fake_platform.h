// An in-memory backend for the unit tests of the window handlers: windows are their
// definitions plus the state of their controls; the clipboard, message boxes, hotkey grabs
// and canvas drawing are recorded so that a test can see what a handler did.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ui/window/platform.h"

namespace zurvane::testing {

struct CanvasDraw {
    std::string canvas;
    int x, y;
    Colour colour;
    Text text;
};

class FakePlatform;

class FakeWindow : public Window {
public:
    FakeWindow(FakePlatform& platform, WindowId id, WindowDefinition definition, WindowMode mode);

    WindowId id() const override { return id_; }
    Text text(std::string_view control) const override;
    void set_text(std::string_view control, std::string_view text) override;
    bool is_checked(std::string_view control) const override;
    void set_outer_height(int height) override { outer_height_ = height; }
    void focus(std::string_view control) override { focused_ = std::string(control); }
    void close() override { close_requested_ = true; }
    void fill_canvas(std::string_view canvas) override;
    int draw_on_canvas(std::string_view canvas, int x, int y, Colour colour,
                       std::string_view text) override;

    // What a user does.
    void click(std::string_view control);
    // Runs the window's keyboard rules, then the focused control's key-pressed handler. Returns
    // true if the key reached the control as ordinary input.
    bool press_key(int key_code, int modifiers = 0);
    void tick(std::string_view timer);
    void type_text(std::string_view control, std::string_view text) { set_text(control, text); }
    void check(std::string_view radio_button);
    void user_close() { close_requested_ = true; }

    const WindowDefinition& definition() const { return definition_; }
    WindowMode mode() const { return mode_; }
    int outer_height() const { return outer_height_; }
    const std::string& focused() const { return focused_; }
    bool close_requested() const { return close_requested_; }
    bool minimised = false;
    int activations = 0;
    int restores = 0;
    std::vector<CanvasDraw> canvas_draws;  // since the last fill
    int canvas_fills = 0;

private:
    void run_action(std::string_view control, Event event);

    FakePlatform& platform_;
    WindowId id_;
    WindowDefinition definition_;
    WindowMode mode_;
    std::map<std::string, Text, std::less<>> texts_;
    std::map<std::string, bool, std::less<>> checked_;
    int outer_height_;
    std::string focused_;
    bool close_requested_ = false;
};

class FakePlatform : public Platform {
public:
    // Test knobs. clipboard nullopt: it offers no text (a picture, say).
    std::optional<Text> clipboard;
    bool clipboard_unreadable = false;     // offers text, but reading fails
    bool clipboard_write_fails = false;    // the old contents stay
    std::vector<int> keys_held_elsewhere;  // grabs of these key codes are refused
    int canvas_char_width = 11;            // width of every byte drawn on a canvas

    // Run while a message box or a modal window is open, as the user's doing meanwhile.
    std::function<void()> during_message_box;
    std::function<void(FakeWindow&)> during_modal;

    struct MessageBox {
        Text text, title;
    };
    std::vector<MessageBox> message_boxes;
    struct Grab {
        WindowId window;
        int id, modifiers, key_code;
    };
    std::vector<Grab> grabs;       // in force
    std::vector<std::string> log;  // clipboard and message box calls, in order
    std::vector<WindowId> opened;  // every window made by open_window, in order

    WindowId open_window(const WindowDefinition& definition, WindowMode mode) override;
    bool window_exists(WindowId window) const override;
    bool is_minimised(WindowId window) const override;
    void restore(WindowId window) override;
    void activate(WindowId window) override;
    void run_event_loop() override {}

    void show_message_box(std::string_view text, std::string_view title) override;
    bool clipboard_has_text() override;
    std::optional<Text> read_clipboard_text() override;
    bool write_clipboard_text(std::string_view text) override;

    bool grab_hotkey(WindowId window, int id, int modifiers, int key_code) override;
    bool release_hotkey(WindowId window, int id) override;
    void set_hotkey_sink(HotkeySink sink) override { sink_ = std::move(sink); }
    int send_feedback(WindowId window, std::string_view control, int first, int second) override;

    // A press of key_code anywhere on the desktop; false if no grab holds it.
    bool press_hotkey(int key_code);
    FakeWindow& window(WindowId id);
    // Removes windows whose close was asked for, as the event loop would.
    void destroy_closed_windows();
    std::size_t open_window_count() const { return windows_.size(); }

private:
    std::map<WindowId, std::unique_ptr<FakeWindow>> windows_;
    WindowId next_id_ = 1;
    HotkeySink sink_;
};

}  // namespace zurvane::testing
