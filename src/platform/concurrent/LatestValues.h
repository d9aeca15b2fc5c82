// The latest values of a stream, kept for readers on other threads. One writer appends and
// never waits; a reader copies the newest n values and retries when the writer overwrote them
// while it was copying (a sequence lock on the write position). The slots are relaxed atomics
// so that the overlap, which the retry discards, is not a data race.
#pragma once

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vesk {

template <class T>
class LatestValues {
public:
    LatestValues() = default;
    explicit LatestValues(size_t capacity) { Reset(capacity); }
    LatestValues(const LatestValues&) = delete;
    LatestValues& operator=(const LatestValues&) = delete;

    // Forgets everything and keeps up to `capacity` values (a power of two). No writer or
    // reader may be active meanwhile.
    void Reset(size_t capacity) {
        size_ = std::bit_ceil(std::max<size_t>(capacity, 1));
        slots_ = std::make_unique<std::atomic<T>[]>(size_);
        begun_.store(0, std::memory_order_relaxed);
        written_.store(0, std::memory_order_relaxed);
    }

    size_t Capacity() const { return size_; }

    // Writer: appends the values (only the last Capacity() of a longer span matter).
    void Write(std::span<const T> values) {
        const uint64_t start = written_.load(std::memory_order_relaxed);
        const uint64_t end = start + values.size();
        // Announce the slots about to change before changing them (see Read).
        begun_.store(end, std::memory_order_relaxed);
        std::atomic_thread_fence(std::memory_order_release);
        const size_t skip = values.size() > size_ ? values.size() - size_ : 0;
        for (size_t i = skip; i < values.size(); ++i) {
            slots_[(start + i) & (size_ - 1)].store(values[i], std::memory_order_relaxed);
        }
        written_.store(end, std::memory_order_release);
    }

    // Any thread: the newest values, oldest first; at most `count`, at most what was written
    // and at most the capacity. `count` is rounded down to a multiple of `unit` (whole frames).
    std::vector<T> Read(size_t count, size_t unit = 1) const {
        unit = std::max<size_t>(unit, 1);
        for (;;) {
            const uint64_t end = written_.load(std::memory_order_acquire);
            size_t n = std::min<uint64_t>({count, end, size_});
            n -= n % unit;
            std::vector<T> out(n);
            const uint64_t start = end - n;
            for (size_t i = 0; i < n; ++i) out[i] = slots_[(start + i) & (size_ - 1)].load(std::memory_order_relaxed);
            std::atomic_thread_fence(std::memory_order_acquire);
            // Valid when no slot from `start` on was announced for overwriting meanwhile.
            if (begun_.load(std::memory_order_relaxed) - start <= size_) return out;
        }
    }

private:
    std::unique_ptr<std::atomic<T>[]> slots_;
    size_t size_ = 0;
    std::atomic<uint64_t> begun_{0};    // the write position a write in progress will reach
    std::atomic<uint64_t> written_{0};  // the write position of the last completed write
};

}  // namespace vesk
