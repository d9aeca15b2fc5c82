#include "edit/SampleTypeConversion.h"

#include <algorithm>

#include "components/ComponentErrors.h"
#include "document/DocumentLimits.h"
#include "edit/FormatConversion.h"
#include "platform/io/PathUtil.h"

namespace vesk {

void SampleTypeConversion::Convert(int32_t frequency, int32_t channels) {
    if (!document_.History().Current() || !document_.IsIdle()) return;
    document_.ClearError();
    // Only formats the working files can hold are converted to.
    if (!IsSupportedFrequency(frequency) || (channels != 1 && channels != 2)) {
        document_.SetError(component_error::kInvalidParam);
        return;
    }
    if (frequency == document_.Frequency() && channels == document_.Channels()) return;
    const int64_t frames = document_.Current()->TotalFrames() * int64_t{frequency} / document_.Frequency();
    if (!FitsDocument(frames * 2 * channels)) {
        document_.SetError(component_error::kMemory);
        document_.ReportError();
        document_.Events().EndOperation();
        return;
    }

    progress_.Deactivate();
    const std::string path = document_.NewWorkingFileName();
    WaveFile input, output;
    bool converted = !path.empty() && input.Open(document_.History().Current()->filePath, WaveMode::Read) &&
                     output.Create(path, static_cast<uint32_t>(frequency), static_cast<uint16_t>(channels));
    document_.SetStatus(Status::ConvertSampleType);
    converted = converted && Stream(input, output, frequency, channels);
    block_ = {};
    conversion_ = {};
    if (converted && document_.IsIdle()) {
        // Cancelled: the output is dropped and the document stays as it was.
        input.Close();
        output.Close();
        RemoveFile(path);
        document_.Events().EndOperation();
        return;
    }
    const uint32_t dataBytes = output.DataSize();
    converted = converted && output.Close();
    if (converted) {
        Commit(path, dataBytes, frequency, channels);
    } else if (!path.empty()) {
        output.Close();
        RemoveFile(path);
    }
    document_.SetStatus(Status::Idle);
    input.Close();
    ShowAndEnd();
}

bool SampleTypeConversion::Stream(WaveFile& input, WaveFile& output, int32_t frequency, int32_t channels) {
    const int32_t oldFrequency = document_.Frequency();
    const int32_t oldChannels = document_.Channels();
    block_.resize(input.Format().avgBytesPerSecond / 2);
    do {
        const int32_t got = input.Read(block_.data(), static_cast<uint32_t>(block_.size() * 2));
        if (got < 0) return false;
        if (got == 0) break;
        std::span<const int16_t> samples(block_.data(), static_cast<size_t>(got) / 2);
        if (channels != oldChannels) samples = conversion_.ConvertChannels(samples, oldChannels, channels);
        if (frequency != oldFrequency) samples = conversion_.ResampleBlock(samples, channels, oldFrequency, frequency);
        if (!samples.empty() && !output.Write(samples.data(), static_cast<uint32_t>(samples.size_bytes()))) {
            return false;
        }
        const double ratio = std::min(static_cast<double>(input.Position()) / input.DataSize(), 1.0);
        document_.Events().BlockOperation(static_cast<int16_t>(ratio * 100));
    } while (!document_.IsIdle());
    return true;
}

void SampleTypeConversion::Commit(const std::string& path, uint32_t dataBytes, int32_t frequency, int32_t channels) {
    document_.SetFormat(frequency, channels, document_.BitsPerSample());
    if (IVeskAudioTransform* transform = document_.Components().transform) transform->SetFrequency(frequency);
    document_.Display().FormatChanged();
    DocState state;
    state.filePath = path;
    state.frequency = frequency;
    state.channels = static_cast<int16_t>(channels);
    state.totalBytes = static_cast<int32_t>(dataBytes);
    HistoryStore& history = document_.History();
    history.Push(state);
    // Only the rate matters to the markers: positions scale by the ratio of the rates.
    if (const DocState* previous = history.Previous()) HistoryStore::CarryMarkers(*previous, *history.Current(), 0, 0, 0);
}

void SampleTypeConversion::ShowAndEnd() {
    document_.Display().BuildOverview();
    if (!document_.Display().RecomputeView(0, document_.History().Current()->totalBytes)) return;
    document_.Display().MarkersChanged();
    document_.Display().Redraw();
    document_.Events().EndOperation();
}

}  // namespace vesk
