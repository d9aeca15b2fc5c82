#include "platform/clipboard/SelectionRequester.h"

#include <cstring>
#include <span>

#include "platform/clipboard/IncrReceiver.h"

namespace vesk {

namespace {

std::span<const uint8_t> Bytes(const xcb_get_property_reply_t& reply) {
    const auto* data = static_cast<const uint8_t*>(xcb_get_property_value(&reply));
    return {data, static_cast<size_t>(xcb_get_property_value_length(&reply))};
}

}  // namespace

std::optional<std::vector<uint8_t>> SelectionRequester::Fetch() {
    for (const xcb_atom_t target : {x_.Atoms().waveX, x_.Atoms().wave}) {
        std::vector<uint8_t> image;
        switch (Request(target, image)) {
            case Outcome::Received: return image;
            // An owner that did not answer once is not asked again: that would double the wait.
            case Outcome::Silent: return std::nullopt;
            case Outcome::Refused: break;
        }
    }
    return std::nullopt;
}

SelectionRequester::Outcome SelectionRequester::Request(xcb_atom_t target, std::vector<uint8_t>& image) {
    const ClipboardAtoms& atoms = x_.Atoms();
    xcb_delete_property(x_.Get(), x_.Window(), atoms.transfer);
    xcb_convert_selection(x_.Get(), x_.Window(), atoms.clipboard, target, atoms.transfer, XCB_CURRENT_TIME);
    const XcbEvent answer = WaitFor([&](const xcb_generic_event_t& event) {
        const auto& notify = reinterpret_cast<const xcb_selection_notify_event_t&>(event);
        return EventKind(event) == XCB_SELECTION_NOTIFY && notify.requestor == x_.Window() &&
               notify.selection == atoms.clipboard && notify.target == target;
    });
    if (!answer) return Outcome::Silent;
    if (reinterpret_cast<const xcb_selection_notify_event_t&>(*answer).property == XCB_NONE) return Outcome::Refused;
    const XcbReply<xcb_get_property_reply_t> property = TakeProperty();
    if (!property) return Outcome::Silent;
    if (property->type == atoms.incr) return ReceivePieces(*property, image) ? Outcome::Received : Outcome::Silent;
    if (property->format != 8) return Outcome::Refused;
    const std::span<const uint8_t> bytes = Bytes(*property);
    image.assign(bytes.begin(), bytes.end());
    return Outcome::Received;
}

XcbReply<xcb_get_property_reply_t> SelectionRequester::TakeProperty() {
    // The whole value in one reply (lengths count 32-bit units); deleting it with the read is
    // what tells an owner sending pieces to send the next one.
    const xcb_get_property_cookie_t cookie = xcb_get_property(x_.Get(), 1, x_.Window(), x_.Atoms().transfer,
                                                              XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4);
    return XcbReply<xcb_get_property_reply_t>(xcb_get_property_reply(x_.Get(), cookie, nullptr));
}

bool SelectionRequester::ReceivePieces(const xcb_get_property_reply_t& announcement, std::vector<uint8_t>& image) {
    uint32_t announced = 0;
    if (xcb_get_property_value_length(&announcement) >= 4) {
        std::memcpy(&announced, xcb_get_property_value(&announcement), sizeof announced);
    }
    IncrReceiver receiver(announced);
    while (!receiver.Complete()) {
        const XcbEvent arrived = WaitFor([&](const xcb_generic_event_t& event) {
            const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
            return EventKind(event) == XCB_PROPERTY_NOTIFY && change.window == x_.Window() &&
                   change.atom == x_.Atoms().transfer && change.state == XCB_PROPERTY_NEW_VALUE;
        });
        if (!arrived) return false;
        const XcbReply<xcb_get_property_reply_t> piece = TakeProperty();
        if (!piece || !receiver.Add(Bytes(*piece))) return false;
    }
    image = receiver.Take();
    return true;
}

XcbEvent SelectionRequester::WaitFor(const std::function<bool(const xcb_generic_event_t&)>& wanted) {
    const auto deadline = XcbConnection::Clock::now() + answerTimeout_;
    while (XcbEvent event = x_.WaitEvent(deadline)) {
        if (wanted(*event)) return event;
        others_(*event);
    }
    return nullptr;
}

}  // namespace vesk
