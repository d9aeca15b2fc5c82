// The owner's side of the CLIPBOARD selection: takes the selection for one wave image and answers
// the requests of other programs for it (TARGETS, audio/x-wav, audio/wav), in pieces when the
// image is larger than one property may be. Loses the image when another program takes the
// selection; transfers already under way still finish, unless their requestor stops taking
// pieces (it quit, say), which drops them.
#pragma once

#include <chrono>
#include <memory>
#include <vector>

#include "platform/clipboard/IncrSender.h"
#include "platform/clipboard/XcbConnection.h"

namespace vesk {

class SelectionOwner {
public:
    // A transfer whose requestor took no piece for this long is dropped with its image.
    static constexpr std::chrono::seconds kStalledTransfer{30};

    // connection outlives the owner.
    explicit SelectionOwner(const XcbConnection& connection) : x_(connection) {}

    // Takes the selection for `image`; false when the server gave it to someone else.
    bool Take(std::shared_ptr<const std::vector<uint8_t>> image);
    // Gives the selection up if we still hold it.
    void Release();
    bool HoldsImage() const { return image_ != nullptr; }

    // Handles the event when it concerns the owner (a request, the loss of the selection, a
    // requestor deleting a piece); other events are left alone.
    void Handle(const xcb_generic_event_t& event);

private:
    // One incremental transfer under way: where its pieces go and what cuts them.
    struct Transfer {
        xcb_window_t requestor;
        xcb_atom_t property;
        xcb_atom_t type;
        IncrSender sender;
        XcbConnection::Clock::time_point lastPiece;
    };

    void Answer(const xcb_selection_request_event_t& request);
    void WriteTargets(xcb_window_t requestor, xcb_atom_t property);
    void WriteImage(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type);
    void SendNextPiece(const xcb_property_notify_event_t& deleted);
    void DropStalledTransfers();
    // Ends the transfer; stops watching its requestor when no other transfer goes there.
    void Finish(std::vector<Transfer>::iterator transfer);
    // Property changes of a requestor's window reach us only while we ask for them.
    void WatchRequestor(xcb_window_t requestor, bool watch);
    bool IsOfferedType(xcb_atom_t target) const;
    bool StillOwner() const;

    const XcbConnection& x_;
    std::shared_ptr<const std::vector<uint8_t>> image_;
    std::vector<Transfer> transfers_;
};

}  // namespace vesk
