#include "platform/qt/qt_window.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextBlock>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <new>

#include "platform/qt/canvas_widget.h"
#include "platform/qt/label_widget.h"
#include "platform/qt/qt_keys.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_text.h"

namespace zurvane {

namespace {

using namespace std::chrono_literals;

// How long to wait for the window manager to tell the frame of a window not yet mapped.
constexpr auto kFramePredictionWait = 300ms;

QFont font_of_height(int pixels) {
    QFont font = QApplication::font();
    font.setPixelSize(pixels);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QColor colour_of(Colour c) {
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// A button's caption may mark an access key with "&"; the window's keyboard rules handle it,
// so Qt must not make a shortcut of its own from it.
void set_button_caption(QAbstractButton* button, const QString& caption) {
    button->setText(caption);
    button->setShortcut(QKeySequence());
}

// The box's text with every line break as LF, nothing else changed (toPlainText would also
// turn non-breaking spaces into spaces).
QString plain_text_of(const QPlainTextEdit* edit) {
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

// Black on white, the selection shown only while the box has the focus.
void set_edit_palette(QWidget* edit) {
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::Highlight, Qt::white);
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText, Qt::black);
    edit->setPalette(palette);
}

Qt::WindowFlags window_flags(const WindowProperties& properties) {
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                            Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                            Qt::MSWindowsFixedSizeDialogHint;
    if (properties.tool_window) return flags | Qt::Tool;
    if (properties.minimise_button) flags |= Qt::WindowMinimizeButtonHint;
    return flags | Qt::Window;
}

}  // namespace

// The top-level widget; closing is reported to the window.
class QtWindow::TopLevel : public QWidget {
public:
    explicit TopLevel(QtWindow& owner) : owner_(owner) {}

protected:
    void closeEvent(QCloseEvent* event) override { owner_.on_close(event); }

private:
    QtWindow& owner_;
};

// Sees every key press of the window's widgets before they do.
class QtWindow::KeyFilter : public QObject {
public:
    explicit KeyFilter(QtWindow& owner) : owner_(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        return owner_.on_key(watched, static_cast<QKeyEvent*>(event));
    }

private:
    QtWindow& owner_;
};

QtWindow::QtWindow(QtPlatform& platform, WindowId id, const WindowDefinition& definition)
    : platform_(platform),
      id_(id),
      definition_(definition),
      widget_(std::make_unique<TopLevel>(*this)),
      key_filter_(std::make_unique<KeyFilter>(*this)) {
    const WindowProperties& properties = definition_.properties;
    widget_->setWindowFlags(window_flags(properties));
    widget_->setWindowTitle(to_qstring(properties.caption));
    widget_->setWindowIcon(QApplication::windowIcon());
    widget_->setFont(QApplication::font());
    QPalette palette = widget_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));  // button face
    palette.setColor(QPalette::WindowText, Qt::black);
    widget_->setPalette(palette);
    widget_->setAutoFillBackground(true);
    widget_->setFocusPolicy(Qt::NoFocus);

    controls_.reserve(definition_.controls.size());
    for (const ControlSpec& row : definition_.controls) create_control(row);

    widget_->installEventFilter(key_filter_.get());
    for (QWidget* child : widget_->findChildren<QWidget*>()) {
        child->installEventFilter(key_filter_.get());
    }
    outer_height_ = properties.outer_height;
    place_on_screen();
    for (QTimer* timer : timers_) timer->start();
}

QtWindow::~QtWindow() {
    for (QTimer* timer : timers_) timer->stop();
    // The widgets go with widget_; the filter must outlive them.
    widget_.reset();
}

