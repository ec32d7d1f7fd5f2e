// A registration grabs its key on the root window for every keycode that produces the key's
// keysym, once bare and once with each combination of the lock modifiers (Caps Lock, Num Lock,
// Scroll Lock where mapped), so that the key works whatever lock is on. X grabs belong to the
// connection, so the X server drops them when the tool ends.
#include "platform/qt/x11_hotkey_grabber.h"

#include <xcb/xcb.h>

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QObject>
#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/qt/qt_keys.h"
#include "platform/qt/x11_display.h"

namespace zurvane {

namespace {

constexpr xcb_keysym_t num_lock_keysym = 0xff7f;
constexpr xcb_keysym_t scroll_lock_keysym = 0xff14;
// The modifier bits a key event's state compares on; the rest are buttons and the XKB group.
constexpr std::uint16_t modifier_bits = 0xff;

struct KeyGrab {
    xcb_keycode_t keycode;
    std::uint16_t modifiers;
    bool operator==(const KeyGrab&) const = default;
};

// The core keyboard mapping: keysyms_per_keycode columns for each keycode from min_keycode.
struct KeyboardMapping {
    xcb_keycode_t min_keycode = 0;
    int per_keycode = 0;
    std::vector<xcb_keysym_t> keysyms;

    xcb_keysym_t at(int keycode, int column) const {
        std::size_t index = static_cast<std::size_t>(keycode - min_keycode) * per_keycode + column;
        return column < per_keycode && index < keysyms.size() ? keysyms[index] : 0;
    }
    int keycode_count() const { return per_keycode ? int(keysyms.size()) / per_keycode : 0; }
};

KeyboardMapping read_keyboard_mapping(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    KeyboardMapping mapping;
    mapping.min_keycode = setup->min_keycode;
    auto cookie = xcb_get_keyboard_mapping(connection, setup->min_keycode,
                                           setup->max_keycode - setup->min_keycode + 1);
    xcb_get_keyboard_mapping_reply_t* reply =
        xcb_get_keyboard_mapping_reply(connection, cookie, nullptr);
    if (reply == nullptr) return mapping;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(reply);
    mapping.keysyms.assign(keysyms, keysyms + xcb_get_keyboard_mapping_keysyms_length(reply));
    mapping.per_keycode = reply->keysyms_per_keycode;
    std::free(reply);
    return mapping;
}

// The keycodes whose unmodified press gives keysym; failing that, those that give it with
// Shift (a layout whose digits are shifted still has the digit keys).
std::vector<xcb_keycode_t> keycodes_for(const KeyboardMapping& mapping, xcb_keysym_t keysym) {
    std::vector<xcb_keycode_t> keycodes;
    for (int columns = 1; columns <= 2 && keycodes.empty(); ++columns) {
        for (int i = 0; i < mapping.keycode_count(); ++i) {
            int keycode = mapping.min_keycode + i;
            for (int column = 0; column < columns; ++column) {
                if (mapping.at(keycode, column) == keysym) {
                    keycodes.push_back(static_cast<xcb_keycode_t>(keycode));
                    break;
                }
            }
        }
    }
    return keycodes;
}

// The modifier bit (Mod1..Mod5) that a key with keysym is mapped to, or 0.
std::uint16_t modifier_of(xcb_connection_t* connection, const KeyboardMapping& mapping,
                          xcb_keysym_t keysym) {
    auto cookie = xcb_get_modifier_mapping(connection);
    xcb_get_modifier_mapping_reply_t* reply =
        xcb_get_modifier_mapping_reply(connection, cookie, nullptr);
    if (reply == nullptr) return 0;
    const xcb_keycode_t* keycodes = xcb_get_modifier_mapping_keycodes(reply);
    const int per_modifier = reply->keycodes_per_modifier;
    std::uint16_t found = 0;
    for (int modifier = 3; modifier < 8 && found == 0; ++modifier) {  // Mod1..Mod5
        for (int k = 0; k < per_modifier && found == 0; ++k) {
            xcb_keycode_t keycode = keycodes[modifier * per_modifier + k];
            if (keycode == 0) continue;
            for (int column = 0; column < mapping.per_keycode; ++column)
                if (mapping.at(keycode, column) == keysym) found = std::uint16_t(1u << modifier);
        }
    }
    std::free(reply);
    return found;
}

// Every combination of the lock modifiers that are mapped, the empty one first.
std::vector<std::uint16_t> lock_combinations(std::uint16_t num_lock, std::uint16_t scroll_lock) {
    std::vector<std::uint16_t> locks = {XCB_MOD_MASK_LOCK};
    for (std::uint16_t lock : {num_lock, scroll_lock})
        if (lock != 0 && std::find(locks.begin(), locks.end(), lock) == locks.end())
            locks.push_back(lock);
    std::vector<std::uint16_t> combinations;
    for (unsigned subset = 0; subset < (1u << locks.size()); ++subset) {
        std::uint16_t mask = 0;
        for (std::size_t i = 0; i < locks.size(); ++i)
            if (subset & (1u << i)) mask |= locks[i];
        combinations.push_back(mask);
    }
    return combinations;
}

// Ctrl 1, Shift 2, Alt 4 (and Win 8) as X modifier bits.
std::uint16_t x_modifiers(int modifiers) {
    std::uint16_t mask = 0;
    if (modifiers & 1) mask |= XCB_MOD_MASK_CONTROL;
    if (modifiers & 2) mask |= XCB_MOD_MASK_SHIFT;
    if (modifiers & 4) mask |= XCB_MOD_MASK_1;
    if (modifiers & 8) mask |= XCB_MOD_MASK_4;
    return mask;
}

}  // namespace

struct X11HotkeyGrabber::State : QAbstractNativeEventFilter {
    struct Registration {
        WindowId window;
        int id;
        std::vector<KeyGrab> grabs;
    };

