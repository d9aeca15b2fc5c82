#include "platform/clipboard/XcbConnection.h"

#include <poll.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace vesk {

namespace {

// Pieces of an incremental transfer: small enough for any server and to keep little in flight,
// large enough that a minute of CD sound takes a few dozen round trips.
constexpr size_t kMaxPieceBytes = 256 * 1024;
// Room for the header of the request that carries a piece.
constexpr size_t kRequestHeaderBytes = 64;

xcb_atom_t Reply(xcb_connection_t* connection, xcb_intern_atom_cookie_t cookie) {
    XcbReply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : XCB_NONE;
}

}  // namespace

std::unique_ptr<XcbConnection> XcbConnection::Open() {
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display) return nullptr;
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(display, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        return nullptr;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) xcb_screen_next(&screens);
    if (screens.rem == 0) {
        xcb_disconnect(connection);
        return nullptr;
    }
    return std::unique_ptr<XcbConnection>(new XcbConnection(connection, *screens.data));
}

XcbConnection::XcbConnection(xcb_connection_t* connection, const xcb_screen_t& screen) : connection_(connection) {
    window_ = xcb_generate_id(connection_);
    // Property changes on our window tell us when a requested piece has arrived.
    const uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen.root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    InternAtoms();
    const size_t requestBytes = size_t{xcb_get_maximum_request_length(connection_)} * 4;
    pieceBytes_ = std::min(kMaxPieceBytes, requestBytes - kRequestHeaderBytes);
}

XcbConnection::~XcbConnection() { xcb_disconnect(connection_); }

void XcbConnection::InternAtoms() {
    constexpr std::array<std::string_view, 6> names = {"CLIPBOARD", "TARGETS", "audio/x-wav",
                                                       "audio/wav", "INCR",    "VESK_CLIPBOARD"};
    std::array<xcb_intern_atom_cookie_t, names.size()> cookies{};
    // All requests first, then the replies: one round trip instead of six.
    for (size_t i = 0; i < names.size(); ++i) {
        cookies[i] = xcb_intern_atom(connection_, 0, static_cast<uint16_t>(names[i].size()), names[i].data());
    }
    atoms_.clipboard = Reply(connection_, cookies[0]);
    atoms_.targets = Reply(connection_, cookies[1]);
    atoms_.waveX = Reply(connection_, cookies[2]);
    atoms_.wave = Reply(connection_, cookies[3]);
    atoms_.incr = Reply(connection_, cookies[4]);
    atoms_.transfer = Reply(connection_, cookies[5]);
}

XcbEvent XcbConnection::PollEvent() const { return XcbEvent(xcb_poll_for_event(connection_)); }

XcbEvent XcbConnection::WaitEvent(Clock::time_point deadline) const {
    xcb_flush(connection_);
    for (;;) {
        // Events may already sit in xcb's buffer (read while waiting for a reply), so the queue
        // is asked before the socket.
        if (XcbEvent event = PollEvent()) return event;
        if (xcb_connection_has_error(connection_)) return nullptr;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return nullptr;
        pollfd socket{Descriptor(), POLLIN, 0};
        ::poll(&socket, 1, static_cast<int>(left));
    }
}

}  // namespace vesk