void QtWindow::create_control(const ControlSpec& row) {
    QWidget* parent = widget_.get();
    QWidget* widget = nullptr;
    const QString text = to_qstring(row.text);
    switch (row.kind) {
        case ControlKind::edit_box:
            if (row.multi_line) {
                auto* edit = new QPlainTextEdit(parent);
                edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
                edit->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
                edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
                edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                edit->setTabChangesFocus(true);
                edit->document()->setDocumentMargin(2);
                edit->setPlainText(text);
                edit->moveCursor(QTextCursor::Start);
                widget = edit;
            } else {
                auto* edit = new QLineEdit(parent);
                edit->setText(text);
                edit->setCursorPosition(0);
                edit->setTextMargins(0, 0, 0, 0);
                widget = edit;
            }
            set_edit_palette(widget);
            if (auto* frame = qobject_cast<QFrame*>(widget)) {
                frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);  // a thin sunken edge
                frame->setLineWidth(1);
            }
            break;
        case ControlKind::push_button: {
            auto* button = new QPushButton(parent);
            set_button_caption(button, text);
            button->setAutoDefault(false);  // Enter clicks no button anywhere
            button->setDefault(false);
            const std::string name = row.name;
            QObject::connect(button, &QPushButton::clicked, widget_.get(),
                             [this, name] { run_action(name, Event::clicked); });
            widget = button;
            break;
        }
        case ControlKind::radio_button: {
            auto* radio = new QRadioButton(parent);
            set_button_caption(radio, text);
            if (radio_group_ == nullptr) {
                radio_group_ = new QButtonGroup(widget_.get());
                radio_group_->setExclusive(true);
            }
            radio_group_->addButton(radio);
            radio->setChecked(row.checked);
            widget = radio;
            break;
        }
        case ControlKind::label: {
            auto* label = new LabelWidget(parent, row.label_text);
            label->set_text(text);
            widget = label;
            break;
        }
        case ControlKind::canvas:
            widget = new CanvasWidget(parent, row.font_height > 0 ? font_of_height(row.font_height)
                                                                  : QApplication::font());
            break;
        case ControlKind::timer: {
            auto* timer = new QTimer(widget_.get());
            timer->setInterval(std::max(1, row.interval_ms));
            const std::string name = row.name;
            QObject::connect(timer, &QTimer::timeout, widget_.get(),
                             [this, name] { run_action(name, Event::tick); });
            timers_.push_back(timer);
            break;
        }
    }
    if (widget != nullptr) {
        widget->setObjectName(name_to_qstring(row.name));
        widget->setGeometry(row.left, row.top, row.width, row.height);
        if (row.font_height > 0 && row.kind != ControlKind::canvas) {
            widget->setFont(font_of_height(row.font_height));
        }
        const bool takes_focus = row.kind != ControlKind::label && row.kind != ControlKind::canvas;
        widget->setFocusPolicy(!takes_focus   ? Qt::NoFocus
                               : row.tab_stop ? Qt::StrongFocus
                                              : Qt::ClickFocus);
        if (!row.shown) widget->hide();
    }
    controls_.push_back({&row, widget});
}

const QtWindow::Control* QtWindow::find(std::string_view name) const {
    for (const Control& control : controls_) {
        if (control.row->name == name) return &control;
    }
    return nullptr;
}

const QtWindow::Control* QtWindow::control_holding(const QWidget* widget) const {
    for (; widget != nullptr && widget != widget_.get(); widget = widget->parentWidget()) {
        for (const Control& control : controls_) {
            if (control.widget == widget) return &control;
        }
    }
    return nullptr;
}

// Centred on the primary screen for the defined outer size; the frame is learnt before the
// window is mapped where the window manager tells it, so the first showing is exact.
void QtWindow::place_on_screen() {
    const WindowProperties& properties = definition_.properties;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    outer_origin_ = screen.topLeft() + QPoint((screen.width() - properties.outer_width) / 2,
                                              (screen.height() - properties.outer_height) / 2);
    // The window manager judges the frame by the size hints: fix the size first.
    apply_size();
    const auto native = static_cast<unsigned int>(widget_->winId());  // created, not mapped
    std::optional<FrameExtents> frame = predict_frame_extents(native, kFramePredictionWait);
    if (!frame) frame = platform_.known_frame(properties.tool_window);
    frame_ = frame.value_or(FrameExtents{});
    apply_size();
    move_client();
}

// Qt on X11 places a top-level window by its client area.
void QtWindow::move_client() {
    widget_->move(outer_origin_ + QPoint(frame_.left, frame_.top));
}

void QtWindow::apply_size() {
    const int width = definition_.properties.outer_width - frame_.left - frame_.right;
    const int height = outer_height_ - frame_.top - frame_.bottom;
    widget_->setFixedSize(std::max(1, width), std::max(1, height));
}

void QtWindow::set_outer_height(int height) {
    outer_height_ = height;
    apply_size();
}

