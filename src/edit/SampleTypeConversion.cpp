#include "edit/SampleTypeConversion.h"

#include <algorithm>

#include "edit/FormatConversion.h"
#include "platform/io/PathUtil.h"

namespace vesk {

void SampleTypeConversion::Convert(int32_t frequency, int32_t channels) {
    if (!host_.History().Current() || host_.Status() != 0) return;
    host_.SetLastErrorNum(0);
    // Only formats the working files can hold are converted to; anything else is refused
    // like a conversion to the current format.
    if (frequency <= 0 || (channels != 1 && channels != 2)) return;
    if (frequency == host_.Frequency() && channels == host_.Channels()) return;

    progress_.Deactivate();
    const std::string path = host_.NewWorkingFileName();
    WaveFile input, output;
    bool converted = !path.empty() && input.Open(host_.History().Current()->filePath, WaveMode::Read) &&
                     output.Create(path, static_cast<uint32_t>(frequency), static_cast<uint16_t>(channels));
    host_.SetStatus(kStatusCode);
    converted = converted && Stream(input, output, frequency, channels);
    block_ = {};
    if (converted && host_.Status() == 0) {
        // Cancelled: the output is dropped and the document stays as it was.
        input.Close();
        output.Close();
        RemoveFile(path);
        host_.FireEndOperation();
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
    host_.SetStatus(0);
    input.Close();
    ShowAndEnd();
}

bool SampleTypeConversion::Stream(WaveFile& input, WaveFile& output, int32_t frequency, int32_t channels) {
    const int32_t oldFrequency = host_.Frequency();
    const int32_t oldChannels = host_.Channels();
    block_.resize(input.Format().avgBytesPerSecond / 2);
    do {
        const int32_t got = input.Read(block_.data(), static_cast<uint32_t>(block_.size() * 2));
        if (got < 0) return false;
        if (got == 0) break;
        std::span<const int16_t> samples(block_.data(), static_cast<size_t>(got) / 2);
        std::vector<int16_t> converted;
        if (channels != oldChannels) {
            converted = FormatConversion::ConvertChannels(samples, oldChannels, channels);
            samples = converted;
        }
        std::vector<int16_t> resampled;
        if (frequency != oldFrequency) {
            resampled = FormatConversion::ResampleBlock(samples, channels, oldFrequency, frequency);
            samples = resampled;
        }
        if (!samples.empty() && !output.Write(samples.data(), static_cast<uint32_t>(samples.size_bytes()))) {
            return false;
        }
        const double ratio = std::min(static_cast<double>(input.Position()) / input.DataSize(), 1.0);
        host_.FireBlockOperation(static_cast<int16_t>(ratio * 100));
    } while (host_.Status() != 0);
    return true;
}

void SampleTypeConversion::Commit(const std::string& path, uint32_t dataBytes, int32_t frequency, int32_t channels) {
    host_.SetFormat(frequency, channels);
    if (IVeskAudioTransform* transform = host_.Transform()) transform->SetFrequency(frequency);
    host_.RefreshChannels();
    DocState state;
    state.filePath = path;
    state.frequency = frequency;
    state.channels = static_cast<int16_t>(channels);
    state.totalBytes = static_cast<int32_t>(dataBytes);
    HistoryStore& history = host_.History();
    history.Push(state);
    // Only the rate matters to the markers: positions scale by the ratio of the rates.
    if (const DocState* previous = history.Previous()) HistoryStore::CarryMarkers(*previous, *history.Current(), 0, 0, 0);
}

void SampleTypeConversion::ShowAndEnd() {
    host_.BuildOverview();
    if (!host_.RecomputeView(0, host_.History().Current()->totalBytes)) return;
    host_.RefreshMarkers();
    host_.Redraw();
    host_.FireEndOperation();
}

}  // namespace vesk