    ~State() override {
        if (filter_installed && QCoreApplication::instance() != nullptr)
            QCoreApplication::instance()->removeNativeEventFilter(this);
    }

    // Presses are handed on from the event loop, not from inside Qt's processing of X events:
    // the sink runs the one-click operation, which may open a message box with its own loop.
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        auto* event = static_cast<xcb_generic_event_t*>(message);
        std::uint8_t kind = event->response_type & 0x7f;
        if (kind != XCB_KEY_PRESS && kind != XCB_KEY_RELEASE) return false;
        auto* key = reinterpret_cast<xcb_key_press_event_t*>(event);
        if (key->event != root) return false;
        const Registration* registration =
            find(KeyGrab{key->detail, std::uint16_t(key->state & modifier_bits)});
        if (registration == nullptr) return false;
        if (kind == XCB_KEY_PRESS) {
            WindowId window = registration->window;
            int id = registration->id;
            QMetaObject::invokeMethod(
                &context,
                [this, window, id] {
                    HotkeySink deliver = sink;  // the sink may be replaced while it runs
                    if (deliver) deliver(window, id);
                },
                Qt::QueuedConnection);
        }
        return true;
    }

    const Registration* find(KeyGrab grab) const {
        for (const auto& registration : registrations)
            if (std::find(registration.grabs.begin(), registration.grabs.end(), grab) !=
                registration.grabs.end())
                return &registration;
        return nullptr;
    }

    void install_filter() {
        if (filter_installed || QCoreApplication::instance() == nullptr) return;
        QCoreApplication::instance()->installNativeEventFilter(this);
        filter_installed = true;
    }

    void ungrab(const std::vector<KeyGrab>& grabs) {
        for (const KeyGrab& grab : grabs)
            xcb_ungrab_key(connection, grab.keycode, root, grab.modifiers);
        xcb_flush(connection);
    }

    xcb_connection_t* connection = nullptr;
    xcb_window_t root = 0;
    HotkeySink sink;
    std::vector<Registration> registrations;
    bool filter_installed = false;
    QObject context;  // queued presses die with it
};

X11HotkeyGrabber::X11HotkeyGrabber() : state_(std::make_unique<State>()) {
    state_->connection = qt_xcb_connection();
    state_->root = state_->connection ? qt_xcb_root_window() : 0;
    if (state_->root == 0) state_->connection = nullptr;
}

X11HotkeyGrabber::~X11HotkeyGrabber() {
    if (state_->connection != nullptr && !xcb_connection_has_error(state_->connection))
        for (const auto& registration : state_->registrations) state_->ungrab(registration.grabs);
}

bool X11HotkeyGrabber::grab(WindowId window, int id, int modifiers, int key_code) {
    xcb_connection_t* connection = state_->connection;
    if (connection == nullptr || xcb_connection_has_error(connection)) return false;

    KeyboardMapping mapping = read_keyboard_mapping(connection);
    std::vector<xcb_keycode_t> keycodes;
    for (xcb_keysym_t keysym : keysyms_for_virtual_key(key_code))
        for (xcb_keycode_t keycode : keycodes_for(mapping, keysym))
            if (std::find(keycodes.begin(), keycodes.end(), keycode) == keycodes.end())
                keycodes.push_back(keycode);
    if (keycodes.empty()) return false;  // no key on this keyboard gives that code

    std::uint16_t base = x_modifiers(modifiers);
    std::vector<KeyGrab> wanted;
    for (std::uint16_t locks :
         lock_combinations(modifier_of(connection, mapping, num_lock_keysym),
                           modifier_of(connection, mapping, scroll_lock_keysym)))
        for (xcb_keycode_t keycode : keycodes)
            wanted.push_back({keycode, std::uint16_t((base | locks) & modifier_bits)});
    // X lets a client grab its own key again without complaint; the tool's own earlier
    // registration of the key is a refusal, as another program's would be.
    for (const KeyGrab& grab : wanted)
        if (state_->find(grab) != nullptr) return false;

    std::vector<xcb_void_cookie_t> cookies;
    cookies.reserve(wanted.size());
    for (const KeyGrab& grab : wanted)
        cookies.push_back(xcb_grab_key_checked(connection, /*owner_events=*/0, state_->root,
                                               grab.modifiers, grab.keycode, XCB_GRAB_MODE_ASYNC,
                                               XCB_GRAB_MODE_ASYNC));
    std::vector<KeyGrab> held;
    bool refused = false;
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        if (xcb_generic_error_t* error = xcb_request_check(connection, cookies[i])) {
            refused = true;  // BadAccess: another client holds this combination
            std::free(error);
        } else {
            held.push_back(wanted[i]);
        }
    }
    if (refused) {
        state_->ungrab(held);
        return false;
    }
    state_->registrations.push_back({window, id, std::move(held)});
    state_->install_filter();
    return true;
}

bool X11HotkeyGrabber::release(WindowId window, int id) {
    auto& registrations = state_->registrations;
    auto it = std::find_if(
        registrations.begin(), registrations.end(),
        [&](const State::Registration& r) { return r.window == window && r.id == id; });
    if (it == registrations.end()) return false;
    if (!xcb_connection_has_error(state_->connection)) state_->ungrab(it->grabs);
    registrations.erase(it);
    return true;
}

void X11HotkeyGrabber::set_sink(HotkeySink sink) {
    state_->sink = std::move(sink);
}

}  // namespace zurvane
