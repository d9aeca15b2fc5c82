// Test hook of the file layer: makes the n-th open, read, write or close of a BufferedFile (and
// so of a RiffFile and of every library stream built on one), or the n-th creation of a unique
// temporary file, which counts as an open, fail, so that tests can walk every failure point of
// an operation.
//
// This is process-wide state and exists only for tests; production code never arms it. When
// nothing is armed the file layer only counts calls.
#pragma once

#include <cstdint>
#include <optional>

namespace vesk {

enum class IoOp { Open, Read, Write, Close };

// How an armed call fails. A full disk lets a write put out the part that fits before it
// fails, as write(2) does, and reports ENOSPC; an error fails the call whole with EIO.
enum class IoFault { Error, DiskFull };

class IoFaults {
public:
    // Makes the nth call (1-based, counted from now) of op fail once, in the way `fault` says;
    // the calls after it succeed again. Resets the call counter of op. Other operations keep
    // their arming.
    static void Arm(IoOp op, int32_t nth, IoFault fault = IoFault::Error);
    // Clears every arming and every call counter.
    static void Disarm();
    // Calls of op since the last Arm of op or Disarm; lets a test learn how many failure points
    // an operation has before it walks them.
    static int32_t Calls(IoOp op);

    // Called by the file layer once per operation: counts the call and says how it must fail,
    // if it must.
    static std::optional<IoFault> Next(IoOp op);
    static bool ShouldFail(IoOp op) { return Next(op).has_value(); }
    // The errno a failure of that kind reports.
    static int ErrnoOf(IoFault fault);
};

}  // namespace vesk
