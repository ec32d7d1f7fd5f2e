#include "support/fake_platform.h"

#include <algorithm>
#include <stdexcept>

#include "ui/window/keyboard_rules.h"

namespace zurvane::testing {

FakeWindow::FakeWindow(FakePlatform& platform, WindowId id, WindowDefinition definition,
                       WindowMode mode)
    : platform_(platform),
      id_(id),
      definition_(std::move(definition)),
      mode_(mode),
      outer_height_(definition_.properties.outer_height) {
    for (const auto& control : definition_.controls) {
        texts_[control.name] = control.text;
        checked_[control.name] = control.checked;
    }
}

Text FakeWindow::text(std::string_view control) const {
    auto it = texts_.find(control);
    if (it == texts_.end()) throw std::logic_error("no control " + std::string(control));
    return it->second;
}

void FakeWindow::set_text(std::string_view control, std::string_view text) {
    auto it = texts_.find(control);
    if (it == texts_.end()) throw std::logic_error("no control " + std::string(control));
    it->second = Text(text);
}

bool FakeWindow::is_checked(std::string_view control) const {
    auto it = checked_.find(control);
    return it != checked_.end() && it->second;
}

void FakeWindow::check(std::string_view radio_button) {
    for (const auto& control : definition_.controls)
        if (control.kind == ControlKind::radio_button) checked_[control.name] = false;
    checked_[std::string(radio_button)] = true;
}

void FakeWindow::fill_canvas(std::string_view) {
    ++canvas_fills;
    canvas_draws.clear();
}

int FakeWindow::draw_on_canvas(std::string_view canvas, int x, int y, Colour colour,
                               std::string_view text) {
    canvas_draws.push_back({std::string(canvas), x, y, colour, Text(text)});
    return platform_.canvas_char_width * static_cast<int>(text.size());
}

void FakeWindow::run_action(std::string_view control, Event event) {
    if (const auto* binding = definition_.find_binding(control, event))
        std::get<ActionHandler>(binding->handler)(*this);
}

void FakeWindow::click(std::string_view control) {
    run_action(control, Event::clicked);
}

void FakeWindow::tick(std::string_view timer) {
    run_action(timer, Event::tick);
}

bool FakeWindow::press_key(int key_code, int modifiers) {
    const ControlSpec* focused = definition_.find_control(focused_);
    switch (window_key_action(definition_, focused, key_code, modifiers)) {
        case WindowKeyAction::close_window:
            close_requested_ = true;
            return false;
        case WindowKeyAction::none:
            break;
        default:
            return false;  // focus moves are the backend's; nothing of the tool's runs
    }
    if (const auto* binding = definition_.find_binding(focused_, Event::key_pressed))
        return std::get<KeyHandler>(binding->handler)(*this, key_code, modifiers);
    return true;
}

WindowId FakePlatform::open_window(const WindowDefinition& definition, WindowMode mode) {
    WindowId id = next_id_++;
    opened.push_back(id);
    auto& window = *windows_.emplace(id, std::make_unique<FakeWindow>(*this, id, definition, mode))
                        .first->second;
    if (const auto* created = definition.find_binding("", Event::created))
        std::get<ActionHandler>(created->handler)(window);
    ++window.activations;
    if (mode == WindowMode::modal) {
        if (during_modal) during_modal(window);
        windows_.erase(id);  // a modal window is gone when its opener goes on
    }
    return id;
}

bool FakePlatform::window_exists(WindowId window) const {
    auto it = windows_.find(window);
    return it != windows_.end() && !it->second->close_requested();
}

bool FakePlatform::is_minimised(WindowId window) const {
    return window_exists(window) && windows_.at(window)->minimised;
}

void FakePlatform::restore(WindowId window) {
    if (!window_exists(window)) return;
    auto& w = *windows_.at(window);
    w.minimised = false;
    ++w.restores;
}

void FakePlatform::activate(WindowId window) {
    if (window_exists(window)) ++windows_.at(window)->activations;
}

void FakePlatform::show_message_box(std::string_view text, std::string_view title) {
    log.push_back("message_box");
    message_boxes.push_back({Text(text), Text(title)});
    if (during_message_box) during_message_box();
}

bool FakePlatform::clipboard_has_text() {
    log.push_back("has_text");
    return clipboard.has_value();
}

std::optional<Text> FakePlatform::read_clipboard_text() {
    log.push_back("read");
    if (clipboard_unreadable) return std::nullopt;
    return clipboard.value_or(Text());
}

bool FakePlatform::write_clipboard_text(std::string_view text) {
    log.push_back("write");
    if (clipboard_write_fails) return false;
    clipboard = Text(text);
    return true;
}

bool FakePlatform::grab_hotkey(WindowId window, int id, int modifiers, int key_code) {
    bool held = std::find(keys_held_elsewhere.begin(), keys_held_elsewhere.end(), key_code) !=
                keys_held_elsewhere.end();
    bool held_here = std::any_of(grabs.begin(), grabs.end(), [&](const Grab& g) {
        return g.key_code == key_code && g.modifiers == modifiers;
    });
    if (held || held_here) return false;
    grabs.push_back({window, id, modifiers, key_code});
    return true;
}

bool FakePlatform::release_hotkey(WindowId window, int id) {
    auto it = std::find_if(grabs.begin(), grabs.end(),
                           [&](const Grab& g) { return g.window == window && g.id == id; });
    if (it == grabs.end()) return false;
    grabs.erase(it);
    return true;
}

int FakePlatform::send_feedback(WindowId window, std::string_view control, int first, int second) {
    if (!window_exists(window)) return 0;
    auto& w = *windows_.at(window);
    if (const auto* binding = w.definition().find_binding(control, Event::feedback))
        return std::get<FeedbackHandler>(binding->handler)(w, first, second);
    return 0;
}

bool FakePlatform::press_hotkey(int key_code) {
    for (const auto& grab : grabs) {
        if (grab.key_code != key_code) continue;
        if (sink_) sink_(grab.window, grab.id);
        return true;
    }
    return false;
}

FakeWindow& FakePlatform::window(WindowId id) {
    auto it = windows_.find(id);
    if (it == windows_.end()) throw std::logic_error("no window " + std::to_string(id));
    return *it->second;
}

void FakePlatform::destroy_closed_windows() {
    std::erase_if(windows_, [](const auto& entry) { return entry.second->close_requested(); });
}

}  // namespace zurvane::testing
