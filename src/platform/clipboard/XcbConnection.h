// A connection to the display for the clipboard: the xcb connection, an unmapped window of ours
// that owns and requests selections, and the atoms the exchange uses. Waiting for an event with
// a deadline happens here, so that no other code touches the socket.
#pragma once

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace vesk {

struct XcbFree {
    void operator()(void* pointer) const { std::free(pointer); }
};
using XcbEvent = std::unique_ptr<xcb_generic_event_t, XcbFree>;
template <class Reply>
using XcbReply = std::unique_ptr<Reply, XcbFree>;

// The kind of an event, without the bit that marks events another client sent.
inline uint8_t EventKind(const xcb_generic_event_t& event) { return event.response_type & 0x7F; }

struct ClipboardAtoms {
    xcb_atom_t clipboard = XCB_NONE;
    xcb_atom_t targets = XCB_NONE;
    xcb_atom_t waveX = XCB_NONE;  // "audio/x-wav", what sound programs ask for first
    xcb_atom_t wave = XCB_NONE;   // "audio/wav"
    xcb_atom_t incr = XCB_NONE;
    xcb_atom_t transfer = XCB_NONE;  // the property on our window that receives what we request
};

class XcbConnection {
public:
    using Clock = std::chrono::steady_clock;

    // Connects to the display DISPLAY names; nullptr when it is unset or no server accepts us.
    static std::unique_ptr<XcbConnection> Open();
    ~XcbConnection();
    XcbConnection(const XcbConnection&) = delete;
    XcbConnection& operator=(const XcbConnection&) = delete;

    xcb_connection_t* Get() const { return connection_; }
    xcb_window_t Window() const { return window_; }
    const ClipboardAtoms& Atoms() const { return atoms_; }
    int Descriptor() const { return xcb_get_file_descriptor(connection_); }
    // The most bytes one property write of ours may carry; larger images go in pieces.
    size_t PieceBytes() const { return pieceBytes_; }

    // An event that has arrived, without waiting; nullptr when none has.
    XcbEvent PollEvent() const;
    // The next event, waiting until `deadline`; nullptr when none came or the connection broke.
    XcbEvent WaitEvent(Clock::time_point deadline) const;

private:
    XcbConnection(xcb_connection_t* connection, const xcb_screen_t& screen);
    void InternAtoms();

    xcb_connection_t* connection_;
    xcb_window_t window_ = XCB_NONE;
    ClipboardAtoms atoms_;
    size_t pieceBytes_ = 0;
};

}  // namespace vesk
