#include "components/file/FormatConverter.h"

#include <algorithm>
#include <cmath>

#include "components/file/ChannelMix.h"

namespace vesk {
namespace {

constexpr int64_t kChunkFrames = 8192;

}  // namespace

FormatConverter::FormatConverter(AudioDecoder& source, int32_t hz, int32_t channels)
    : source_(source), hz_(hz), channels_(channels) {
    // The buffer holds a chunk of the wider of source and delivered layouts.
    pending_.resize(static_cast<size_t>(kChunkFrames * std::max(source.Info().channels, 2)));
    if (!Resampling()) return;
    // Without dither the same input always gives the same samples, whatever the block sizes.
    soxr_io_spec_t io = soxr_io_spec(SOXR_INT16_I, SOXR_INT16_I);
    io.flags |= SOXR_NO_DITHER;
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    soxr_error_t error = nullptr;
    resampler_ = soxr_create(source.Info().frequency, hz, static_cast<unsigned>(WorkChannels()), &error, &io,
                             &quality, nullptr);
    if (error) resampler_ = nullptr;
}

FormatConverter::~FormatConverter() {
    if (resampler_) soxr_delete(resampler_);
}

int32_t FormatConverter::WorkChannels() const { return std::min(source_.Info().channels, channels_); }

int64_t FormatConverter::LengthFrames() const {
    const SourceInfo& info = source_.Info();
    if (info.frequency <= 0) return 0;
    return std::llround(static_cast<double>(info.lengthFrames) * hz_ / info.frequency);
}

bool FormatConverter::Refill() {
    if (sourceEnded_) return false;
    const int64_t got = source_.Read(pending_.data(), kChunkFrames);
    if (got <= 0) {
        sourceEnded_ = true;
        return false;
    }
    ChannelMix::Convert(pending_.data(), source_.Info().channels, pending_.data(), WorkChannels(), got);
    pendingOffsetFrames_ = 0;
    pendingFrames_ = got;
    return true;
}

// Fills out with up to maxFrames frames of WorkChannels() samples; after the source's end the
// resampler is drained (input null) until it has nothing more.
int64_t FormatConverter::Resample(int16_t* out, int64_t maxFrames) {
    const int32_t work = WorkChannels();
    int64_t done = 0;
    while (done < maxFrames) {
        if (pendingFrames_ == 0 && !sourceEnded_) Refill();
        const int16_t* in = sourceEnded_ ? nullptr : pending_.data() + pendingOffsetFrames_ * work;
        size_t taken = 0;
        size_t made = 0;
        if (soxr_process(resampler_, in, static_cast<size_t>(pendingFrames_), &taken, out + done * work,
                         static_cast<size_t>(maxFrames - done), &made)) {
            break;
        }
        pendingOffsetFrames_ += static_cast<int64_t>(taken);
        pendingFrames_ -= static_cast<int64_t>(taken);
        done += static_cast<int64_t>(made);
        if (sourceEnded_ && made == 0) break;
    }
    return done;
}

int64_t FormatConverter::Read(int16_t* out, int64_t maxFrames) {
    if (!Ok() || maxFrames <= 0) return 0;
    int64_t done = 0;
    if (resampler_) {
        done = Resample(out, maxFrames);
    } else {
        // Same rate: only the channel count changes, a chunk at a time through the buffer.
        while (done < maxFrames && (pendingFrames_ > 0 || Refill())) {
            const int64_t n = std::min(pendingFrames_, maxFrames - done);
            const int32_t work = WorkChannels();
            std::copy_n(pending_.data() + pendingOffsetFrames_ * work, n * work, out + done * work);
            pendingOffsetFrames_ += n;
            pendingFrames_ -= n;
            done += n;
        }
    }
    if (WorkChannels() < channels_) ChannelMix::Convert(out, WorkChannels(), out, channels_, done);
    return done;
}

}  // namespace vesk
