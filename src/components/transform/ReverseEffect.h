// Plays the block backwards: sample i changes place with sample n-1-i.
#pragma once

#include "components/transform/InPlaceEffect.h"

namespace vesk {

class ReverseEffect : public InPlaceEffect {
public:
    void Prepare(std::span<const int16_t> block) override { size_ = block.size(); }
    // Swaps the pairs whose first member lies in [begin, end); the chunks of the second half
    // find nothing left to do.
    void Process(std::span<int16_t> block, size_t begin, size_t end) override;

private:
    size_t size_ = 0;
};

}  // namespace vesk
