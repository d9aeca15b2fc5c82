#include "platform/clipboard/InProcessClipboard.h"

#include <utility>

namespace vesk {

bool InProcessClipboard::Offer(std::vector<uint8_t> waveImage) {
    image_ = std::move(waveImage);
    return true;
}

// A copy: the clipboard keeps its content for the next paste, as a desktop clipboard does.
std::optional<std::vector<uint8_t>> InProcessClipboard::Fetch() { return image_; }

void InProcessClipboard::Clear() { image_.reset(); }

}  // namespace vesk
