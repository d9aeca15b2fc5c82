#include "components/transform/NoiseGenerator.h"

namespace vesk {

NoiseGenerator::NoiseGenerator(NoiseColor color, uint64_t seed)
    : color_(color), state_(seed * 0x9E3779B97F4A7C15ull + 0x2545F4914F6CDD1Dull) {
    if (state_ == 0) state_ = 1;  // xorshift never leaves zero
}

double NoiseGenerator::Next() {
    const double white = NextWhite();
    switch (color_) {
        case NoiseColor::kPink:
            return NextPink(white);
        case NoiseColor::kBrown:
            return NextBrown(white);
        case NoiseColor::kWhite:
            break;
    }
    return white;
}

// xorshift64*: fast, and good enough for audio noise; uniform in [-1, 1).
double NoiseGenerator::NextWhite() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const uint64_t bits = (state_ * 0x2545F4914F6CDD1Dull) >> 11;
    return static_cast<double>(bits) * (2.0 / 9007199254740992.0) - 1.0;
}

// Seven first-order sections whose poles are spread so that their sum falls at 3 dB per
// octave within a fraction of a dB over the audible range.
double NoiseGenerator::NextPink(double white) {
    double* b = pink_;
    b[0] = 0.99886 * b[0] + white * 0.0555179;
    b[1] = 0.99332 * b[1] + white * 0.0750759;
    b[2] = 0.96900 * b[2] + white * 0.1538520;
    b[3] = 0.86650 * b[3] + white * 0.3104856;
    b[4] = 0.55000 * b[4] + white * 0.5329522;
    b[5] = -0.7616 * b[5] - white * 0.0168980;
    const double pink = b[0] + b[1] + b[2] + b[3] + b[4] + b[5] + b[6] + white * 0.5362;
    b[6] = white * 0.115926;
    return pink * 0.11;
}

// The leak keeps the integral from wandering off to full scale over long blocks.
double NoiseGenerator::NextBrown(double white) {
    brown_ = (brown_ + 0.02 * white) / 1.02;
    return brown_ * 3.5;
}

}  // namespace vesk
