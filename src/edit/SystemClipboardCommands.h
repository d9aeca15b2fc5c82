// Sound to and from other programs through the desktop clipboard. Both directions reuse the
// edit commands: a copy to the clipboard is Copy followed by offering the internal clipboard
// file, whole, as it is on disk; a paste from the clipboard writes the offered wave to an
// exchange file of its own and inserts it with PasteFromFile, which converts it to the
// document's rate and channel count.
//
// The file offered is the one Copy has just written, TempFileName, also when a host changed
// TempFileName or TempDirectory.
#pragma once

#include <functional>

#include "document/Document.h"
#include "edit/EditCommands.h"
#include "platform/clipboard/ClipboardExchange.h"

namespace vesk {

class SystemClipboardCommands {
public:
    // The file a paste from the desktop clipboard passes through, in the system's temporary
    // folder; it exists only during the paste.
    static constexpr char kIncomingFileName[] = "VeskClipBoardWindow.wav";

    // Gives the desktop clipboard when it is first needed (reaching a display takes time).
    using ExchangeProvider = std::function<ClipboardExchange&()>;

    // document and commands outlive this object.
    SystemClipboardCommands(Document& document, EditCommands& commands, ExchangeProvider exchange)
        : document_(document), commands_(commands), exchange_(std::move(exchange)) {}

    // Copy, then offers what it wrote. An error of the copy, or an internal clipboard that is
    // not ours or cannot be read (FILEACCESS), is fired as Error and nothing is offered; with no
    // internal clipboard at all nothing happens.
    void CopyToClipboard();
    // Guards: a document is open and Status is 0. When no program offers a wave, or its owner
    // does not answer in time, nothing happens; an exchange file that is not ours or cannot be
    // written leaves LastErrorNum FILEACCESS and the document as it was.
    void PasteFromClipboard();
    // Gives the desktop clipboard up if this process holds it.
    void ClearSystemClipboard();

private:
    // Reads the internal clipboard file and offers it; the FILEACCESS code when it is refused.
    int32_t OfferClipboardFile();

    Document& document_;
    EditCommands& commands_;
    ExchangeProvider exchange_;
};

}  // namespace vesk
