// Test hook of the file layer: makes the n-th open, read, write or close of a RiffFile (or the
// n-th creation of a unique temporary file, which counts as an open) fail, so that tests can
// walk every failure point of an operation.
//
// This is process-wide state and exists only for tests; production code never arms it. When
// nothing is armed the file layer only counts calls.
#pragma once

#include <cstdint>

namespace vesk {

enum class IoOp { Open, Read, Write, Close };

class IoFaults {
public:
    // Makes the nth call (1-based, counted from now) of op fail once; the calls after it
    // succeed again. Resets the call counter of op. Other operations keep their arming.
    static void Arm(IoOp op, int32_t nth);
    // Clears every arming and every call counter.
    static void Disarm();
    // Calls of op since the last Arm of op or Disarm; lets a test learn how many failure points
    // an operation has before it walks them.
    static int32_t Calls(IoOp op);

    // Called by the file layer once per operation: counts the call and says whether it must fail.
    static bool ShouldFail(IoOp op);
};

}  // namespace vesk
