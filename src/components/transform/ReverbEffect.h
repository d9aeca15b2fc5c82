// Reverb after the classic Schroeder–Moorer design as popularised by Freeverb: eight parallel
// lowpass-feedback comb filters (the decaying echo density of a room) followed by four
// series allpass filters (diffusion). The comb lengths keep Freeverb's mutually prime
// proportions, scaled so that the longest equals the given delay time.
#pragma once

#include <array>
#include <vector>

#include "components/transform/InPlaceEffect.h"

namespace vesk {

class ReverbEffect : public InPlaceEffect {
public:
    struct Settings {
        double delayMilliseconds;  // longest comb delay (room size), clamped to 1..1000
        double mix;                // reverberated level added to the dry sound, 0..1
        double feedback;           // comb feedback (decay time), 0..0.98
        double damping;            // high-frequency loss per echo, 0 (bright)..1 (dull)
    };

    ReverbEffect(const Settings& settings, double sampleRateHz);

    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    class Comb {
    public:
        Comb(size_t length, double feedback, double damping);
        double Run(double input);

    private:
        std::vector<double> buffer_;
        size_t index_ = 0;
        double feedback_;
        double damping_;
        double filtered_ = 0.0;
    };

    class Allpass {
    public:
        explicit Allpass(size_t length);
        double Run(double input);

    private:
        std::vector<double> buffer_;
        size_t index_ = 0;
    };

    double mix_;
    std::vector<Comb> combs_;
    std::vector<Allpass> allpasses_;
};

}  // namespace vesk
