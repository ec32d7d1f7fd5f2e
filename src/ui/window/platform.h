// The small interface through which the portable windows reach the platform. A backend
// (Qt on Linux, Win32 on Windows, an in-memory fake in the unit tests) implements it.
// All texts cross it as Text; the backend converts at its own boundary.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

#include "text/text.h"
#include "ui/window/window_definition.h"

namespace zurvane {

// Identifies one open window for the whole run; never reused. 0 is no window.
using WindowId = std::uint64_t;

// Colour as 0x00BBGGRR: red + 256 × green + 65536 × blue.
using Colour = std::uint32_t;

// An open window, as its handlers see it. Controls are addressed by their stored names.
class Window {
public:
    virtual ~Window() = default;
    virtual WindowId id() const = 0;

    // Edit box contents, button and label captions. Writing an edit box puts its caret at the
    // start.
    virtual Text text(std::string_view control) const = 0;
    virtual void set_text(std::string_view control, std::string_view text) = 0;
    virtual bool is_checked(std::string_view control) const = 0;
    // Changes only the outer height: the width and the top-left corner stay, no activation.
    virtual void set_outer_height(int height) = 0;
    virtual void focus(std::string_view control) = 0;
    // Asks the window to close; it closes once the running handler has returned.
    virtual void close() = 0;

    // Canvas drawing goes straight to the screen; the canvas keeps no image.
    virtual void fill_canvas(std::string_view canvas) = 0;  // with the button-face colour
    // Draws text with its cell's top-left corner at (x, y), transparent background, in the
    // canvas's own font; returns the width of the text in that font.
    virtual int draw_on_canvas(std::string_view canvas, int x, int y, Colour colour,
                               std::string_view text) = 0;
};

enum class WindowMode {
    modeless,  // returns once the window is shown
    modal,     // every other window of the tool disabled; returns after the window has closed
};

// Receives the presses of registered hotkeys, on the GUI thread.
using HotkeySink = std::function<void(WindowId window, int id)>;

class Platform {
public:
    virtual ~Platform() = default;

    // Creates the window hidden, centred on the primary screen for its defined outer size,
    // runs its created handler, then shows and activates it. Returns 0 if it cannot be created.
    virtual WindowId open_window(const WindowDefinition& definition, WindowMode mode) = 0;
    virtual bool window_exists(WindowId window) const = 0;
    virtual bool is_minimised(WindowId window) const = 0;
    virtual void restore(WindowId window) = 0;
    virtual void activate(WindowId window) = 0;
    // Runs the event loop until the tool's last window is gone.
    virtual void run_event_loop() = 0;

    // OK button only, no icon, every window of the tool blocked; returns when closed.
    virtual void show_message_box(std::string_view text, std::string_view title) = 0;

    virtual bool clipboard_has_text() = 0;
    // nullopt: the clipboard could not be read (held open, an owner that does not answer).
    virtual std::optional<Text> read_clipboard_text() = 0;
    // Replaces every format with the text; a failure leaves the old contents in place.
    virtual bool write_clipboard_text(std::string_view text) = 0;

    // A bare or modified key system-wide for window under id; false if the platform refuses.
    virtual bool grab_hotkey(WindowId window, int id, int modifiers, int key_code) = 0;
    virtual bool release_hotkey(WindowId window, int id) = 0;
    virtual void set_hotkey_sink(HotkeySink sink) = 0;

    // Raises the feedback event of a label synchronously; returns its handler's result (0 if none).
    virtual int send_feedback(WindowId window, std::string_view control, int first, int second) = 0;
};

}  // namespace zurvane
