#include "components/audio/InputFilters.h"

namespace vesk {

void InputFilters::Configure(const FilterSettings& settings, int rateHz, int channels) {
    if (rateHz != rateHz_ || channels != channels_) notch_ = highPass_ = lowPass_ = Stage{};
    rateHz_ = rateHz;
    channels_ = channels;
    ConfigureStage(notch_, settings.notchOn, settings.notchHz, DesignNotch, kNotchQ);
    ConfigureStage(highPass_, settings.highPassOn, settings.highPassHz, DesignHighPass, kButterworthQ);
    ConfigureStage(lowPass_, settings.lowPassOn, settings.lowPassHz, DesignLowPass, kButterworthQ);
}

void InputFilters::ConfigureStage(Stage& stage, bool on, float hz, Design design, double q) {
    const double sane = BiquadLimits::SanitizeHz(hz, rateHz_);
    if (stage.on == on && (!on || stage.hz == sane)) return;
    stage = Stage{on, sane, {}};
    if (on) stage.channels.assign(static_cast<size_t>(channels_), BiquadEffect(design(rateHz_, sane, q)));
}

void InputFilters::Process(std::span<int16_t> samples) {
    if (!notch_.on && !highPass_.on && !lowPass_.on) return;
    const auto step = static_cast<size_t>(channels_);
    lane_.resize(samples.size() / step);
    for (size_t c = 0; c < step; ++c) {
        for (size_t i = 0; i < lane_.size(); ++i) lane_[i] = samples[i * step + c];
        for (Stage* stage : {&notch_, &highPass_, &lowPass_}) {
            if (stage->on) stage->channels[c].Process(lane_, 0, lane_.size());
        }
        for (size_t i = 0; i < lane_.size(); ++i) samples[i * step + c] = lane_[i];
    }
}

}  // namespace vesk
