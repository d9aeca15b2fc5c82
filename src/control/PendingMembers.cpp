// Members whose behaviour belongs to subsystems that are not built yet. Each exists with its
// dispatch identifier and parameters, answers S_OK and changes nothing; the README's status
// table lists them.
#include "control/AudioEditor.h"

namespace vesk {


// The exchange with the system clipboard arrives with the clipboard subsystem.
HRESULT AudioEditor::PasteFromClipboard() { return S_OK; }
HRESULT AudioEditor::CopyToClipboard() { return S_OK; }
HRESULT AudioEditor::ClearSystemClipboard() { return S_OK; }

}  // namespace vesk
