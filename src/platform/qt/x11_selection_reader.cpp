#include "platform/qt/x11_selection_reader.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zurvane {

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using XcbPtr = std::unique_ptr<T, FreeDeleter>;

enum class Transfer { ok, refused, timeout };

// Atoms, in the order of kAtomNames.
enum AtomIndex {
    clipboard,
    targets,
    utf8_string,
    text_plain_utf8,
    string,
    text,
    text_plain,
    incr,
    atom,
    atom_count
};
constexpr std::array<const char*, atom_count> kAtomNames = {
    "CLIPBOARD",  "TARGETS", "UTF8_STRING", "text/plain;charset=utf-8", "STRING", "TEXT",
    "text/plain", "INCR",    "ATOM",
};
// Each transfer lands in the next of these properties, so that a late answer to an earlier
// request that timed out is not taken for the answer to this one.
constexpr int kTransferProperties = 8;

// Text targets, best first.
constexpr std::array<AtomIndex, 5> kTextTargets = {utf8_string, text_plain_utf8, string, text,
                                                   text_plain};

std::string latin1_to_utf8(std::string_view latin1) {
    std::string out;
    out.reserve(latin1.size());
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

// A connection of our own with an unmapped window that receives the transfers. It lives as long
// as the reader, so that an owner answering late finds the window still there (xclip, for one,
// dies of a BadWindow error otherwise).
class X11SelectionReader::Session {
public:
    explicit Session(std::chrono::milliseconds patience) : patience_(patience) {
        int screen_number = 0;
        connection_ = xcb_connect(nullptr, &screen_number);
        if (xcb_connection_has_error(connection_)) return;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screen_number && it.rem > 0; ++i) xcb_screen_next(&it);
        if (it.rem == 0) return;
        std::array<xcb_intern_atom_cookie_t, atom_count> cookies{};
        for (int i = 0; i < atom_count; ++i) {
            cookies[i] = xcb_intern_atom(connection_, 0, std::strlen(kAtomNames[i]), kAtomNames[i]);
        }
        std::array<xcb_intern_atom_cookie_t, kTransferProperties> property_cookies{};
        for (int i = 0; i < kTransferProperties; ++i) {
            const std::string name = "ZURVANE_SELECTION_" + std::to_string(i);
            property_cookies[i] = xcb_intern_atom(connection_, 0, name.size(), name.c_str());
        }
        for (int i = 0; i < atom_count; ++i) {
            XcbPtr<xcb_intern_atom_reply_t> reply(
                xcb_intern_atom_reply(connection_, cookies[i], nullptr));
            if (!reply) return;
            atoms_[i] = reply->atom;
        }
        for (int i = 0; i < kTransferProperties; ++i) {
            XcbPtr<xcb_intern_atom_reply_t> reply(
                xcb_intern_atom_reply(connection_, property_cookies[i], nullptr));
            if (!reply) return;
            properties_[i] = reply->atom;
        }
        window_ = xcb_generate_id(connection_);
        const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, it.data->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                          &events);
        usable_ = true;
    }
    ~Session() {
        if (usable_) xcb_destroy_window(connection_, window_);
        xcb_disconnect(connection_);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool usable() const { return usable_ && !xcb_connection_has_error(connection_); }
    xcb_atom_t atom(AtomIndex index) const { return atoms_[index]; }

    xcb_window_t owner() {
        XcbPtr<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(
            connection_, xcb_get_selection_owner(connection_, atoms_[clipboard]), nullptr));
        return reply ? reply->owner : XCB_NONE;
    }

    // Asks the owner for the selection in target and collects the data, INCR transfers included.
    Transfer convert(xcb_atom_t target, std::string& data, xcb_atom_t& type) {
        property_ = properties_[next_property_];
        next_property_ = (next_property_ + 1) % kTransferProperties;
        const xcb_atom_t property = property_;
        data.clear();
        drop_queued_events();
        xcb_delete_property(connection_, window_, property);
        xcb_convert_selection(connection_, window_, atoms_[clipboard], target, property,
                              XCB_CURRENT_TIME);
        XcbPtr<xcb_generic_event_t> event = wait_for([&](xcb_generic_event_t* e) {
            if ((e->response_type & 0x7F) != XCB_SELECTION_NOTIFY) return false;
            auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(e);
            return notify->requestor == window_ && notify->selection == atoms_[clipboard] &&
                   notify->target == target &&
                   (notify->property == property || notify->property == XCB_NONE);
        });
        if (!event) return Transfer::timeout;
        auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(event.get());
        if (notify->property == XCB_NONE) return Transfer::refused;
        if (!take_property(data, type)) return Transfer::timeout;
        if (type != atoms_[incr]) return Transfer::ok;

        // INCR: the owner sends pieces, each once we have deleted the one before (take_property
        // did); an empty piece ends the transfer.
        data.clear();
        for (;;) {
            XcbPtr<xcb_generic_event_t> piece = wait_for([&](xcb_generic_event_t* e) {
                if ((e->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
                auto* p = reinterpret_cast<xcb_property_notify_event_t*>(e);
                return p->window == window_ && p->atom == property &&
                       p->state == XCB_PROPERTY_NEW_VALUE;
            });
            if (!piece) return Transfer::timeout;
            std::string chunk;
            if (!take_property(chunk, type)) return Transfer::timeout;
            if (chunk.empty()) return Transfer::ok;
            data += chunk;
        }
    }

private:
    // Answers to earlier requests, and the notices of our own property changes.
    void drop_queued_events() {
        while (xcb_generic_event_t* e = xcb_poll_for_event(connection_)) std::free(e);
    }

    // Reads and deletes the transfer property.
    bool take_property(std::string& data, xcb_atom_t& type) {
        constexpr uint32_t kPieceLongs = 1u << 20;  // 4 MiB per request
        uint32_t offset = 0;
        for (;;) {
            xcb_get_property_cookie_t cookie = xcb_get_property(
                connection_, 1, window_, property_, XCB_GET_PROPERTY_TYPE_ANY, offset, kPieceLongs);
            XcbPtr<xcb_get_property_reply_t> reply(
                xcb_get_property_reply(connection_, cookie, nullptr));
            if (!reply) return false;
            type = reply->type;
            const int length = xcb_get_property_value_length(reply.get());
            data.append(static_cast<const char*>(xcb_get_property_value(reply.get())),
                        static_cast<size_t>(length));
            if (reply->bytes_after == 0) return true;
            offset += static_cast<uint32_t>(length) / 4;
        }
    }

    template <typename Match>
    XcbPtr<xcb_generic_event_t> wait_for(Match match) {
        xcb_flush(connection_);
        const Clock::time_point deadline = Clock::now() + patience_;
        for (;;) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(connection_)) {
                XcbPtr<xcb_generic_event_t> event(e);
                if (match(e)) return event;
            }
            if (xcb_connection_has_error(connection_)) return nullptr;
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) return nullptr;
            pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
            poll(&fd, 1, static_cast<int>(left.count()) + 1);
        }
    }

    std::chrono::milliseconds patience_;
    xcb_connection_t* connection_ = nullptr;
    std::array<xcb_atom_t, atom_count> atoms_{};
    std::array<xcb_atom_t, kTransferProperties> properties_{};
    xcb_atom_t property_ = XCB_NONE;  // of the transfer under way
    int next_property_ = 0;
    xcb_window_t window_ = 0;
    bool usable_ = false;
};

