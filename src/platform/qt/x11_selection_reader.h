// Reads the CLIPBOARD selection of another X client on a connection of its own, with a time
// limit, so that an owner that does not answer is told apart from one that offers empty text.
// (Qt's clipboard gives an empty text in both cases.) Not for a selection this process owns:
// its owner is served by Qt's event loop, which waits while we do.
#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace zurvane {

enum class SelectionOffer {
    no_text,     // no owner, or an owner that offers no text target
    text,        // a text target is offered (or the owner does not list its targets)
    unreadable,  // the owner did not answer in time, or the display failed
};

struct SelectionLimits {
    // How long one answer (the owner's reply, or the next piece of a large transfer) may take.
    std::chrono::milliseconds patience{1500};
};

class X11SelectionReader {
public:
    explicit X11SelectionReader(SelectionLimits limits = {});
    ~X11SelectionReader();
    X11SelectionReader(const X11SelectionReader&) = delete;
    X11SelectionReader& operator=(const X11SelectionReader&) = delete;

    // The X window that owns CLIPBOARD now, 0 if none or the display cannot be reached.
    unsigned int clipboard_owner();
    SelectionOffer clipboard_offer();
    // The clipboard's text as UTF-8; empty when it offers none; nullopt when it cannot be read.
    std::optional<std::string> clipboard_utf8();

    class Session;

private:
    Session* session();  // connected on first use; null if the display cannot be reached

    SelectionLimits limits_;
    std::unique_ptr<Session> session_;
};

}  // namespace zurvane
