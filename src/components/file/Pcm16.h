// The one conversion of decoded sound to the 16-bit samples the control works with. Both
// back-ends decode to floating point (1.0 = full scale, as libsndfile and FFmpeg normalise
// integer sources) and convert here, so that every source is scaled and clipped the same way.
#pragma once

#include <cstdint>

namespace vesk {

// in[i] × 32768, rounded and clipped to -32768..32767: 1.0 becomes 32767, -1.0 becomes -32768,
// and what lies beyond full scale (lossy decoders overshoot; float files may hold anything)
// stays at the limit instead of wrapping to the other sign. Integer sources come back exactly
// (a 16-bit sample s arrives as s / 32768). NaN becomes 0. in and out may not overlap.
void FloatToPcm16(const float* in, int16_t* out, int64_t count);

}  // namespace vesk
