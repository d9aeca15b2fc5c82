#include "components/transform/InPlaceEffect.h"

#include <algorithm>

#include "components/transform/ProgressReporter.h"

namespace vesk {

bool RunInPlace(InPlaceEffect& effect, std::span<int16_t> block, ProgressReporter& progress) {
    effect.Prepare(block);
    const size_t step = progress.ChunkUnits();
    for (size_t begin = 0; begin < block.size(); begin += step) {
        const size_t end = std::min(block.size(), begin + step);
        effect.Process(block, begin, end);
        if (!progress.Advance(end)) return false;
    }
    return true;
}

}  // namespace vesk
