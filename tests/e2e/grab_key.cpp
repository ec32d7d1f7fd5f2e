// Another program that holds a key: grabs the bare key (F1 unless a keysym is given in hex) on
// the root window, prints "grabbed" once the X server has accepted, and holds it until killed.
// Build: c++ -o grab_key grab_key.cpp -lxcb
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    xcb_keysym_t keysym = argc > 1 ? std::strtoul(argv[1], nullptr, 16) : 0xffbe;  // F1
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) return 2;
    const xcb_setup_t* setup = xcb_get_setup(connection);
    xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;

    int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
    if (mapping == nullptr) return 2;
    const xcb_keysym_t* keysyms = xcb_get_keyboard_mapping_keysyms(mapping);
    int grabbed = 0;
    for (int i = 0; i < count; ++i) {
        if (keysyms[i * mapping->keysyms_per_keycode] != keysym) continue;
        xcb_keycode_t keycode = static_cast<xcb_keycode_t>(setup->min_keycode + i);
        xcb_generic_error_t* error = xcb_request_check(
            connection, xcb_grab_key_checked(connection, 1, root, 0, keycode, XCB_GRAB_MODE_ASYNC,
                                             XCB_GRAB_MODE_ASYNC));
        if (error != nullptr) {
            std::fprintf(stderr, "grab of keycode %d refused\n", keycode);
            return 1;
        }
        ++grabbed;
    }
    if (grabbed == 0) return 1;
    std::printf("grabbed\n");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) std::free(event);
    return 0;
}
