// The requestor's side of the CLIPBOARD selection: asks the owner for the wave image, as
// audio/x-wav and, when the owner refuses that, as audio/wav, and collects it whole or in
// pieces. Every wait has a deadline, so an owner that never answers costs one timeout.
// Events that arrive meanwhile and are not the answer go to `others` (our own offer keeps being
// served, which also lets a control paste what it offered itself).
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <vector>

#include "platform/clipboard/XcbConnection.h"

namespace vesk {

class SelectionRequester {
public:
    using EventHandler = std::function<void(const xcb_generic_event_t&)>;

    // connection outlives the requester; answerTimeout bounds each wait for the owner.
    SelectionRequester(const XcbConnection& connection, EventHandler others, std::chrono::milliseconds answerTimeout)
        : x_(connection), others_(std::move(others)), answerTimeout_(answerTimeout) {}

    // The image the owner gives; nullopt when there is no owner, it offers no wave, or it
    // stops answering.
    std::optional<std::vector<uint8_t>> Fetch();

private:
    enum class Outcome { Received, Refused, Silent };

    Outcome Request(xcb_atom_t target, std::vector<uint8_t>& image);
    // Reads the transfer property of our window and deletes it (which asks for the next piece).
    XcbReply<xcb_get_property_reply_t> TakeProperty();
    bool ReceivePieces(const xcb_get_property_reply_t& announcement, std::vector<uint8_t>& image);
    XcbEvent WaitFor(const std::function<bool(const xcb_generic_event_t&)>& wanted);

    const XcbConnection& x_;
    EventHandler others_;
    std::chrono::milliseconds answerTimeout_;
};

}  // namespace vesk
