// A bounded first-in first-out ring for one producer thread and one consumer thread, without
// locks: each side only writes its own index and publishes it with release ordering, so the
// other side sees the elements before it sees the index move. Neither side ever waits or
// allocates, which is what a real-time audio callback needs on its side.
#pragma once

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vesk {

template <class T>
class SpscRing {
public:
    SpscRing() = default;
    explicit SpscRing(size_t capacity) { Reset(capacity); }
    SpscRing(const SpscRing&) = delete;
    SpscRing& operator=(const SpscRing&) = delete;

    // Empties the ring and makes room for at least `capacity` elements (a power of two).
    // Neither side may be using the ring meanwhile.
    void Reset(size_t capacity) {
        buffer_.assign(std::bit_ceil(std::max<size_t>(capacity, 1)), T{});
        mask_ = buffer_.size() - 1;
        read_.store(0, std::memory_order_relaxed);
        write_.store(0, std::memory_order_relaxed);
    }

    size_t Capacity() const { return buffer_.size(); }

    // Producer: appends as many leading elements of `items` as fit; returns how many.
    size_t Push(std::span<const T> items) {
        const uint64_t write = write_.load(std::memory_order_relaxed);
        const uint64_t read = read_.load(std::memory_order_acquire);
        const size_t count = std::min<size_t>(items.size(), buffer_.size() - (write - read));
        for (size_t i = 0; i < count; ++i) buffer_[(write + i) & mask_] = items[i];
        write_.store(write + count, std::memory_order_release);
        return count;
    }

    // Consumer: takes up to out.size() elements, oldest first; returns how many.
    size_t Pop(std::span<T> out) {
        const uint64_t read = read_.load(std::memory_order_relaxed);
        const uint64_t write = write_.load(std::memory_order_acquire);
        const size_t count = std::min<size_t>(out.size(), write - read);
        for (size_t i = 0; i < count; ++i) out[i] = buffer_[(read + i) & mask_];
        read_.store(read + count, std::memory_order_release);
        return count;
    }

    // Either side: elements waiting (exact for the consumer, a lower bound for the producer).
    size_t Readable() const {
        return write_.load(std::memory_order_acquire) - read_.load(std::memory_order_acquire);
    }
    // Either side: free room (exact for the producer, a lower bound for the consumer).
    size_t Writable() const { return buffer_.size() - Readable(); }

private:
    std::vector<T> buffer_;
    size_t mask_ = 0;
    // Running totals; the slot is the total masked. 64 bits never wrap in practice.
    alignas(64) std::atomic<uint64_t> read_{0};
    alignas(64) std::atomic<uint64_t> write_{0};
};

}  // namespace vesk
