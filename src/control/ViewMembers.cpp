// The view members of the control: zoom, refresh, vertical zoom and the picture export.
#include "control/AudioEditor.h"

namespace vesk {

HRESULT AudioEditor::ZoomIn() {
    view_.ZoomIn();
    return S_OK;
}

HRESULT AudioEditor::ZoomOut() {
    view_.ZoomOut();
    return S_OK;
}

HRESULT AudioEditor::ZoomFull() {
    view_.ZoomFull();
    return S_OK;
}

HRESULT AudioEditor::Refresh() {
    view_.Refresh();
    return S_OK;
}

HRESULT AudioEditor::ZoomVertical(int32_t Procent) {
    view_.ZoomVertical(Procent);
    return S_OK;
}

// Nothing is reported: without a painted frame, or when the file cannot be written, there is
// simply no (complete) file.
HRESULT AudioEditor::SaveWaveImage(BSTR fileBMP) {
    document_.ClearError();
    view_.SaveWaveImage(BstrToUtf8(fileBMP));
    return S_OK;
}

}  // namespace vesk