// The frame a window manager puts around a mapped window may differ from the one it told
// before (or it told none): then fix the size and the position.
void QtWindow::check_frame_after_show(int tries_left) {
    if (closed_) return;
    const auto native = static_cast<unsigned int>(widget_->winId());
    // The frame is final once the window manager has mapped the window.
    std::optional<FrameExtents> frame;
    if (window_viewable(native)) frame = current_frame_extents(native);
    if (frame || (tries_left == 0 && window_viewable(native))) {
        const FrameExtents found = frame.value_or(FrameExtents{});
        platform_.remember_frame(definition_.properties.tool_window, found);
        if (found != frame_) {
            frame_ = found;
            apply_size();
            move_client();
        }
        return;
    }
    if (tries_left > 0) {
        QTimer::singleShot(20, widget_.get(),
                           [this, tries_left] { check_frame_after_show(tries_left - 1); });
    }
}

template <typename Handler>
void QtWindow::run(Handler&& handler) {
    ++busy_;
    try {
        handler();
    } catch (const std::bad_alloc&) {
        platform_.fail("out of memory");
    } catch (const std::exception& e) {
        platform_.fail(e.what());
    }
    if (--busy_ == 0 && closed_) platform_.destroy_later(id_);
}

void QtWindow::run_action(const std::string& control, Event event) {
    if (closed_) return;
    const EventBinding* binding = definition_.find_binding(control, event);
    if (binding == nullptr) return;
    if (const auto* action = std::get_if<ActionHandler>(&binding->handler)) {
        ActionHandler handler = *action;  // the binding outlives nothing we cannot see
        run([&] { handler(*this); });
    }
}

void QtWindow::run_created() {
    run_action("", Event::created);
}

void QtWindow::show_and_activate(bool modal) {
    if (closed_) return;
    if (modal) widget_->setWindowModality(Qt::ApplicationModal);
    widget_->show();
    activate();
    check_frame_after_show(50);
}

void QtWindow::activate() {
    widget_->raise();
    widget_->activateWindow();
}

void QtWindow::restore() {
    widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
    widget_->show();
    activate();
}

bool QtWindow::is_minimised() const {
    return widget_->isMinimized();
}

int QtWindow::send_feedback(std::string_view control, int first, int second) {
    if (closed_) return 0;
    const EventBinding* binding = definition_.find_binding(control, Event::feedback);
    if (binding == nullptr) return 0;
    const auto* feedback = std::get_if<FeedbackHandler>(&binding->handler);
    if (feedback == nullptr) return 0;
    FeedbackHandler handler = *feedback;
    int result = 0;
    run([&] { result = handler(*this, first, second); });
    return result;
}

Text QtWindow::text(std::string_view name) const {
    const Control* control = find(name);
    if (control == nullptr || control->widget == nullptr) return Text();
    QWidget* w = control->widget;
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) return from_qstring(plain_text_of(edit));
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return from_qstring(edit->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) return from_qstring(button->text());
    if (auto* label = dynamic_cast<LabelWidget*>(w)) return from_qstring(label->text());
    return Text();
}

void QtWindow::set_text(std::string_view name, std::string_view text) {
    const Control* control = find(name);
    if (control == nullptr || control->widget == nullptr) return;
    QWidget* w = control->widget;
    const QString value = to_qstring(text);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        edit->setPlainText(value);
        edit->moveCursor(QTextCursor::Start);  // the caret at the start, scrolled to the top
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(value);
        edit->setCursorPosition(0);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        set_button_caption(button, value);
    } else if (auto* label = dynamic_cast<LabelWidget*>(w)) {
        label->set_text(value);
    }
}

bool QtWindow::is_checked(std::string_view name) const {
    const Control* control = find(name);
    auto* radio = control ? qobject_cast<QRadioButton*>(control->widget) : nullptr;
    return radio != nullptr && radio->isChecked();
}

void QtWindow::focus(std::string_view name) {
    const Control* control = find(name);
    if (control != nullptr && control->widget != nullptr) {
        control->widget->setFocus(Qt::OtherFocusReason);
    }
}

void QtWindow::close() {
    // Once the running handler has returned.
    QTimer::singleShot(0, widget_.get(), [this] {
        if (!closed_) widget_->close();
    });
}

void QtWindow::fill_canvas(std::string_view name) {
    const Control* control = find(name);
    if (auto* canvas = control ? dynamic_cast<CanvasWidget*>(control->widget) : nullptr) {
        canvas->clear();
    }
}

