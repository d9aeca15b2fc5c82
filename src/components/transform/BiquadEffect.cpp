#include "components/transform/BiquadEffect.h"

#include "components/transform/SampleMath.h"

namespace vesk {

void BiquadEffect::Process(std::span<int16_t> block, size_t begin, size_t end) {
    // State in locals for the loop, written back once per chunk.
    const BiquadCoefficients c = c_;
    double z1 = z1_;
    double z2 = z2_;
    int16_t* samples = block.data();
    for (size_t i = begin; i < end; ++i) {
        const double x = samples[i];
        const double y = c.b0 * x + z1;
        // Flushing keeps long silences out of the slow subnormal range.
        z1 = FlushTiny(c.b1 * x - c.a1 * y + z2);
        z2 = FlushTiny(c.b2 * x - c.a2 * y);
        samples[i] = ToSample(y);
    }
    z1_ = z1;
    z2_ = z2;
}

}  // namespace vesk
