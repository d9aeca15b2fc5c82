// A ring buffer of past values with reads between samples (linear interpolation), the
// building block of echoes and of the modulated delays of vibrato and flanger.
#pragma once

#include <cstddef>
#include <vector>

namespace vesk {

class DelayLine {
public:
    // maxDelaySamples: the longest delay Tap will be asked for.
    explicit DelayLine(size_t maxDelaySamples);

    void Push(double value);

    // The value pushed delaySamples pushes ago: Tap(1) is the most recent one. delaySamples
    // is limited to 1..maxDelaySamples; fractions interpolate between neighbours.
    double Tap(double delaySamples) const;

private:
    std::vector<double> buffer_;  // power-of-two size, so wrapping is a mask
    size_t mask_;
    size_t maxDelay_;
    size_t write_ = 0;  // where the next value goes
};

}  // namespace vesk
