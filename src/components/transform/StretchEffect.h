// Changes the length of the sound without changing its pitch (time-domain overlap-add with
// waveform matching, by SoundTouch). The result has exactly round(n × percent / 100) samples.
#pragma once

#include "components/transform/ResizingEffect.h"

namespace vesk {

class StretchEffect : public ResizingEffect {
public:
    // percent: new length in percent of the old, clamped to 10..1000; rateHz: sample rate.
    StretchEffect(double percent, double rateHz);

    static size_t TargetLength(size_t inputLength, double percent);

    std::optional<std::vector<int16_t>> Run(std::span<const int16_t> input, ProgressReporter& progress) override;

private:
    double percent_;
    double rateHz_;
};

}  // namespace vesk
