#include "components/transform/DelayLine.h"

#include <bit>

#include "components/transform/SampleMath.h"

namespace vesk {

DelayLine::DelayLine(size_t maxDelaySamples)
    : buffer_(std::bit_ceil(maxDelaySamples + 2), 0.0), mask_(buffer_.size() - 1), maxDelay_(maxDelaySamples + 1) {}

void DelayLine::Push(double value) {
    buffer_[write_] = FlushTiny(value);
    write_ = (write_ + 1) & mask_;
}

double DelayLine::Tap(double delaySamples) const {
    const double delay = Clamp(delaySamples, 1.0, static_cast<double>(maxDelay_ - 1));
    const auto whole = static_cast<size_t>(delay);
    const double fraction = delay - static_cast<double>(whole);
    const double newer = buffer_[(write_ - whole) & mask_];
    const double older = buffer_[(write_ - whole - 1) & mask_];
    return newer + (older - newer) * fraction;
}

}  // namespace vesk
