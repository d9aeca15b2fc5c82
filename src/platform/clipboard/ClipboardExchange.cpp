#include "platform/clipboard/ClipboardExchange.h"

#include <memory>

#include "platform/automation/MessageQueue.h"
#include "platform/clipboard/InProcessClipboard.h"
#include "platform/clipboard/X11Clipboard.h"

namespace vesk {

namespace {

std::unique_ptr<ClipboardExchange> MakeClipboard() {
    // The queue is made first, so it is destroyed after the clipboard registered in it.
    if (auto desktop = X11Clipboard::Connect(MessageQueue::ForCurrentThread())) return desktop;
    return std::make_unique<InProcessClipboard>();
}

}  // namespace

ClipboardExchange& ClipboardExchange::ForCurrentThread() {
    thread_local const std::unique_ptr<ClipboardExchange> clipboard = MakeClipboard();
    return *clipboard;
}

}  // namespace vesk
