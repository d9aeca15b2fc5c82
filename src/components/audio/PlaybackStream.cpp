#include "components/audio/PlaybackStream.h"

#include <algorithm>

namespace vesk {

void PlaybackStream::Render(std::span<int16_t> out) {
    if (!started_.load(std::memory_order_relaxed)) {
        firstBuffer_.store(Clock::now().time_since_epoch().count());
        started_.store(true, std::memory_order_release);
    }
    const size_t taken = queue_.Take(out);
    std::fill(out.begin() + static_cast<std::ptrdiff_t>(taken), out.end(), int16_t{0});
    if (taken < out.size()) shortAt_.store(queue_.Taken(), std::memory_order_release);
    const std::span<int16_t> sound = out.first(taken);
    gain_.Apply(sound, channels_);
    meter_.Measure(sound, channels_);
    latest_.Write(sound);
}

bool PlaybackStream::RanDry() const {
    const uint64_t queued = queue_.Queued();
    return queue_.Taken() == queued && shortAt_.load(std::memory_order_acquire) == queued;
}

}  // namespace vesk
