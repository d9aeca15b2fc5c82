// The owner's side of an incremental selection transfer. A selection property cannot be larger
// than one request of the display protocol, so a larger image goes in pieces: the owner writes
// one piece, the requestor reads and deletes it, the owner writes the next, and an empty piece
// says the image is complete. This class only cuts the pieces; the display traffic is elsewhere.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vesk {

class IncrSender {
public:
    // Whether an image of imageBytes must go in pieces when one property holds at most
    // pieceBytes.
    static bool Needed(size_t imageBytes, size_t pieceBytes) { return imageBytes > pieceBytes; }

    // Shares the image (it outlives a change of the clipboard's owner); pieceBytes > 0.
    IncrSender(std::shared_ptr<const std::vector<uint8_t>> image, size_t pieceBytes);

    // The piece to write after the requestor deleted the previous one: the image's next
    // pieceBytes (fewer at its end), then one empty piece, after which Finished() holds.
    std::span<const uint8_t> NextPiece();
    bool Finished() const { return finished_; }

private:
    std::shared_ptr<const std::vector<uint8_t>> image_;
    size_t pieceBytes_;
    size_t sentBytes_ = 0;
    bool finished_ = false;
};

}  // namespace vesk