int QtWindow::draw_on_canvas(std::string_view name, int x, int y, Colour colour,
                             std::string_view text) {
    const Control* control = find(name);
    auto* canvas = control ? dynamic_cast<CanvasWidget*>(control->widget) : nullptr;
    if (canvas == nullptr) return 0;
    return canvas->draw(x, y, colour_of(colour), to_qstring(text));
}

void QtWindow::on_close(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    closed_ = true;
    for (QTimer* timer : timers_) timer->stop();
    platform_.window_closed(id_);
    if (busy_ == 0) platform_.destroy_later(id_);
}

bool QtWindow::on_key(QObject* watched, QKeyEvent* event) {
    if (closed_) return false;
    // A press the focused widget did not take goes on to its parents: decide only once.
    QWidget* focused_widget = QApplication::focusWidget();
    if (focused_widget != nullptr && focused_widget->window() != widget_.get()) {
        focused_widget = nullptr;
    }
    if (watched != (focused_widget ? static_cast<QObject*>(focused_widget) : widget_.get())) {
        return false;
    }
    const int code = virtual_key_code(*event);
    const int modifiers = modifier_state(*event);
    const Control* focused = control_holding(focused_widget);
    const ControlSpec* focused_row = focused ? focused->row : nullptr;
    switch (window_key_action(definition_, focused_row, code, modifiers)) {
        case WindowKeyAction::focus_next:
            move_focus(focused, true);
            return true;
        case WindowKeyAction::focus_previous:
            move_focus(focused, false);
            return true;
        case WindowKeyAction::close_window:
            close();
            return true;
        case WindowKeyAction::next_radio_button:
            move_radio(focused, true);
            return true;
        case WindowKeyAction::previous_radio_button:
            move_radio(focused, false);
            return true;
        case WindowKeyAction::activate_access_key:
            if (const ControlSpec* target = access_key_control(definition_, code)) {
                activate_access_key(*target);
            }
            return true;
        case WindowKeyAction::none:
            break;
    }
    if (focused == nullptr || code == 0) return false;
    const EventBinding* binding = definition_.find_binding(focused->row->name, Event::key_pressed);
    const auto* key_handler = binding ? std::get_if<KeyHandler>(&binding->handler) : nullptr;
    if (key_handler == nullptr) return false;
    KeyHandler handler = *key_handler;
    bool pass_on = true;
    run([&] { pass_on = handler(*this, code, modifiers); });
    return !pass_on || closed_;
}

void QtWindow::move_focus(const Control* from, bool forward) {
    const int count = static_cast<int>(controls_.size());
    int index = from ? static_cast<int>(from - controls_.data()) : (forward ? -1 : count);
    for (int step = 0; step < count; ++step) {
        index = (index + (forward ? 1 : -1) + count) % count;
        const Control& next = controls_[index];
        if (next.widget != nullptr && next.row->shown && next.row->tab_stop) {
            next.widget->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void QtWindow::move_radio(const Control* from, bool forward) {
    std::vector<const Control*> radios;
    int at = -1;
    for (const Control& control : controls_) {
        if (control.row->kind != ControlKind::radio_button || !control.row->shown) continue;
        if (&control == from) at = static_cast<int>(radios.size());
        radios.push_back(&control);
    }
    if (radios.empty() || at < 0) return;
    const int count = static_cast<int>(radios.size());
    const Control* next = radios[(at + (forward ? 1 : -1) + count) % count];
    next->widget->setFocus(Qt::OtherFocusReason);
    static_cast<QRadioButton*>(next->widget)->setChecked(true);
}

void QtWindow::activate_access_key(const ControlSpec& target) {
    const Control* control = find(target.name);
    if (control == nullptr || control->widget == nullptr) return;
    switch (target.kind) {
        case ControlKind::push_button:
            static_cast<QPushButton*>(control->widget)->click();
            break;
        case ControlKind::radio_button:
            control->widget->setFocus(Qt::ShortcutFocusReason);
            static_cast<QRadioButton*>(control->widget)->setChecked(true);
            break;
        case ControlKind::label:
            // A label's access key goes to the control after it.
            move_focus(control, true);
            break;
        default:
            control->widget->setFocus(Qt::ShortcutFocusReason);
            break;
    }
}

}  // namespace zurvane
