#include "ControlCalls.h"

#include <algorithm>
#include <stdexcept>

#include "platform/automation/ClassRegistry.h"

namespace vesk::editor {

namespace {

constexpr const char* kProgId = "VeskAudioEditor.AudioEditor";

}  // namespace

ControlCalls::ControlCalls() {
    HRESULT hr = ClassRegistry::Default().CreateInstance(kProgId, IAudioEditor::kIid, control_.put_void());
    if (Failed(hr) || !control_) throw std::runtime_error(std::string("The control ") + kProgId + " cannot be created.");
}

HRESULT ControlCalls::Call(const std::string& member, const std::vector<Variant>& arguments) const {
    const std::u16string name = Utf8ToUtf16(member);
    const OLECHAR* names[] = {name.c_str()};
    DISPID id = 0;
    HRESULT hr = control_->GetIDsOfNames(GUID_NULL, names, 1, 0, &id);
    if (Failed(hr)) return hr;
    // DISPPARAMS holds the arguments last to first.
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS params{reversed.data(), nullptr, static_cast<uint32_t>(reversed.size()), 0};
    Variant result;
    uint32_t argError = 0;
    return control_->Invoke(id, GUID_NULL, 0, DISPATCH_METHOD, &params, &result, nullptr, &argError);
}

ComPtr<IAudioEditorPosition> ControlCalls::Position() const {
    ComPtr<IAudioEditorPosition> position;
    control_->get_Position(position.put());
    return position;
}

ComPtr<IAudioEditorMarkers> ControlCalls::Markers() const {
    ComPtr<IAudioEditorMarkers> markers;
    control_->get_Markers(markers.put());
    return markers;
}

std::string ControlCalls::WorkingFile() const {
    // TempDirectory reads as the current working file while a document is open, and as the
    // directory (with its trailing separator) otherwise.
    Bstr name;
    control_->get_TempDirectory(name.put());
    std::string path = name.utf8();
    return path.empty() || path.back() == '/' ? std::string() : path;
}

int32_t ControlCalls::LastError() const {
    int32_t code = 0;
    control_->get_LastErrorNum(&code);
    return code;
}

int16_t ControlCalls::Status() const {
    int16_t status = 0;
    control_->get_Status(&status);
    return status;
}

DocumentSnapshot ControlCalls::Snapshot() const {
    DocumentSnapshot snapshot;
    snapshot.status = Status();
    ComPtr<IAudioEditorFileInfo> info;
    control_->get_FileInfo(info.put());
    ComPtr<IAudioEditorPosition> position = Position();
    if (!info || !position) return snapshot;
    info->get_Frequency(&snapshot.sampleRateHz);
    info->get_Channels(&snapshot.channels);
    position->get_TotalSamples(&snapshot.totalFrames);
    snapshot.open = !WorkingFile().empty();
    position->get_CurrentPosition(&snapshot.cursorFrame);
    VARIANT_BOOL selected = VARIANT_FALSE;
    position->get_Selected(&selected);
    snapshot.selected = selected != VARIANT_FALSE;
    position->get_StartSelect(&snapshot.selectionStartFrame);
    position->get_EndSelect(&snapshot.selectionEndFrame);
    position->get_StartView(&snapshot.viewStartFrame);
    position->get_EndView(&snapshot.viewEndFrame);
    return snapshot;
}

}  // namespace vesk::editor
