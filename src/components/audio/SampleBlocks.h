// Sample blocks across the component contracts: SAFEARRAYs of VT_I2, frames interleaved.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/automation/SafeArray.h"

namespace vesk {

// The samples of a block the caller lends; empty for null or another element type.
std::span<const int16_t> SamplesOf(SAFEARRAY* block);
// A new block (the caller's) holding `samples`.
HRESULT WriteOutSamples(SAFEARRAY** block, const std::vector<int16_t>& samples);

}  // namespace vesk
