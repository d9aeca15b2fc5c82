// An effect whose result may be longer or shorter than its input (stretching, trimming).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vesk {

class ProgressReporter;

class ResizingEffect {
public:
    virtual ~ResizingEffect() = default;

    // The new samples, or nothing when the progress reporter asked to stop (the caller then
    // keeps the input as it was).
    virtual std::optional<std::vector<int16_t>> Run(std::span<const int16_t> input, ProgressReporter& progress) = 0;
};

}  // namespace vesk
