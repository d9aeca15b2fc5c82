// Mean square of the last few samples (a sliding window), in squared sample units. The sum
// is kept in integers, so it does not drift however long the block is.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vesk {

class RmsDetector {
public:
    // windowSamples: window length, at least 1.
    explicit RmsDetector(size_t windowSamples);

    // Adds a sample and returns the mean square of the window ending with it (while the
    // window is still filling, of the samples seen so far).
    double Push(int16_t sample);

private:
    std::vector<uint32_t> squares_;
    size_t next_ = 0;
    size_t filled_ = 0;
    uint64_t sum_ = 0;
};

}  // namespace vesk
