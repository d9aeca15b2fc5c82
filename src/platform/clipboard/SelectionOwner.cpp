#include "platform/clipboard/SelectionOwner.h"

#include <algorithm>
#include <array>
#include <limits>

namespace vesk {

bool SelectionOwner::Take(std::shared_ptr<const std::vector<uint8_t>> image) {
    xcb_set_selection_owner(x_.Get(), x_.Window(), x_.Atoms().clipboard, XCB_CURRENT_TIME);
    image_ = StillOwner() ? std::move(image) : nullptr;
    return image_ != nullptr;
}

void SelectionOwner::Release() {
    // Asking first keeps us from clearing a selection another program took meanwhile.
    if (StillOwner()) xcb_set_selection_owner(x_.Get(), XCB_NONE, x_.Atoms().clipboard, XCB_CURRENT_TIME);
    xcb_flush(x_.Get());
    image_.reset();
}

bool SelectionOwner::StillOwner() const {
    const xcb_get_selection_owner_cookie_t cookie = xcb_get_selection_owner(x_.Get(), x_.Atoms().clipboard);
    XcbReply<xcb_get_selection_owner_reply_t> reply(xcb_get_selection_owner_reply(x_.Get(), cookie, nullptr));
    return reply && reply->owner == x_.Window();
}

void SelectionOwner::Handle(const xcb_generic_event_t& event) {
    DropStalledTransfers();
    switch (EventKind(event)) {
        case XCB_SELECTION_REQUEST: {
            const auto& request = reinterpret_cast<const xcb_selection_request_event_t&>(event);
            if (request.owner == x_.Window() && request.selection == x_.Atoms().clipboard) Answer(request);
            break;
        }
        case XCB_SELECTION_CLEAR: {
            const auto& clear = reinterpret_cast<const xcb_selection_clear_event_t&>(event);
            if (clear.owner == x_.Window() && clear.selection == x_.Atoms().clipboard) image_.reset();
            break;
        }
        case XCB_PROPERTY_NOTIFY: {
            const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
            if (change.state == XCB_PROPERTY_DELETE) SendNextPiece(change);
            break;
        }
        default: break;
    }
    xcb_flush(x_.Get());
}

bool SelectionOwner::IsOfferedType(xcb_atom_t target) const {
    return target == x_.Atoms().waveX || target == x_.Atoms().wave;
}

void SelectionOwner::Answer(const xcb_selection_request_event_t& request) {
    // Requestors of the oldest protocol name no property: the target's name serves as one.
    const xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
    xcb_atom_t answered = XCB_NONE;
    if (image_ && request.target == x_.Atoms().targets) {
        WriteTargets(request.requestor, property);
        answered = property;
    } else if (image_ && IsOfferedType(request.target)) {
        WriteImage(request.requestor, property, request.target);
        answered = property;
    }
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = answered;
    xcb_send_event(x_.Get(), 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&notify));
}

void SelectionOwner::WriteTargets(xcb_window_t requestor, xcb_atom_t property) {
    const ClipboardAtoms& atoms = x_.Atoms();
    const std::array<xcb_atom_t, 3> targets = {atoms.targets, atoms.waveX, atoms.wave};
    xcb_change_property(x_.Get(), XCB_PROP_MODE_REPLACE, requestor, property, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(targets.size()), targets.data());
}

void SelectionOwner::WriteImage(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t type) {
    if (!IncrSender::Needed(image_->size(), x_.PieceBytes())) {
        xcb_change_property(x_.Get(), XCB_PROP_MODE_REPLACE, requestor, property, type, 8,
                            static_cast<uint32_t>(image_->size()), image_->data());
        return;
    }
    // Watch before announcing: the requestor starts by deleting the announcement.
    WatchRequestor(requestor, true);
    transfers_.push_back({requestor, property, type, IncrSender(image_, x_.PieceBytes()), XcbConnection::Clock::now()});
    // The announced size is a lower bound, so an image past 4 GiB may announce less.
    const auto announced =
        static_cast<uint32_t>(std::min<size_t>(image_->size(), std::numeric_limits<uint32_t>::max()));
    xcb_change_property(x_.Get(), XCB_PROP_MODE_REPLACE, requestor, property, x_.Atoms().incr, 32, 1, &announced);
}

void SelectionOwner::SendNextPiece(const xcb_property_notify_event_t& deleted) {
    const auto transfer = std::find_if(transfers_.begin(), transfers_.end(), [&](const Transfer& t) {
        return t.requestor == deleted.window && t.property == deleted.atom;
    });
    if (transfer == transfers_.end()) return;
    const std::span<const uint8_t> piece = transfer->sender.NextPiece();
    xcb_change_property(x_.Get(), XCB_PROP_MODE_REPLACE, transfer->requestor, transfer->property, transfer->type, 8,
                        static_cast<uint32_t>(piece.size()), piece.data());
    transfer->lastPiece = XcbConnection::Clock::now();
    if (transfer->sender.Finished()) Finish(transfer);
}

void SelectionOwner::DropStalledTransfers() {
    const auto now = XcbConnection::Clock::now();
    for (auto transfer = transfers_.begin(); transfer != transfers_.end();) {
        if (now - transfer->lastPiece < kStalledTransfer) {
            ++transfer;
            continue;
        }
        const auto index = transfer - transfers_.begin();
        Finish(transfer);
        transfer = transfers_.begin() + index;
    }
}

void SelectionOwner::Finish(std::vector<Transfer>::iterator transfer) {
    const xcb_window_t requestor = transfer->requestor;
    transfers_.erase(transfer);
    const bool busy = std::any_of(transfers_.begin(), transfers_.end(),
                                  [&](const Transfer& t) { return t.requestor == requestor; });
    if (!busy) WatchRequestor(requestor, false);
}

void SelectionOwner::WatchRequestor(xcb_window_t requestor, bool watch) {
    // Our own window (a paste from ourselves) always watches its properties.
    if (requestor == x_.Window()) return;
    const uint32_t events = watch ? XCB_EVENT_MASK_PROPERTY_CHANGE : XCB_EVENT_MASK_NO_EVENT;
    xcb_change_window_attributes(x_.Get(), requestor, XCB_CW_EVENT_MASK, &events);
}

}  // namespace vesk
