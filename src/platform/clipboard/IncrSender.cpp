#include "platform/clipboard/IncrSender.h"

#include <algorithm>
#include <utility>

namespace vesk {

IncrSender::IncrSender(std::shared_ptr<const std::vector<uint8_t>> image, size_t pieceBytes)
    : image_(std::move(image)), pieceBytes_(std::max<size_t>(pieceBytes, 1)) {}

std::span<const uint8_t> IncrSender::NextPiece() {
    const size_t left = image_->size() - sentBytes_;
    // The empty piece after the last one is the end marker; an image that ends exactly on a
    // piece boundary still needs it.
    if (left == 0) {
        finished_ = true;
        return {};
    }
    const size_t count = std::min(left, pieceBytes_);
    const std::span<const uint8_t> piece(image_->data() + sentBytes_, count);
    sentBytes_ += count;
    return piece;
}

}  // namespace vesk
