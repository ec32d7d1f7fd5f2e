// Runs a user's action (an xdotool command: a key press, a click) and reports, from outside
// every other program, how long it took until another client owned the clipboard and until its
// text could be read: "OWNER_US TEXT_US" in microseconds from the start of the command. Fails
// (exit 1) when the text read is not the expected one, or nothing happened within the time limit.
// With "-" for the file only the owner change is timed (TEXT_US is then 0): large texts go by
// incremental transfer, which this client does not read; check them with xclip afterwards.
// Usage: clipboard_after_key EXPECTED_TEXT_FILE|- SECONDS COMMAND [ARGUMENT...]
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

xcb_window_t owner(xcb_connection_t* connection, xcb_atom_t selection) {
    xcb_get_selection_owner_reply_t* reply = xcb_get_selection_owner_reply(
        connection, xcb_get_selection_owner(connection, selection), nullptr);
    xcb_window_t result = reply ? reply->owner : XCB_NONE;
    std::free(reply);
    return result;
}

long long microseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration_cast<std::chrono::microseconds>(to - from).count();
}

int fail(const char* why) {
    std::fprintf(stderr, "clipboard_after_key: %s\n", why);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4)
        return fail(
            "usage: clipboard_after_key EXPECTED_TEXT_FILE|- SECONDS COMMAND [ARGUMENT...]");
    const bool check_text = std::strcmp(argv[1], "-") != 0;
    std::string expected;
    if (check_text) {
        std::ifstream file(argv[1], std::ios::binary);
        expected.assign(std::istreambuf_iterator<char>(file), {});
    }
    const auto limit = std::chrono::seconds(std::atoi(argv[2]));

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) return fail("no X display");
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    xcb_window_t window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t clipboard = atom(connection, "CLIPBOARD");
    const xcb_atom_t utf8 = atom(connection, "UTF8_STRING");
    const xcb_atom_t property = atom(connection, "CLIPBOARD_AFTER_KEY");
    const xcb_window_t before = owner(connection, clipboard);

    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[3], nullptr, nullptr, argv + 3, environ) != 0)
        return fail("cannot start the command");

    // A round trip every 200 µs: fine enough, and leaves the CPU to the program being timed.
    xcb_window_t now_owner = before;
    while ((now_owner = owner(connection, clipboard)) == before || now_owner == XCB_NONE) {
        if (Clock::now() - start > limit) return fail("the clipboard owner stayed");
        usleep(200);
    }
    const auto owned = Clock::now();
    if (!check_text) {
        waitpid(pid, nullptr, 0);
        std::printf("%lld 0\n", microseconds(start, owned));
        return 0;
    }

    xcb_convert_selection(connection, window, clipboard, utf8, property, XCB_CURRENT_TIME);
    xcb_flush(connection);
    std::string text;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        bool notify = (event->response_type & 0x7f) == XCB_SELECTION_NOTIFY;
        bool refused =
            notify && reinterpret_cast<xcb_selection_notify_event_t*>(event)->property == XCB_NONE;
        std::free(event);
        if (refused) return fail("the owner refused the text");
        if (!notify) continue;
        xcb_get_property_reply_t* reply =
            xcb_get_property_reply(connection,
                                   xcb_get_property(connection, 1, window, property,
                                                    XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 24),
                                   nullptr);
        if (reply == nullptr) return fail("cannot read the text");
        text.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                    xcb_get_property_value_length(reply));
        std::free(reply);
        break;
    }
    const auto read = Clock::now();
    int status = 0;
    waitpid(pid, &status, 0);
    if (text != expected) {
        std::fprintf(stderr, "clipboard_after_key: got %zu bytes, expected %zu\n", text.size(),
                     expected.size());
        return 1;
    }
    std::printf("%lld %lld\n", microseconds(start, owned), microseconds(start, read));
    return 0;
}
