#include "components/audio/SampleBlocks.h"

#include <algorithm>

namespace vesk {

std::span<const int16_t> SamplesOf(SAFEARRAY* block) { return SafeArraySpan<int16_t>(block, VT_I2); }

HRESULT WriteOutSamples(SAFEARRAY** block, const std::vector<int16_t>& samples) {
    if (!block) return E_POINTER;
    *block = SafeArrayCreateVector(VT_I2, 0, static_cast<uint32_t>(samples.size()));
    if (!*block) return E_OUTOFMEMORY;
    std::copy(samples.begin(), samples.end(), SafeArraySpan<int16_t>(*block, VT_I2).begin());
    return S_OK;
}

}  // namespace vesk
