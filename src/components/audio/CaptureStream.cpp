#include "components/audio/CaptureStream.h"

#include <algorithm>

namespace vesk {

void CaptureStream::Capture(std::span<const int16_t> samples) {
    started_.store(true, std::memory_order_release);
    size_t room = ring_.Writable();
    room -= room % frame_;
    const size_t whole = samples.size() - samples.size() % frame_;
    const size_t pushed = ring_.Push(samples.first(std::min(room, whole)));
    if (pushed < samples.size()) lost_.fetch_add(samples.size() - pushed, std::memory_order_relaxed);
}

void FilterSettingsBox::Set(const FilterSettings& settings) {
    std::lock_guard<std::mutex> lock(mutex_);
    settings_ = settings;
}

FilterSettings FilterSettingsBox::Get() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return settings_;
}

CaptureProcessor::CaptureProcessor(SpscRing<int16_t>& ring, const ChannelGain& gain,
                                   const FilterSettingsBox& filters, PeakMeter& meter,
                                   LatestValues<int16_t>& latest, Format format)
    : ring_(ring),
      gain_(gain),
      filterSettings_(filters),
      meter_(meter),
      latest_(latest),
      format_(format),
      blockSamples_(std::max<size_t>(format.blockFrames, 1) * static_cast<size_t>(format.channels)) {}

// The filter settings in force when a block begins hold for the whole block.
void CaptureProcessor::BeginBlock() {
    block_.assign(blockSamples_, 0);
    filled_ = 0;
    filters_.Configure(filterSettings_.Get(), format_.rateHz, format_.channels);
}

void CaptureProcessor::Drain(const BlockReady& ready) {
    while (ring_.Readable() > 0) {
        if (filled_ == 0) BeginBlock();
        const std::span<int16_t> chunk(block_.data() + filled_, blockSamples_ - filled_);
        const size_t count = ring_.Pop(chunk);
        const std::span<int16_t> fresh = chunk.first(count);
        gain_.Apply(fresh, format_.channels);
        filters_.Process(fresh);
        meter_.Measure(fresh, format_.channels);
        latest_.Write(fresh);
        filled_ += count;
        samples_ += count;
        if (filled_ == blockSamples_) {
            ready(std::move(block_));
            filled_ = 0;
        }
    }
}

}  // namespace vesk
