// One open window: a top-level QWidget made from a WindowDefinition, as its handlers see it.
#pragma once

#include <QPoint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/qt/x11_frame_extents.h"
#include "ui/window/keyboard_rules.h"
#include "ui/window/platform.h"

class QButtonGroup;
class QCloseEvent;
class QKeyEvent;
class QObject;
class QTimer;
class QWidget;

namespace zurvane {

class QtPlatform;

class QtWindow final : public Window {
public:
    // Creates the window and its controls, hidden, centred for the defined outer size; its
    // timers start now.
    QtWindow(QtPlatform& platform, WindowId id, const WindowDefinition& definition);
    ~QtWindow() override;
    QtWindow(const QtWindow&) = delete;
    QtWindow& operator=(const QtWindow&) = delete;

    WindowId id() const override { return id_; }
    Text text(std::string_view control) const override;
    void set_text(std::string_view control, std::string_view text) override;
    bool is_checked(std::string_view control) const override;
    void set_outer_height(int height) override;
    void focus(std::string_view control) override;
    void close() override;
    void fill_canvas(std::string_view canvas) override;
    int draw_on_canvas(std::string_view canvas, int x, int y, Colour colour,
                       std::string_view text) override;

    // For the platform.
    void run_created();
    void show_and_activate(bool modal);
    void activate();
    void restore();
    bool is_minimised() const;
    bool closed() const { return closed_; }
    bool busy() const { return busy_ > 0; }
    int send_feedback(std::string_view control, int first, int second);

private:
    class TopLevel;
    class KeyFilter;
    struct Control {
        const ControlSpec* row;  // in definition_
        QWidget* widget;         // null for a timer
    };

    void create_control(const ControlSpec& row);
    const Control* find(std::string_view name) const;
    const Control* control_holding(const QWidget* widget) const;
    void place_on_screen();
    void apply_size();
    void move_client();
    void check_frame_after_show(int tries_left);
    template <typename Handler>
    void run(Handler&& handler);
    void run_action(const std::string& control, Event event);
    bool on_key(QObject* watched, QKeyEvent* event);
    void on_close(QCloseEvent* event);
    void move_focus(const Control* from, bool forward);
    void move_radio(const Control* from, bool forward);
    void activate_access_key(const ControlSpec& target);

    QtPlatform& platform_;
    WindowId id_;
    WindowDefinition definition_;
    std::unique_ptr<TopLevel> widget_;
    std::unique_ptr<KeyFilter> key_filter_;
    std::vector<Control> controls_;  // creation order
    std::vector<QTimer*> timers_;
    QButtonGroup* radio_group_ = nullptr;
    FrameExtents frame_;
    QPoint outer_origin_;  // where the frame's top-left corner was put
    int outer_height_ = 0;
    int busy_ = 0;  // handlers of this window on the stack
    bool closed_ = false;
};

}  // namespace zurvane
