// The document members of IAudioEditor: New, Open, Save, Close, the working-file settings,
// Status and LastErrorNum, undo and redo, and GetCurrentArray. Each hands its arguments to the
// document core and answers S_OK whatever happened.
#include <algorithm>

#include "control/AudioEditor.h"
#include "platform/automation/OutParam.h"

namespace vesk {

HRESULT AudioEditor::New(int32_t Frequency, int32_t nChannels) {
    // An open document is closed first, and closing stops the transport.
    if (HasDocument() && (nChannels == 1 || nChannels == 2) && Frequency > 0) Stop();
    commands_.New(Frequency, nChannels);
    return S_OK;
}

HRESULT AudioEditor::Open(BSTR fileName, int32_t FormatType) {
    if (HasDocument()) Close();
    loader_.Open(BstrToUtf8(fileName), FormatType);
    document_.ReportError();
    if (HasDocument()) view_.RecomputeView(0, document_.Current()->totalBytes);
    view_.Redraw();
    events_.EndOperation();
    return S_OK;
}

HRESULT AudioEditor::Save(BSTR fileName, VARIANT_BOOL Selected, int32_t FormatType) {
    if (!HasDocument() || !document_.IsIdle()) return S_OK;
    saver_.Save(BstrToUtf8(fileName), Selected != 0, FormatType, fileInfo_->SaveExtraInfo());
    document_.ReportError();
    view_.RenderBackground();
    view_.Redraw();
    events_.EndOperation();
    return S_OK;
}

HRESULT AudioEditor::Close() {
    Stop();
    commands_.Close();
    return S_OK;
}

// ---- Working-file settings ----

HRESULT AudioEditor::get_TempDirectory(BSTR* value) {
    return WriteOutText(value, HasDocument() ? document_.Current()->filePath : document_.TempDirectory());
}

HRESULT AudioEditor::put_TempDirectory(BSTR value) {
    document_.SetTempDirectory(BstrToUtf8(value));
    return S_OK;
}

HRESULT AudioEditor::get_TempFileName(BSTR* value) { return WriteOutText(value, document_.TempFileName()); }

HRESULT AudioEditor::put_TempFileName(BSTR value) {
    document_.SetTempFileName(BstrToUtf8(value));
    return S_OK;
}

HRESULT AudioEditor::get_FileBufferSize(int32_t* value) { return WriteOut(value, document_.FileBufferSize()); }

HRESULT AudioEditor::put_FileBufferSize(int32_t value) {
    document_.SetFileBufferSize(value);
    return S_OK;
}

HRESULT AudioEditor::get_Status(int16_t* value) { return WriteOut(value, StatusCode(document_.CurrentStatus())); }
HRESULT AudioEditor::get_LastErrorNum(int32_t* value) { return WriteOut(value, document_.LastErrorNum()); }

// ---- Undo and redo ----

HRESULT AudioEditor::Undo() {
    commands_.Undo();
    return S_OK;
}

HRESULT AudioEditor::Redo() {
    commands_.Redo();
    return S_OK;
}

HRESULT AudioEditor::get_UndoRedoCount(int32_t* value) { return WriteOut(value, History().Depth() - 1); }

HRESULT AudioEditor::put_UndoRedoCount(int32_t value) {
    History().SetDepth(std::clamp(value, 1, 10000) + 1);
    return S_OK;
}

// These two answer 1 rather than VARIANT_TRUE, as hosts of this control have always seen.
HRESULT AudioEditor::get_UndoEnabled(VARIANT_BOOL* value) {
    return WriteOut<VARIANT_BOOL>(value, HasDocument() && History().Previous() ? 1 : 0);
}

HRESULT AudioEditor::get_RedoEnabled(VARIANT_BOOL* value) {
    return WriteOut<VARIANT_BOOL>(value, HasDocument() && History().Next() ? 1 : 0);
}

// ---- GetCurrentArray ----

HRESULT AudioEditor::GetCurrentArray(int32_t nSamples, SAFEARRAY** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    switch (document_.CurrentStatus()) {
        case Status::Playing:
        case Status::Recording:
            if (transport_ && nSamples > 0) {
                // A count of frames near the top of the long range must not overflow as samples.
                const int64_t elements = std::min<int64_t>(int64_t{nSamples} * document_.Channels(), INT32_MAX);
                *result = transport_->CurrentArray(static_cast<int32_t>(elements)).Detach();
            }
            return S_OK;
        case Status::Idle:
        case Status::Paused:
            *result = commands_.ReadAtCursor(nSamples).Detach();
            return S_OK;
        default:
            return S_OK;
    }
}

}  // namespace vesk
