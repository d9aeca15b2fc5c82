#include "document/SoundSaver.h"

#include <algorithm>

#include "components/ComponentErrors.h"
#include "components/ComponentNames.h"
#include "document/FileComponentSink.h"
#include "document/FileKind.h"
#include "document/MarkerTransfer.h"
#include "document/WmaCodecSink.h"
#include "platform/io/PathUtil.h"
#include "platform/io/ReplacementFile.h"

namespace vesk {

std::unique_ptr<BlockSink> SoundSaver::MakeSink(const std::string& fileName, int32_t formatType) {
    DocumentComponents& components = document_.Components();
    const int32_t frequency = document_.Frequency();
    const int32_t channels = document_.Channels();
    switch (FileKindOf(fileName)) {
        case FileKind::General:
            if (!components.file) return nullptr;
            return std::make_unique<FileComponentSink>(*components.file, formatType, frequency, channels);
        case FileKind::Wma:
            if (auto codec = components.registry ? components.registry->Create<IWmaCodec>(kWmaCodecName) : nullptr) {
                return std::make_unique<WmaCodecSink>(std::move(codec), document_.WmaProfile(), frequency, channels);
            }
            return nullptr;
        case FileKind::CdTrack:
            return nullptr;  // nothing can be written to a CD track
    }
    return nullptr;
}

// Saving over a file the history still needs would pull the sound from under the document.
bool SoundSaver::IsWorkingFile(const std::string& path) {
    const HistoryStore& history = document_.History();
    for (int32_t i = 0; i < history.Count(); ++i) {
        if (SameFile(history.At(i).filePath, path)) return true;
    }
    return false;
}

void SoundSaver::Save(const std::string& fileName, bool selected, int32_t formatType, bool saveExtraInfo) {
    document_.ClearError();
    std::unique_ptr<BlockSink> sink = MakeSink(fileName, formatType);
    if (!sink) return;
    const std::string target = ResolveTarget(fileName);
    if (IsWorkingFile(target)) {
        document_.SetError(component_error::kFileAccess);
        return;
    }
    const std::string written = CreateFileBeside(target);
    if (written.empty()) {
        document_.SetError(component_error::kFileAccess);
        return;
    }
    const int32_t error = Write(*sink, written, selected, saveExtraInfo);
    if (error == component_error::kNone && ReplaceFile(written, target)) return;
    document_.SetError(error != component_error::kNone ? error : component_error::kFileAccess);
    RemoveFile(written);
}

int32_t SoundSaver::Write(BlockSink& sink, const std::string& written, bool selected, bool saveExtraInfo) {
    const DocState& state = *document_.Current();
    WaveFile file;
    if (!file.Open(state.filePath, WaveMode::Read)) return component_error::kFileAccess;
    int32_t error = sink.Open(written);
    double rateRatio = 1.0;
    if (error == component_error::kNone) {
        rateRatio = static_cast<double>(sink.OutputFrequency()) / document_.Frequency();
        error = Encode(sink, file, selected);
    }
    document_.SetStatus(Status::Idle);
    const int32_t closeError = sink.Close();
    file.Close();
    if (error == component_error::kNone) error = closeError;
    if (error != component_error::kNone) return error;

    IVeskAudioInformation* info = document_.Components().information;
    if (!info || !saveExtraInfo) return component_error::kNone;
    const int64_t frame = document_.BytesPerFrame();
    const int32_t level = state.zoomLevel;
    const int64_t a = selected ? state.startSelect[level] / frame : 0;
    const int64_t b = selected ? state.endSelect[level] / frame : state.totalBytes / frame;
    MarkerTransfer(*info).Write(written, state, a, b, rateRatio, sink.CarriesMarkers());
    return component_error::kNone;
}

int32_t SoundSaver::Encode(BlockSink& sink, WaveFile& file, bool selected) {
    const DocState& state = *document_.Current();
    const int32_t level = state.zoomLevel;
    const int32_t blockBytes = sink.BlockBytes();
    // An inverted selection (end before start) saves nothing.
    const int64_t length =
        selected ? std::max<int64_t>(int64_t{state.endSelect[level]} - state.startSelect[level], 0) : file.DataSize();
    DocumentDisplay& display = document_.Display();
    document_.SetStatus(Status::Saving);
    display.ResetProgress();
    if (selected) file.Seek(static_cast<uint32_t>(state.startSelect[level]));
    display.RenderBackground();

    SafeArrayPtr block(SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(blockBytes / 2)));
    if (!block.get()) return component_error::kMemory;
    int64_t done = 0;
    while (true) {
        int64_t wanted = blockBytes;
        if (selected) wanted = std::min<int64_t>(wanted, length - done);
        const int32_t read = wanted > 0 ? file.Read(block.shorts().data(), static_cast<uint32_t>(wanted)) : 0;
        if (read < 0) return component_error::kFileAccess;
        if (read == 0) break;
        if (read < blockBytes) {
            SAFEARRAYBOUND bound{static_cast<uint32_t>(read / 2), 0};
            SafeArrayRedim(block.get(), &bound);
        }
        if (const int32_t error = sink.Write(block.get())) return error;
        if (document_.IsIdle()) break;  // cancelled: the file keeps what was written
        done += read;
        const double fraction = length > 0 ? std::min(static_cast<double>(done) / length, 1.0) : 1.0;
        display.ShowProgress(static_cast<int32_t>(fraction * 100));
    }
    return component_error::kNone;
}

}  // namespace vesk
