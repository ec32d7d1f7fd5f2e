// A window described as data: its properties, its controls in creation order, and which
// handler runs for which event of which control. Every backend realises the same definition.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "text/text.h"

namespace zurvane {

class Window;

enum class ControlKind { edit_box, push_button, radio_button, label, canvas, timer };

// How a label lays out its text.
enum class LabelText {
    single_line,      // one line, left-aligned, vertically centred
    wrapped,          // CR LF breaks lines, long lines wrap at words, from the top, left-aligned
    wrapped_centred,  // as wrapped, every line centred horizontally
};

struct ControlSpec {
    std::string name;  // the stored name, such as "编辑框1"; unique within its window
    ControlKind kind;
    Text text;                                     // caption or initial text
    int left = 0, top = 0, width = 0, height = 0;  // client-area pixels
    bool shown = true;
    bool tab_stop = false;
    int font_height = 0;  // own font: character height in pixels, weight 400; 0 = default GUI font
    bool multi_line = false;  // edit boxes: multi-line with word wrap and a vertical scroll bar
    bool checked = false;     // radio buttons: the window's radio buttons form one group
    LabelText label_text = LabelText::single_line;
    int interval_ms = 0;  // timers: the first tick comes one interval after creation
};

struct WindowProperties {
    Text caption;
    int outer_width = 0, outer_height = 0;  // frame and title bar included
    bool minimise_button = false;    // the close button is always there; never a maximise button
    bool tool_window = false;        // narrow title bar, no taskbar button
    bool esc_closes = false;         // bare Esc closes the window
    bool enter_moves_focus = false;  // bare Enter moves the focus like Tab
};

enum class Event {
    created,      // the window: after its controls exist, before it is first shown
    clicked,      // push buttons
    key_pressed,  // edit boxes: a key going down, before the control processes it
    feedback,     // labels: raised synchronously through Platform::send_feedback
    tick,         // timers
};

using ActionHandler = std::function<void(Window&)>;
// Returns false to swallow the key, true to let the control process it as usual.
// key_code is a Windows virtual-key code with the keypad folded onto the main keyboard;
// modifiers: Ctrl 1 + Shift 2 + Alt 4.
using KeyHandler = std::function<bool(Window&, int key_code, int modifiers)>;
using FeedbackHandler = std::function<int(Window&, int first, int second)>;

struct EventBinding {
    std::string control;  // empty for the window itself
    Event event;
    std::variant<ActionHandler, KeyHandler, FeedbackHandler> handler;
};

struct WindowDefinition {
    WindowProperties properties;
    std::vector<ControlSpec> controls;  // creation order, which is also the Tab order
    std::vector<EventBinding> bindings;

    const ControlSpec* find_control(std::string_view name) const;
    const EventBinding* find_binding(std::string_view control, Event event) const;
};

}  // namespace zurvane
