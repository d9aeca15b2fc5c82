#include "platform/clipboard/X11Clipboard.h"

#include <utility>

namespace vesk {

std::unique_ptr<X11Clipboard> X11Clipboard::Connect(MessageQueue& queue, std::chrono::milliseconds answerTimeout) {
    std::unique_ptr<XcbConnection> connection = XcbConnection::Open();
    if (!connection) return nullptr;
    return std::unique_ptr<X11Clipboard>(new X11Clipboard(std::move(connection), queue, answerTimeout));
}

X11Clipboard::X11Clipboard(std::unique_ptr<XcbConnection> connection, MessageQueue& queue,
                           std::chrono::milliseconds answerTimeout)
    : connection_(std::move(connection)),
      queue_(queue),
      owner_(*connection_),
      requester_(*connection_, [this](const xcb_generic_event_t& event) { owner_.Handle(event); }, answerTimeout) {
    queue_.AddSource(*this);
}

X11Clipboard::~X11Clipboard() { queue_.RemoveSource(*this); }

bool X11Clipboard::Offer(std::vector<uint8_t> waveImage) {
    DispatchPending();
    return owner_.Take(std::make_shared<const std::vector<uint8_t>>(std::move(waveImage)));
}

std::optional<std::vector<uint8_t>> X11Clipboard::Fetch() {
    // Requests and losses that came in before are settled first, so the answer is current.
    DispatchPending();
    return requester_.Fetch();
}

void X11Clipboard::Clear() {
    DispatchPending();
    owner_.Release();
}

int X11Clipboard::DispatchPending() {
    int handled = 0;
    while (XcbEvent event = connection_->PollEvent()) {
        owner_.Handle(*event);
        ++handled;
    }
    return handled;
}

}  // namespace vesk
