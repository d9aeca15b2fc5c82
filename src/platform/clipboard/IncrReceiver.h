// The requestor's side of an incremental selection transfer (see IncrSender): collects the
// pieces in order until the empty piece that ends the image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vesk {

class IncrReceiver {
public:
    // The owner announces a lower bound of the size; it only reserves memory, at most
    // kMaxReserveBytes, so a false announcement costs nothing.
    static constexpr size_t kMaxReserveBytes = 64u << 20;
    explicit IncrReceiver(size_t announcedBytes);

    // Appends one piece; an empty piece completes the image. False when memory runs out.
    bool Add(std::span<const uint8_t> piece);
    bool Complete() const { return complete_; }
    // The collected image (moved out).
    std::vector<uint8_t> Take() { return std::move(image_); }

private:
    std::vector<uint8_t> image_;
    bool complete_ = false;
};

}  // namespace vesk
