// Members whose behaviour belongs to subsystems that are not built yet. Each exists with its
// dispatch identifier and parameters, answers S_OK and changes nothing; the README's status
// table lists them.
#include "control/AudioEditor.h"

namespace vesk {


// Playback and recording arrive with the transport.
HRESULT AudioEditor::Play(int32_t) { return S_OK; }
HRESULT AudioEditor::Record(int32_t) { return S_OK; }
HRESULT AudioEditor::Pause() { return S_OK; }
HRESULT AudioEditor::Continue() { return S_OK; }


// The exchange with the system clipboard arrives with the clipboard subsystem.
HRESULT AudioEditor::PasteFromClipboard() { return S_OK; }
HRESULT AudioEditor::CopyToClipboard() { return S_OK; }
HRESULT AudioEditor::ClearSystemClipboard() { return S_OK; }

}  // namespace vesk
