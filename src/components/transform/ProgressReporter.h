// Progress and cancellation of one Apply operation. Long blocks are worked on in chunks of
// about 5 % each; after every chunk the reporter tells the listener the percentage done and
// says whether the operation may go on (AbortTransform, typically called from the listener,
// sets the flag it watches).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace vesk {

class ProgressReporter {
public:
    using Listener = std::function<void(int32_t percent)>;

    // totalUnits: the work of the whole operation (usually samples). abortRequested is read
    // after every chunk and must outlive the reporter.
    ProgressReporter(size_t totalUnits, Listener listener, const bool& abortRequested);

    // Below this many units an operation is short: one chunk, no progress events.
    static constexpr size_t kShortOperationUnits = size_t{1} << 16;

    // Units per chunk: about 5 % of the total, at least kShortOperationUnits, always even so
    // that a chunk never splits an interleaved stereo frame.
    size_t ChunkUnits() const { return chunkUnits_; }

    // Records that doneUnits are finished; notifies the listener of long operations. Returns
    // false when the operation has been asked to stop.
    bool Advance(size_t doneUnits);

private:
    size_t totalUnits_;
    size_t chunkUnits_;
    Listener listener_;
    const bool& abortRequested_;
    int32_t lastPercent_ = -1;
};

}  // namespace vesk
