// The document core of the control: New, Close, the working-file settings, Status and
// LastErrorNum, undo and redo, and GetCurrentArray when idle.
#include <algorithm>
#include <cctype>
#include <vector>

#include "control/AudioEditor.h"
#include "document/WaveFile.h"
#include "platform/io/PathUtil.h"
#include "platform/io/TempFile.h"
#include "platform/automation/OutParam.h"

namespace vesk {

namespace {

constexpr int32_t kErrorInvalidParam = -20;

std::string FormatText(int32_t frequency, int32_t channels) {
    return "PCM " + std::to_string(frequency) + " Hz; 16 bit; " + (channels == 1 ? "mono" : "stereo");
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string AudioEditor::NewWorkingFileName() const {
    std::string directory = tempDirectory_;
    if (!directory.empty() && directory.back() != '/') directory += '/';
    return UniqueTempFileName(directory, "vsk");
}

void AudioEditor::RefreshDocumentObjects() {
    channelObject_->Refresh();
    markers_->SyncMarkerCache();
}

HRESULT AudioEditor::New(int32_t Frequency, int32_t nChannels) {
    // Only mono and stereo documents at a positive rate can be written; anything else would
    // make a working file no part of the control can read, so the call is refused before the
    // open document is touched.
    if ((nChannels != 1 && nChannels != 2) || Frequency <= 0) {
        lastErrorNum_ = kErrorInvalidParam;
        return S_OK;
    }
    if (HasDocument()) Close();
    lastErrorNum_ = 0;

    DocState state;
    state.filePath = NewWorkingFileName();
    frequency_ = Frequency;
    channels_ = nChannels;
    bitsPerSample_ = 16;

    WaveFile file;
    bool created = !state.filePath.empty() &&
                   file.Create(state.filePath, static_cast<uint32_t>(Frequency), static_cast<uint16_t>(nChannels));
    file.Close();
    if (!created) {
        if (!state.filePath.empty()) RemoveFile(state.filePath);
        return S_OK;
    }
    state.frequency = Frequency;
    state.channels = static_cast<int16_t>(nChannels);
    History().Push(state);

    transform_->SetFrequency(Frequency);
    RefreshDocumentObjects();
    formatString_ = FormatText(Frequency, nChannels);

    if (!view_.RecomputeView(0, position_->State()->totalBytes)) return S_OK;
    Redraw();
    FireEndOperation();
    return S_OK;
}

HRESULT AudioEditor::Close() {
    Stop();
    if (!HasDocument()) return S_OK;
    view_.FreeOverview();
    view_.ResetFullScale(bitsPerSample_);
    History().Clear();
    fileComponent_->CloseFile();
    formatString_.clear();
    RefreshDocumentObjects();
    return S_OK;
}

// ---- Working-file settings ----

HRESULT AudioEditor::get_TempDirectory(BSTR* value) {
    if (!value) return E_POINTER;
    *value = AllocBstr(HasDocument() ? position_->State()->filePath : tempDirectory_);
    return S_OK;
}

HRESULT AudioEditor::put_TempDirectory(BSTR value) {
    // The last element of the path is a file name: "/data/tmp" names the directory "/data/".
    std::string directory = SplitPath(BstrToUtf8(value)).directory;
    if (directory.empty()) return S_OK;
    std::string previous = CurrentDirectory();
    if (ChangeCurrentDirectory(directory)) tempDirectory_ = directory;
    if (!previous.empty()) ChangeCurrentDirectory(previous);
    return S_OK;
}

HRESULT AudioEditor::get_TempFileName(BSTR* value) {
    if (!value) return E_POINTER;
    *value = AllocBstr(tempFileName_);
    return S_OK;
}

HRESULT AudioEditor::put_TempFileName(BSTR value) {
    std::string name = BstrToUtf8(value);
    if (EqualsIgnoringCase(SplitPath(name).extension, ".wav")) tempFileName_ = name;
    return S_OK;
}

HRESULT AudioEditor::get_FileBufferSize(int32_t* value) { return WriteOut(value, fileBufferSize_); }

HRESULT AudioEditor::put_FileBufferSize(int32_t value) {
    fileBufferSize_ = std::clamp(value, kMinFileBufferSize, kMaxFileBufferSize);
    return S_OK;
}

HRESULT AudioEditor::get_Status(int16_t* value) { return WriteOut(value, status_); }
HRESULT AudioEditor::get_LastErrorNum(int32_t* value) { return WriteOut(value, lastErrorNum_); }

// ---- Undo and redo ----

void AudioEditor::BringInLineWithState() {
    const DocState& state = *position_->State();
    frequency_ = state.frequency;
    if (state.channels != channels_) {
        channels_ = state.channels;
        channelObject_->Refresh();
        view_.RelayAmplitudeScale();
        RenderBackground();
    }
    view_.BuildOverview();
    if (!view_.RecomputeStoredView()) return;
    markers_->SyncMarkerCache();
    Redraw();
}

HRESULT AudioEditor::Undo() {
    if (status_ != operation::kIdle || !HasDocument() || !History().StepBack()) return S_OK;
    BringInLineWithState();
    return S_OK;
}

HRESULT AudioEditor::Redo() {
    if (status_ != operation::kIdle || !HasDocument() || !History().StepForward()) return S_OK;
    BringInLineWithState();
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
    if (status_ == operation::kPlaying) {
        player_->GetCurrentPlayArray(nSamples * channels_, result);
        return S_OK;
    }
    if (status_ == operation::kRecording) {
        recordComponent_->GetCurrentRecordArray(nSamples * channels_, result);
        return S_OK;
    }
    if ((status_ != operation::kIdle && status_ != operation::kPaused) || !HasDocument() || nSamples <= 0) {
        return S_OK;
    }
    lastErrorNum_ = 0;
    const DocState& state = *position_->State();
    WaveFile file;
    if (!file.Open(state.filePath, WaveMode::Read)) return S_OK;
    file.Seek(static_cast<uint32_t>(state.startSelect[state.zoomLevel]));
    // A paused control stays paused after the read, so that Continue still works.
    int16_t previous = status_;
    status_ = operation::kCopying;
    // Never more than the file still holds from the cursor on.
    int64_t remaining = std::max<int64_t>(0, static_cast<int64_t>(file.DataSize()) - file.Position()) / 2;
    int64_t elements = std::min(static_cast<int64_t>(nSamples) * channels_, remaining);
    SafeArrayPtr samples(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(elements)));
    if (samples.get()) {
        int32_t read = file.Read(samples.shorts().data(), static_cast<uint32_t>(samples.size() * 2));
        uint32_t whole = read > 0 ? static_cast<uint32_t>(read) / 2 : 0;
        if (whole < samples.size()) {
            SAFEARRAYBOUND bound{whole, 0};
            SafeArrayRedim(samples.get(), &bound);
        }
    }
    file.Close();
    status_ = previous;
    *result = samples.Detach();
    return S_OK;
}

}  // namespace vesk
