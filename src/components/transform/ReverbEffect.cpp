#include "components/transform/ReverbEffect.h"

#include <algorithm>

#include "components/transform/SampleMath.h"

namespace vesk {
namespace {

// Freeverb's tunings in samples at 44.1 kHz.
constexpr std::array<double, 8> kCombTunings{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<double, 4> kAllpassTunings{556, 441, 341, 225};
constexpr double kInputGain = 0.015;  // keeps the sum of eight combs within range
constexpr double kWetGain = 3.0;
constexpr double kAllpassFeedback = 0.5;

}  // namespace

ReverbEffect::Comb::Comb(size_t length, double feedback, double damping)
    : buffer_(std::max<size_t>(length, 1), 0.0), feedback_(feedback), damping_(damping) {}

double ReverbEffect::Comb::Run(double input) {
    const double output = buffer_[index_];
    filtered_ = FlushTiny(output * (1.0 - damping_) + filtered_ * damping_);
    buffer_[index_] = input + filtered_ * feedback_;
    if (++index_ == buffer_.size()) index_ = 0;
    return output;
}

ReverbEffect::Allpass::Allpass(size_t length) : buffer_(std::max<size_t>(length, 1), 0.0) {}

double ReverbEffect::Allpass::Run(double input) {
    const double delayed = buffer_[index_];
    buffer_[index_] = FlushTiny(input + delayed * kAllpassFeedback);
    if (++index_ == buffer_.size()) index_ = 0;
    return delayed - input;
}

ReverbEffect::ReverbEffect(const Settings& settings, double sampleRateHz) : mix_(Clamp(settings.mix, 0.0, 1.0)) {
    const double longest = Clamp(settings.delayMilliseconds, 1.0, 1000.0) * sampleRateHz / 1000.0;
    const double feedback = Clamp(settings.feedback, 0.0, 0.98);
    const double damping = Clamp(settings.damping, 0.0, 1.0);
    for (double tuning : kCombTunings) {
        combs_.emplace_back(static_cast<size_t>(tuning / kCombTunings.back() * longest), feedback, damping);
    }
    for (double tuning : kAllpassTunings) allpasses_.emplace_back(static_cast<size_t>(tuning * sampleRateHz / 44100.0));
}

void ReverbEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        const double dry = block[i];
        double wet = 0.0;
        for (Comb& comb : combs_) wet += comb.Run(dry * kInputGain);
        for (Allpass& allpass : allpasses_) wet = allpass.Run(wet);
        block[i] = ToSample(dry + mix_ * kWetGain * wet);
    }
}

}  // namespace vesk
