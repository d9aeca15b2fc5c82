#include "components/transform/StretchEffect.h"

#include <SoundTouch.h>

#include <algorithm>
#include <cmath>

#include "components/transform/ProgressReporter.h"
#include "components/transform/SampleMath.h"

namespace vesk {
namespace {

constexpr size_t kTransferSamples = 8192;

// Moves whatever the stretcher has ready into output.
void Drain(soundtouch::SoundTouch& stretcher, std::vector<int16_t>& output, std::vector<float>& buffer) {
    while (true) {
        const unsigned received = stretcher.receiveSamples(buffer.data(), static_cast<unsigned>(buffer.size()));
        if (received == 0) return;
        for (unsigned i = 0; i < received; ++i) output.push_back(ToSample(buffer[i] * kFullScale));
    }
}

}  // namespace

StretchEffect::StretchEffect(double percent, double rateHz) : percent_(Clamp(percent, 10.0, 1000.0)), rateHz_(rateHz) {}

size_t StretchEffect::TargetLength(size_t inputLength, double percent) {
    return static_cast<size_t>(std::llround(static_cast<double>(inputLength) * Clamp(percent, 10.0, 1000.0) / 100.0));
}

std::optional<std::vector<int16_t>> StretchEffect::Run(std::span<const int16_t> input, ProgressReporter& progress) {
    const size_t target = TargetLength(input.size(), percent_);
    soundtouch::SoundTouch stretcher;
    stretcher.setSampleRate(static_cast<unsigned>(rateHz_));
    stretcher.setChannels(1);
    stretcher.setTempo(100.0 / percent_);
    stretcher.setSetting(SETTING_USE_QUICKSEEK, 1);  // a faster search, hardly audible

    std::vector<int16_t> output;
    output.reserve(target + kTransferSamples);
    std::vector<float> buffer(kTransferSamples);
    const size_t step = progress.ChunkUnits();
    for (size_t begin = 0; begin < input.size(); begin += step) {
        const size_t end = std::min(input.size(), begin + step);
        for (size_t at = begin; at < end; at += kTransferSamples) {
            const size_t count = std::min(kTransferSamples, end - at);
            for (size_t i = 0; i < count; ++i) buffer[i] = static_cast<float>(input[at + i] / kFullScale);
            stretcher.putSamples(buffer.data(), static_cast<unsigned>(count));
            Drain(stretcher, output, buffer);
        }
        if (!progress.Advance(end)) return std::nullopt;
    }
    stretcher.flush();
    Drain(stretcher, output, buffer);
    // The stretcher pads its last window with silence; the wanted length is exact.
    output.resize(target, 0);
    return output;
}

}  // namespace vesk
