#include "components/file/Pcm16.h"

#include <algorithm>
#include <cmath>

namespace vesk {

void FloatToPcm16(const float* in, int16_t* out, int64_t count) {
    for (int64_t i = 0; i < count; ++i) {
        const float scaled = std::nearbyint(in[i] * 32768.0f);
        out[i] = std::isnan(scaled) ? int16_t{0} : static_cast<int16_t>(std::clamp(scaled, -32768.0f, 32767.0f));
    }
}

}  // namespace vesk
