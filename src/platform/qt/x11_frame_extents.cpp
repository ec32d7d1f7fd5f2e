#include "platform/qt/x11_frame_extents.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

#include "platform/qt/x11_display.h"

namespace zurvane {

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t intern(xcb_connection_t* c, const char* name) {
    XcbPtr<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : XCB_NONE;
}

XcbPtr<xcb_get_property_reply_t> property(xcb_connection_t* c, xcb_window_t window, xcb_atom_t name,
                                          xcb_atom_t type, uint32_t longs) {
    return XcbPtr<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, longs), nullptr));
}

// The window manager's check window, if an EWMH window manager runs.
bool window_manager_runs(xcb_connection_t* c, xcb_window_t root) {
    const xcb_atom_t check = intern(c, "_NET_SUPPORTING_WM_CHECK");
    auto on_root = property(c, root, check, XCB_ATOM_WINDOW, 1);
    if (!on_root || xcb_get_property_value_length(on_root.get()) != 4) return false;
    const xcb_window_t child = *static_cast<xcb_window_t*>(xcb_get_property_value(on_root.get()));
    // A window manager that died leaves the root's property behind, but not its child window.
    auto on_child = property(c, child, check, XCB_ATOM_WINDOW, 1);
    return on_child && xcb_get_property_value_length(on_child.get()) == 4 &&
           *static_cast<xcb_window_t*>(xcb_get_property_value(on_child.get())) == child;
}

bool supports(xcb_connection_t* c, xcb_window_t root, xcb_atom_t wanted) {
    auto supported = property(c, root, intern(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (!supported) return false;
    const int count = xcb_get_property_value_length(supported.get()) / 4;
    auto* atoms = static_cast<xcb_atom_t*>(xcb_get_property_value(supported.get()));
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == wanted) return true;
    }
    return false;
}

std::optional<FrameExtents> read_extents(xcb_connection_t* c, xcb_window_t window,
                                         xcb_atom_t name) {
    auto reply = property(c, window, name, XCB_ATOM_CARDINAL, 4);
    if (!reply || xcb_get_property_value_length(reply.get()) != 16) return std::nullopt;
    auto* v = static_cast<uint32_t*>(xcb_get_property_value(reply.get()));
    return FrameExtents{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                        static_cast<int>(v[3])};
}

}  // namespace

std::optional<FrameExtents> predict_frame_extents(unsigned int window,
                                                  std::chrono::milliseconds wait) {
    xcb_connection_t* c = qt_xcb_connection();
    const xcb_window_t root = qt_xcb_root_window();
    if (c == nullptr || root == 0) return FrameExtents{};
    if (!window_manager_runs(c, root)) return FrameExtents{};
    const xcb_atom_t request = intern(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = intern(c, "_NET_FRAME_EXTENTS");
    if (!supports(c, root, request)) return std::nullopt;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = request;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
    // The answer is a property on our window; Qt's event thread owns the events, so poll it.
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (auto found = read_extents(c, window, extents)) return found;
        if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

bool window_viewable(unsigned int window) {
    xcb_connection_t* c = qt_xcb_connection();
    if (c == nullptr) return false;
    XcbPtr<xcb_get_window_attributes_reply_t> reply(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
}

std::optional<FrameExtents> current_frame_extents(unsigned int window) {
    xcb_connection_t* c = qt_xcb_connection();
    if (c == nullptr) return std::nullopt;
    return read_extents(c, window, intern(c, "_NET_FRAME_EXTENTS"));
}

}  // namespace zurvane
