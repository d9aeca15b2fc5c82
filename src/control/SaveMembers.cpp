// Save: the whole sound or the selection encoded from the current working file into a file of
// the held output format (or WMA by the extension). The document and its history never change.
#include <algorithm>

#include "components/ComponentNames.h"
#include "components/WmaCodec.h"
#include "control/AudioEditor.h"
#include "document/FileKind.h"
#include "document/MarkerExport.h"

namespace vesk {

HRESULT AudioEditor::Save(BSTR fileName, VARIANT_BOOL Selected, int32_t FormatType) {
    if (!HasDocument() || status_ != operation::kIdle) return S_OK;
    lastErrorNum_ = 0;
    const std::string name = BstrToUtf8(fileName);
    switch (FileKindOf(name)) {
        case FileKind::General:
            SaveThroughFile(name, Selected != 0, FormatType);
            break;
        case FileKind::Wma:
            SaveThroughWma(name, Selected != 0);
            break;
        case FileKind::CdTrack:
            break;  // nothing can be written to a CD track
    }
    FireErrorIfAny();
    RenderBackground();
    Redraw();
    FireEndOperation();
    return S_OK;
}

void AudioEditor::EncodeFrom(WaveFile& file, bool selected, int32_t blockBytes, const BlockWriter& write) {
    const DocState& state = *position_->State();
    const int32_t level = state.zoomLevel;
    const int64_t length = selected ? state.endSelect[level] - state.startSelect[level] : file.DataSize();
    status_ = operation::kSaving;
    openProgress_ = 0;
    if (selected) file.Seek(static_cast<uint32_t>(state.startSelect[level]));
    RenderBackground();

    SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(blockBytes / 2)));
    if (!block.get()) return;
    int64_t done = 0;
    while (true) {
        int64_t wanted = blockBytes;
        if (selected) wanted = std::min<int64_t>(wanted, length - done);
        const int32_t read = wanted > 0 ? file.Read(block.shorts().data(), static_cast<uint32_t>(wanted)) : 0;
        if (read <= 0) break;
        if (read < blockBytes) {
            SAFEARRAYBOUND bound{static_cast<uint32_t>(read / 2), 0};
            SafeArrayRedim(block.get(), &bound);
        }
        write(block.get());
        if (status_ == operation::kIdle) break;  // cancelled: the file keeps what was written
        done += read;
        const double fraction = length > 0 ? std::min(static_cast<double>(done) / length, 1.0) : 1.0;
        ReportProgress(static_cast<int32_t>(fraction * 100));
    }
}

void AudioEditor::SaveThroughFile(const std::string& fileName, bool selected, int32_t formatType) {
    WaveFile file;
    bool encoded = false;
    double rateRatio = 1.0;
    if (file.Open(position_->State()->filePath, WaveMode::Read)) {
        Bstr name(fileName);
        fileComponent_->OpenForEncoding(name.get(), formatType);
        fileComponent_->GetLastError(&lastErrorNum_);
        if (lastErrorNum_ == 0) {
            int32_t outputRate = frequency_;
            fileComponent_->GetFrequency(&outputRate);
            rateRatio = static_cast<double>(outputRate) / frequency_;
            fileComponent_->SetInputFormat(frequency_, channels_);
            auto write = [this](SAFEARRAY* block) { fileComponent_->WriteBlock(block); };
            EncodeFrom(file, selected, 4 * frequency_, write);
            encoded = true;
        }
    }
    status_ = operation::kIdle;
    fileComponent_->CloseFile();
    file.Close();
    if (encoded) WriteMarkersAndInfo(fileName, selected, rateRatio);
}

void AudioEditor::WriteMarkersAndInfo(const std::string& fileName, bool selected, double rateRatio) {
    IVeskAudioInformation* info = fileInfo_->Information();
    if (!info || !fileInfo_->SaveExtraInfo()) return;
    const DocState& state = *position_->State();
    const int64_t frame = 2 * channels_;
    const int64_t a = selected ? state.startSelect[state.zoomLevel] / frame : 0;
    const int64_t b = selected ? state.endSelect[state.zoomLevel] / frame : state.totalBytes / frame;
    // Until the component holds none; bounded, so that a component that keeps its count cannot
    // hold the save forever.
    int32_t count = 0;
    info->GetMarkerInfoCount(&count);
    for (int32_t left = count; count > 0 && left-- > 0;) {
        info->RemoveMarkerInfo();
        info->GetMarkerInfoCount(&count);
    }
    for (const MarkerRecord& marker : MarkersForSave(state.markers, a, b, rateRatio)) {
        Bstr label(marker.label), note(marker.note), text(marker.text);
        info->AddMarkerInfo(static_cast<int32_t>(marker.positionFrames), static_cast<int32_t>(marker.lengthFrames),
                            label.get(), note.get(), text.get(), static_cast<int16_t>(marker.language),
                            static_cast<int16_t>(marker.country), static_cast<int16_t>(marker.dialect),
                            static_cast<int16_t>(marker.codePage));
    }
    Bstr name(fileName);
    info->WriteFileInfo(name.get());
}

void AudioEditor::SaveThroughWma(const std::string& fileName, bool selected) {
    auto codec = services_.registry->Create<IWmaCodec>(kWmaCodecName);
    if (!codec) return;
    WaveFile file;
    if (file.Open(position_->State()->filePath, WaveMode::Read)) {
        codec->SetInputFormat(frequency_, channels_);
        codec->SetProfile(wmaProfile_);
        Bstr name(fileName);
        codec->OpenForEncoding(name.get(), &lastErrorNum_);
        codec->GetLastError(&lastErrorNum_);
        if (lastErrorNum_ == 0) {
            auto write = [&codec](SAFEARRAY* block) { codec->WriteBlock(block); };
            EncodeFrom(file, selected, frequency_, write);
        }
    }
    status_ = operation::kIdle;
    codec->CloseFile();
    codec.reset();
    file.Close();
    Redraw();
}

}  // namespace vesk
