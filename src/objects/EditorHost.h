// What the sub-objects reach through the control that owns them: the document they show, the
// view they change, and the reactions that belong to the transport. Each sub-object keeps a
// plain (uncounted) pointer to its host, set right after creation and cleared before the host
// goes away; a sub-object a host still holds after that answers with defaults.
#pragma once

#include "document/Document.h"
#include "view/EditorView.h"

namespace vesk {

// Which redraw a colour change needs.
enum class ColorEffect { Pens, Background, Redraw };

class EditorHost {
public:
    virtual ~EditorHost() = default;

    virtual Document& Doc() = 0;
    virtual EditorView& View() = 0;
    // A position put while playing: stop the player, set Status 0, re-render and play again
    // from the new position with the last play type.
    virtual void RestartPlayback() = 0;
    // A setting of the Recorder sub-object changed.
    virtual void RecorderSettingsChanged() = 0;
};

}  // namespace vesk
