#include "platform/clipboard/IncrReceiver.h"

#include <algorithm>
#include <new>

namespace vesk {

IncrReceiver::IncrReceiver(size_t announcedBytes) {
    try {
        image_.reserve(std::min(announcedBytes, kMaxReserveBytes));
    } catch (const std::bad_alloc&) {
        // Growing piece by piece still works.
    }
}

bool IncrReceiver::Add(std::span<const uint8_t> piece) {
    if (piece.empty()) {
        complete_ = true;
        return true;
    }
    try {
        image_.insert(image_.end(), piece.begin(), piece.end());
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

}  // namespace vesk
