// The desktop clipboard on an X11 display: the CLIPBOARD selection holding a wave image as
// audio/x-wav and audio/wav. Offers are served from the thread's message queue, where this
// clipboard is registered as an event source for as long as it lives.
#pragma once

#include <chrono>
#include <memory>

#include "platform/automation/MessageQueue.h"
#include "platform/clipboard/ClipboardExchange.h"
#include "platform/clipboard/SelectionOwner.h"
#include "platform/clipboard/SelectionRequester.h"
#include "platform/clipboard/XcbConnection.h"

namespace vesk {

class X11Clipboard final : public ClipboardExchange, public EventSource {
public:
    // How long a paste waits for each answer of the clipboard's owner before it gives up: long
    // enough for a busy program, short enough that a hung one does not freeze the host.
    static constexpr std::chrono::milliseconds kOwnerAnswerTimeout{3000};

    // nullptr when DISPLAY is unset or no server accepts us. queue outlives the clipboard.
    static std::unique_ptr<X11Clipboard> Connect(MessageQueue& queue,
                                                 std::chrono::milliseconds answerTimeout = kOwnerAnswerTimeout);
    ~X11Clipboard() override;

    bool Offer(std::vector<uint8_t> waveImage) override;
    std::optional<std::vector<uint8_t>> Fetch() override;
    void Clear() override;

    int DispatchPending() override;
    int Descriptor() const override { return connection_->Descriptor(); }

private:
    X11Clipboard(std::unique_ptr<XcbConnection> connection, MessageQueue& queue,
                 std::chrono::milliseconds answerTimeout);

    std::unique_ptr<XcbConnection> connection_;
    MessageQueue& queue_;
    SelectionOwner owner_;
    SelectionRequester requester_;
};

}  // namespace vesk
