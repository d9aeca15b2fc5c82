// The members of the document core that create, end and move through a document: New, Close,
// Undo, Redo, and the read of the samples at the cursor. Each checks its own preconditions and
// otherwise does nothing; failures reach the host through the document's error path.
#pragma once

#include <cstdint>

#include "document/Document.h"
#include "platform/automation/SafeArray.h"

namespace vesk {

class DocumentCommands {
public:
    // document outlives the commands.
    explicit DocumentCommands(Document& document) : document_(document) {}

    // An empty document of frequency Hz and channels (1 or 2) channels: a header-only working
    // file becomes the only state. An open document is closed first (the caller stops transport).
    // A channel count other than 1 or 2, or a rate that is not positive, is refused before the
    // open document is touched (LastErrorNum INVALIDPARAM).
    void New(int32_t frequency, int32_t channels);
    // Ends the document: every working file is deleted. No redraw, no event.
    void Close();
    // Move to the older / newer state and bring format, display and markers in line with it.
    // Nothing while an operation runs or without a state to move to.
    void Undo();
    void Redo();
    // Up to `frames` frames from the cursor (the selection start) on, never past the end; an
    // empty pointer without a document or when the working file cannot be read. Runs with
    // Status Copying and restores the previous Status afterwards (a paused document stays
    // paused).
    SafeArrayPtr ReadAtCursor(int32_t frames);

private:
    void AlignWithCurrentState();

    Document& document_;
};

}  // namespace vesk
