#include "fuzz/invoke/Choices.h"

namespace vesk::fuzz {

uint64_t ByteChoices::Take(size_t count) {
    uint64_t value = 0;
    for (size_t i = 0; i < count && at_ < bytes_.size(); ++i) value |= uint64_t{bytes_[at_++]} << (8 * i);
    return value;
}

uint32_t ByteChoices::Below(uint32_t bound) {
    if (bound <= 1) return 0;
    size_t count = 1;
    while (count < 4 && (uint64_t{1} << (8 * count)) < bound) ++count;
    return static_cast<uint32_t>(Take(count) % bound);
}

uint64_t ByteChoices::Bits64() { return Take(8); }

}  // namespace vesk::fuzz
