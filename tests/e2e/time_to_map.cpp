// Starts a program and reports, from outside, how long it took until a window was mapped on
// the root window (its own, or the frame a window manager put around it): "MAP_US" in
// microseconds from the start. The program is left running, its output going to /dev/null so
// that a reader of ours need not wait for it. Fails (exit 1) after SECONDS.
// Usage: time_to_map SECONDS COMMAND [ARGUMENT...]
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: time_to_map SECONDS COMMAND [ARGUMENT...]\n");
        return 1;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "time_to_map: no X display\n");
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const auto limit = start + std::chrono::seconds(std::atoi(argv[1]));
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[2], &quiet, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "time_to_map: cannot start %s\n", argv[2]);
        return 1;
    }
    pollfd fd{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < limit) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (!mapped) continue;
            auto us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
            std::printf("%lld\n", static_cast<long long>(us.count()));
            return 0;
        }
        poll(&fd, 1, 10);
    }
    std::fprintf(stderr, "time_to_map: no window was mapped\n");
    return 1;
}
