#include "platform/io/IoFaults.h"

#include <array>
#include <atomic>
#include <cerrno>

namespace vesk {

namespace {

constexpr size_t kOpCount = 4;

struct OpState {
    std::atomic<int32_t> calls{0};
    std::atomic<int32_t> failAt{0};  // 0: not armed
    std::atomic<IoFault> fault{IoFault::Error};
};

std::array<OpState, kOpCount>& States() {
    static std::array<OpState, kOpCount> states;
    return states;
}

OpState& StateOf(IoOp op) { return States()[static_cast<size_t>(op)]; }

}  // namespace

void IoFaults::Arm(IoOp op, int32_t nth, IoFault fault) {
    OpState& state = StateOf(op);
    state.calls = 0;
    state.fault = fault;
    state.failAt = nth;
}

void IoFaults::Disarm() {
    for (OpState& state : States()) {
        state.calls = 0;
        state.failAt = 0;
    }
}

int32_t IoFaults::Calls(IoOp op) { return StateOf(op).calls; }

std::optional<IoFault> IoFaults::Next(IoOp op) {
    OpState& state = StateOf(op);
    const int32_t call = ++state.calls;
    if (state.failAt <= 0 || call != state.failAt) return std::nullopt;
    return state.fault.load();
}

int IoFaults::ErrnoOf(IoFault fault) { return fault == IoFault::DiskFull ? ENOSPC : EIO; }

}  // namespace vesk