namespace {

enum class TargetList { listed, not_listed, timeout };

TargetList read_targets(X11SelectionReader::Session& session, std::vector<xcb_atom_t>& targets) {
    std::string data;
    xcb_atom_t type = XCB_NONE;
    switch (session.convert(session.atom(AtomIndex::targets), data, type)) {
        case Transfer::timeout:
            return TargetList::timeout;
        case Transfer::refused:
            return TargetList::not_listed;
        case Transfer::ok:
            break;
    }
    targets.resize(data.size() / sizeof(xcb_atom_t));
    std::memcpy(targets.data(), data.data(), targets.size() * sizeof(xcb_atom_t));
    return TargetList::listed;
}

bool contains(const std::vector<xcb_atom_t>& list, xcb_atom_t atom) {
    for (xcb_atom_t a : list) {
        if (a == atom) return true;
    }
    return false;
}

}  // namespace

X11SelectionReader::X11SelectionReader(SelectionLimits limits) : limits_(limits) {}
X11SelectionReader::~X11SelectionReader() = default;

X11SelectionReader::Session* X11SelectionReader::session() {
    // A connection that broke (the server went away, say) is made anew at the next use.
    if (!session_ || !session_->usable()) {
        session_.reset();
        session_ = std::make_unique<Session>(limits_.patience);
    }
    return session_->usable() ? session_.get() : nullptr;
}

unsigned int X11SelectionReader::clipboard_owner() {
    Session* s = session();
    return s ? s->owner() : 0;
}

SelectionOffer X11SelectionReader::clipboard_offer() {
    Session* s = session();
    if (s == nullptr) return SelectionOffer::unreadable;
    Session& session = *s;
    if (session.owner() == XCB_NONE) return SelectionOffer::no_text;
    std::vector<xcb_atom_t> targets;
    switch (read_targets(session, targets)) {
        case TargetList::timeout:
            return SelectionOffer::unreadable;
        case TargetList::not_listed:
            return SelectionOffer::text;  // the read will find out
        case TargetList::listed:
            break;
    }
    for (AtomIndex t : kTextTargets) {
        if (contains(targets, session.atom(t))) return SelectionOffer::text;
    }
    return SelectionOffer::no_text;
}

std::optional<std::string> X11SelectionReader::clipboard_utf8() {
    Session* s = session();
    if (s == nullptr) return std::nullopt;
    Session& session = *s;
    if (session.owner() == XCB_NONE) return std::string();

    std::vector<xcb_atom_t> targets;
    std::vector<xcb_atom_t> tries;
    switch (read_targets(session, targets)) {
        case TargetList::timeout:
            return std::nullopt;
        case TargetList::not_listed:
            tries = {session.atom(utf8_string), session.atom(string)};
            break;
        case TargetList::listed:
            for (AtomIndex t : kTextTargets) {
                if (contains(targets, session.atom(t))) tries.push_back(session.atom(t));
            }
            break;
    }
    for (xcb_atom_t target : tries) {
        std::string data;
        xcb_atom_t type = XCB_NONE;
        switch (session.convert(target, data, type)) {
            case Transfer::timeout:
                return std::nullopt;
            case Transfer::refused:
                continue;
            case Transfer::ok:
                // STRING is Latin-1; everything else offered as text here is UTF-8.
                if (type == session.atom(string)) return latin1_to_utf8(data);
                return data;
        }
    }
    return std::string();  // no text target worked: the clipboard holds no text
}

}  // namespace zurvane
