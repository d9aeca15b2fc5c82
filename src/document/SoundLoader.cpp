#include "document/SoundLoader.h"

#include <algorithm>
#include <cstdlib>

#include "components/ComponentErrors.h"
#include "components/ComponentNames.h"
#include "document/CdTrackSource.h"
#include "document/DocumentLimits.h"
#include "document/FileComponentSource.h"
#include "document/FileKind.h"
#include "document/MarkerTransfer.h"
#include "document/WmaCodecSource.h"
#include "platform/io/PathUtil.h"

namespace vesk {

std::unique_ptr<BlockSource> SoundLoader::MakeSource(const std::string& fileName, int32_t formatType) {
    DocumentComponents& components = document_.Components();
    switch (FileKindOf(fileName)) {
        case FileKind::General:
            if (!components.file) return nullptr;
            return std::make_unique<FileComponentSource>(*components.file, fileName, formatType);
        case FileKind::Wma:
            if (auto codec = components.registry ? components.registry->Create<IWmaCodec>(kWmaCodecName) : nullptr) {
                return std::make_unique<WmaCodecSource>(std::move(codec), fileName);
            }
            return nullptr;
        case FileKind::CdTrack:
            if (auto reader = components.registry ? components.registry->Create<ICdReader>(kCdReaderName) : nullptr) {
                return std::make_unique<CdTrackSource>(std::move(reader), fileName, document_, components.file);
            }
            return nullptr;
    }
    return nullptr;
}

void SoundLoader::Open(const std::string& fileName, int32_t formatType) {
    document_.ClearError();
    std::unique_ptr<BlockSource> source = MakeSource(fileName, formatType);
    if (!source) return;  // no component for this kind of file: nothing happens
    document_.SetStatus(Status::Opening);
    const int32_t error = source->Open();
    if (error != component_error::kNone) {
        document_.SetError(error);
    } else {
        const std::string path = document_.NewWorkingFileName();
        if (Load(*source, path)) {
            source->Adopt(document_);
        } else {
            RemoveFile(path);
        }
    }
    source->Close();
    document_.SetStatus(Status::Idle);
    if (document_.IsOpen() && FileKindOf(fileName) != FileKind::CdTrack) ReadInformation(fileName);
}

bool SoundLoader::Load(BlockSource& source, const std::string& path) {
    const SourceFormat format = source.Format();
    if (!IsSupportedFrequency(format.frequency) || format.channels < 1 || format.channels > 2) {
        document_.SetError(component_error::kFormatNotSupport);
        return false;
    }
    // A sound longer than a document holds is refused whole rather than opened in part: saving
    // the part over the file would lose the rest.
    if (!FitsDocument(format.expectedBytes)) {
        document_.SetError(component_error::kMemory);
        return false;
    }
    document_.SetFormat(format.frequency, format.channels, format.bitsPerSample);
    if (IVeskAudioTransform* transform = document_.Components().transform) transform->SetFrequency(format.frequency);
    WaveFile file;
    if (path.empty() || !file.Create(path, static_cast<uint32_t>(format.frequency),
                                     static_cast<uint16_t>(format.channels))) {
        document_.SetError(source.WorkingFileError());
        return false;
    }
    DocumentDisplay& display = document_.Display();
    display.StartDecodingOverview(format.expectedBytes, format.channels);
    display.ResetProgress();
    display.FormatChanged();
    const bool decoded = Decode(source, file, format.expectedBytes);
    const uint32_t dataBytes = file.DataSize();
    // Closing writes the sizes into the header: a file without them is no working file.
    if (!file.Close() || !decoded) {
        // A decoder that delivers more than it announced may still pass the limit.
        document_.SetError(file.LimitReached() ? component_error::kMemory : component_error::kFileAccess);
        display.FreeOverview();
        return false;
    }
    DocState state;
    state.filePath = path;
    state.channels = static_cast<int16_t>(format.channels);
    state.frequency = format.frequency;
    state.totalBytes = static_cast<int32_t>(dataBytes);
    state.endView[0] = state.totalBytes;
    document_.History().Push(state);
    // The overview filled on the way is good unless the decode stopped early or the length was
    // more than 1 % off what the source announced.
    const int64_t total = state.totalBytes;
    if (document_.IsIdle() || std::llabs(total - format.expectedBytes) > total / 100) display.BuildOverview();
    return true;
}

bool SoundLoader::Decode(BlockSource& source, WaveFile& file, int64_t expectedBytes) {
    DocumentDisplay& display = document_.Display();
    const bool reportBlocks = !source.ReportsOwnProgress();
    int64_t done = 0;
    bool written = true;
    while (true) {
        SafeArrayPtr block = source.Read(source.BlockBytes());
        if (block.size() < 2 || document_.IsIdle()) break;
        const std::span<int16_t> samples = block.shorts();
        if (!file.Write(samples.data(), static_cast<uint32_t>(samples.size_bytes()))) {
            written = false;
            break;
        }
        display.AddDecodedBlock(samples, done);
        done += static_cast<int64_t>(samples.size_bytes());
        if (!reportBlocks) continue;
        const double fraction = expectedBytes > 0 ? static_cast<double>(done) / expectedBytes : 1.0;
        display.ShowProgress(static_cast<int32_t>(std::min(fraction, 0.9999) * 100));
    }
    display.ShowProgress(100);
    return written;
}

void SoundLoader::ReadInformation(const std::string& fileName) {
    IVeskAudioInformation* info = document_.Components().information;
    if (!info) return;
    MarkerTransfer(*info).Read(fileName, *document_.Current());
    document_.Display().MarkersChanged();
}

}  // namespace vesk
