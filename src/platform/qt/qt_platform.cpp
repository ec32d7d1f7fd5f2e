#include "platform/qt/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/qt/qt_text.h"
#include "platform/qt/qt_window.h"
#include "platform/qt/x11_hotkey_grabber.h"
#include "ui/window/ui_text.h"

namespace zurvane {

QtPlatform::QtPlatform()
    : hotkeys_(std::make_unique<X11HotkeyGrabber>()), later_(std::make_unique<QObject>()) {
    // The tool ends when its own windows are gone; Qt would not count tool windows.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zurvane/zurvane.png")));
}

QtPlatform::~QtPlatform() {
    // Windows still here when the loop has ended (destroyed later than the last close).
    std::map<WindowId, std::unique_ptr<QtWindow>> left = std::move(windows_);
    windows_.clear();
    left.clear();
}

QtWindow* QtPlatform::find(WindowId window) const {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

WindowId QtPlatform::open_window(const WindowDefinition& definition, WindowMode mode) {
    const WindowId id = next_id_++;
    QtWindow* window = nullptr;
    try {
        auto made = std::make_unique<QtWindow>(*this, id, definition);
        window = made.get();
        windows_.emplace(id, std::move(made));
    } catch (const std::exception&) {
        return 0;
    }
    ++open_windows_;
    window->run_created();
    window->show_and_activate(mode == WindowMode::modal);
    if (mode == WindowMode::modal && window_exists(id)) {
        QEventLoop loop;
        modal_loops_[id] = &loop;
        loop.exec();
        modal_loops_.erase(id);
    }
    return id;
}

bool QtPlatform::window_exists(WindowId window) const {
    const QtWindow* w = find(window);
    return w != nullptr && !w->closed();
}

bool QtPlatform::is_minimised(WindowId window) const {
    return window_exists(window) && find(window)->is_minimised();
}

void QtPlatform::restore(WindowId window) {
    if (window_exists(window)) find(window)->restore();
}

void QtPlatform::activate(WindowId window) {
    if (window_exists(window)) find(window)->activate();
}

void QtPlatform::run_event_loop() {
    if (open_windows_ == 0) return;
    QEventLoop loop;
    main_loop_ = &loop;
    loop.exec();
    main_loop_ = nullptr;
}

void QtPlatform::window_closed(WindowId window) {
    --open_windows_;
    if (auto it = modal_loops_.find(window); it != modal_loops_.end()) it->second->quit();
    if (open_windows_ == 0 && main_loop_ != nullptr) main_loop_->quit();
}

void QtPlatform::destroy_later(WindowId window) {
    QTimer::singleShot(0, later_.get(), [this, window] {
        QtWindow* w = find(window);
        if (w != nullptr && w->closed() && !w->busy()) windows_.erase(window);
    });
}

std::optional<FrameExtents> QtPlatform::known_frame(bool tool_window) const {
    return frames_[tool_window ? 1 : 0];
}

void QtPlatform::remember_frame(bool tool_window, FrameExtents frame) {
    frames_[tool_window ? 1 : 0] = frame;
}

void QtPlatform::show_message_box(std::string_view text, std::string_view title) {
    QMessageBox box;
    box.setWindowTitle(to_qstring(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(to_qstring(text));
    box.setIcon(QMessageBox::NoIcon);
    QPushButton* ok = box.addButton(to_qstring(ui_text("确定")), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    // Every window of the tool is blocked; timers and hotkeys still come through its loop.
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtPlatform::clipboard_has_text() {
    return clipboard_.has_text();
}

std::optional<Text> QtPlatform::read_clipboard_text() {
    return clipboard_.read_text();
}

bool QtPlatform::write_clipboard_text(std::string_view text) {
    return clipboard_.write_text(text);
}

bool QtPlatform::grab_hotkey(WindowId window, int id, int modifiers, int key_code) {
    return hotkeys_->grab(window, id, modifiers, key_code);
}

bool QtPlatform::release_hotkey(WindowId window, int id) {
    return hotkeys_->release(window, id);
}

void QtPlatform::set_hotkey_sink(HotkeySink sink) {
    hotkeys_->set_sink(std::move(sink));
}

int QtPlatform::send_feedback(WindowId window, std::string_view control, int first, int second) {
    if (!window_exists(window)) return 0;
    return find(window)->send_feedback(control, first, second);
}

void QtPlatform::fail(const char* what) {
    std::fprintf(stderr, "zurvane: %s\n", what);
    QMessageBox::critical(nullptr, QStringLiteral("Zurvane"),
                          to_qstring(ui_text("程序遇到无法继续的错误，将退出。")));
    std::fflush(nullptr);
    std::_Exit(255);
}

}  // namespace zurvane
