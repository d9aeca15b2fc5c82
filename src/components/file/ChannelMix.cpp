#include "components/file/ChannelMix.h"

#include <cstring>

namespace vesk {
namespace {

// Average of the channels first, first + step, ... of one frame.
int16_t Average(const int16_t* frame, int32_t channels, int32_t first, int32_t step) {
    int32_t sum = 0;
    int32_t count = 0;
    for (int32_t c = first; c < channels; c += step, ++count) sum += frame[c];
    return static_cast<int16_t>(count ? sum / count : 0);
}

// Backwards, so that the wider output can overwrite its own input.
void Duplicate(const int16_t* in, int16_t* out, int64_t frames) {
    for (int64_t i = frames - 1; i >= 0; --i) {
        const int16_t s = in[i];
        out[2 * i] = s;
        out[2 * i + 1] = s;
    }
}

}  // namespace

void ChannelMix::Convert(const int16_t* in, int32_t inChannels, int16_t* out, int32_t outChannels, int64_t frames) {
    if (inChannels == outChannels) {
        if (in != out) std::memmove(out, in, static_cast<size_t>(frames * inChannels) * sizeof(int16_t));
        return;
    }
    if (inChannels == 1) {
        Duplicate(in, out, frames);
        return;
    }
    // Narrowing: frame i is read before output i (never ahead of it) is written.
    const int32_t step = outChannels == 1 ? 1 : 2;
    for (int64_t i = 0; i < frames; ++i) {
        const int16_t* frame = in + i * inChannels;
        const int16_t left = Average(frame, inChannels, 0, step);
        const int16_t right = outChannels == 2 ? Average(frame, inChannels, 1, 2) : 0;
        out[i * outChannels] = left;
        if (outChannels == 2) out[i * outChannels + 1] = right;
    }
}

}  // namespace vesk
