// The Linux backend of the window layer: Qt 6 Widgets on X11. Construct it after the
// QApplication; it runs on the GUI thread only.
#pragma once

#include <map>
#include <memory>
#include <optional>

#include "platform/qt/qt_clipboard.h"
#include "platform/qt/x11_frame_extents.h"
#include "ui/window/platform.h"

class QEventLoop;
class QObject;

namespace zurvane {

class QtWindow;
class X11HotkeyGrabber;

class QtPlatform final : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    WindowId open_window(const WindowDefinition& definition, WindowMode mode) override;
    bool window_exists(WindowId window) const override;
    bool is_minimised(WindowId window) const override;
    void restore(WindowId window) override;
    void activate(WindowId window) override;
    void run_event_loop() override;

    void show_message_box(std::string_view text, std::string_view title) override;

    bool clipboard_has_text() override;
    std::optional<Text> read_clipboard_text() override;
    bool write_clipboard_text(std::string_view text) override;

    bool grab_hotkey(WindowId window, int id, int modifiers, int key_code) override;
    bool release_hotkey(WindowId window, int id) override;
    void set_hotkey_sink(HotkeySink sink) override;

    int send_feedback(WindowId window, std::string_view control, int first, int second) override;

    // For the windows.
    void window_closed(WindowId window);
    // A closed window whose handlers have all returned: destroyed once control is back in the
    // event loop.
    void destroy_later(WindowId window);
    // The frame last seen around a window of this kind, for a window manager that tells the
    // frame only once a window is mapped.
    std::optional<FrameExtents> known_frame(bool tool_window) const;
    void remember_frame(bool tool_window, FrameExtents frame);
    // A handler failed in a way the tool cannot survive (memory ran out): box, exit code -1.
    [[noreturn]] void fail(const char* what);

private:
    QtWindow* find(WindowId window) const;

    std::map<WindowId, std::unique_ptr<QtWindow>> windows_;
    std::map<WindowId, QEventLoop*> modal_loops_;
    QEventLoop* main_loop_ = nullptr;
    int open_windows_ = 0;
    WindowId next_id_ = 1;
    std::optional<FrameExtents> frames_[2];  // normal, tool window
    QtClipboard clipboard_;
    std::unique_ptr<X11HotkeyGrabber> hotkeys_;
    // Context of the calls queued for later: they are dropped if the platform goes first.
    std::unique_ptr<QObject> later_;
};

}  // namespace zurvane
