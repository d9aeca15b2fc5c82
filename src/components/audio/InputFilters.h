// The recorder's input filters: a notch (mains hum), a high-pass and a low-pass, each a
// second-order section per channel with the transform component's designs and its biquad
// runner, so that the filter arithmetic exists once. Their state carries over from block to
// block; a stage is built anew (state cleared) only when its switch or frequency changes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "components/transform/BiquadEffect.h"

namespace vesk {

struct FilterSettings {
    bool notchOn = false;
    bool highPassOn = false;
    bool lowPassOn = false;
    float notchHz = 50.0f;  // mains hum
    float highPassHz = 100.0f;
    float lowPassHz = 8000.0f;
    friend bool operator==(const FilterSettings&, const FilterSettings&) = default;
};

class InputFilters {
public:
    // Quality of the notch: narrow enough to leave the neighbouring notes alone.
    static constexpr double kNotchQ = 5.0;
    // The two pass filters are Butterworth sections (flat, −3 dB at the corner).
    static constexpr double kButterworthQ = 0.7071067811865476;

    void Configure(const FilterSettings& settings, int rateHz, int channels);
    // Filters interleaved frames in place.
    void Process(std::span<int16_t> samples);

private:
    // One filter kind on every channel.
    struct Stage {
        bool on = false;
        double hz = 0.0;
        std::vector<BiquadEffect> channels;
    };
    using Design = BiquadCoefficients (*)(double rateHz, double hz, double q);

    void ConfigureStage(Stage& stage, bool on, float hz, Design design, double q);

    Stage notch_, highPass_, lowPass_;
    int rateHz_ = 0;
    int channels_ = 0;
    std::vector<int16_t> lane_;  // one channel of a block, for the runner
};

}  // namespace vesk
