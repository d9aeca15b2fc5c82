// The editor's handle on one control: created through the class registry, called by member
// name (the menus and dialogs are data, so they call as a script would) or through its
// interfaces, and read for the status bar.
#pragma once

#include <string>
#include <vector>

#include "StatusText.h"
#include "objects/typelib/AudioEditorInterface.h"
#include "platform/automation/Variant.h"

namespace vesk::editor {

class ControlCalls {
public:
    // Creates the control; throws std::runtime_error naming the class when it cannot be made.
    ControlCalls();

    IAudioEditor* operator->() const { return control_.get(); }
    IAudioEditor* get() const { return control_.get(); }

    // Calls a method by name with the arguments in call order (Invoke coerces them to the
    // member's types and fills in omitted optional ones). The dispatch result: S_OK, or
    // DISP_E_* when the name or the arguments do not fit.
    HRESULT Call(const std::string& member, const std::vector<Variant>& arguments = {}) const;

    ComPtr<IAudioEditorPosition> Position() const;
    ComPtr<IAudioEditorMarkers> Markers() const;
    // The current working file of the open document; "" without a document.
    std::string WorkingFile() const;
    int32_t LastError() const;
    int16_t Status() const;
    // Everything the status bar shows.
    DocumentSnapshot Snapshot() const;

private:
    ComPtr<IAudioEditor> control_;
};

}  // namespace vesk::editor
