#include <gtest/gtest.h>

#include <numeric>

#include "platform/automation/MessageQueue.h"
#include "platform/clipboard/IncrReceiver.h"
#include "platform/clipboard/IncrSender.h"
#include "platform/clipboard/InProcessClipboard.h"

namespace vesk {
namespace {

std::vector<uint8_t> Image(size_t bytes) {
    std::vector<uint8_t> image(bytes);
    std::iota(image.begin(), image.end(), uint8_t{0});
    return image;
}

TEST(InProcessClipboard, KeepsTheLastOfferForEveryFetchUntilCleared) {
    InProcessClipboard clipboard;
    EXPECT_FALSE(clipboard.Fetch().has_value());  // nothing offered yet
    ASSERT_TRUE(clipboard.Offer({1, 2, 3}));
    ASSERT_TRUE(clipboard.Offer({0x0D, 0x0A, 0x1A, 0x00}));
    EXPECT_EQ(clipboard.Fetch(), (std::vector<uint8_t>{0x0D, 0x0A, 0x1A, 0x00}));
    EXPECT_EQ(clipboard.Fetch(), (std::vector<uint8_t>{0x0D, 0x0A, 0x1A, 0x00}));  // a paste does not empty it
    clipboard.Clear();
    EXPECT_FALSE(clipboard.Fetch().has_value());
}

// Sends an image through a sender and a receiver as an incremental transfer would, and counts
// the pieces that crossed.
struct Crossing {
    std::vector<uint8_t> received;
    size_t pieces = 0;
    size_t largestPiece = 0;
};

Crossing Cross(const std::vector<uint8_t>& image, size_t pieceBytes) {
    IncrSender sender(std::make_shared<const std::vector<uint8_t>>(image), pieceBytes);
    IncrReceiver receiver(image.size());
    Crossing crossing;
    // More pieces than bytes means the end marker never came.
    while (!receiver.Complete() && crossing.pieces <= image.size() + 1) {
        EXPECT_FALSE(sender.Finished()) << "the sender ended before the receiver had the end marker";
        const std::span<const uint8_t> piece = sender.NextPiece();
        ++crossing.pieces;
        crossing.largestPiece = std::max(crossing.largestPiece, piece.size());
        EXPECT_TRUE(receiver.Add(piece));
    }
    EXPECT_TRUE(sender.Finished());
    crossing.received = receiver.Take();
    return crossing;
}

TEST(IncrementalTransfer, DeliversEveryImageWholeInPiecesNoLargerThanAllowedAndEndsWithAnEmptyOne) {
    constexpr size_t kPiece = 1000;
    // Around the piece boundary, where an end marker is easily lost or a byte doubled.
    for (const size_t bytes : {size_t{1}, kPiece - 1, kPiece, kPiece + 1, 3 * kPiece, 3 * kPiece + 7}) {
        SCOPED_TRACE(bytes);
        const std::vector<uint8_t> image = Image(bytes);
        const Crossing crossing = Cross(image, kPiece);
        EXPECT_EQ(crossing.received, image);
        EXPECT_EQ(crossing.pieces, (bytes + kPiece - 1) / kPiece + 1);  // the data, then the end marker
        EXPECT_LE(crossing.largestPiece, kPiece);
    }
}

TEST(IncrementalTransfer, TheOwnersImageOutlivesItsOfferWhileAPieceIsInFlight) {
    auto image = std::make_shared<const std::vector<uint8_t>>(Image(10));
    IncrSender sender(image, 4);
    image.reset();  // the selection was lost: the transfer under way still completes
    std::vector<uint8_t> sent;
    while (!sender.Finished()) {
        const auto piece = sender.NextPiece();
        sent.insert(sent.end(), piece.begin(), piece.end());
    }
    EXPECT_EQ(sent, Image(10));
}

TEST(IncrementalTransfer, AFalseAnnouncedSizeCostsNothing) {
    IncrReceiver receiver(size_t{1} << 40);  // would not fit in memory if it were believed
    EXPECT_TRUE(receiver.Add(std::vector<uint8_t>{7, 8}));
    EXPECT_TRUE(receiver.Add({}));
    EXPECT_EQ(receiver.Take(), (std::vector<uint8_t>{7, 8}));
}

class CountingSource : public EventSource {
public:
    int DispatchPending() override {
        ++drained;
        return 2;
    }
    int Descriptor() const override { return 42; }
    int drained = 0;
};

TEST(MessageQueue, DrainsItsEventSourcesOnEveryPumpUntilTheyAreRemoved) {
    MessageQueue queue;
    CountingSource source;
    queue.AddSource(source);
    queue.AddSource(source);  // once is enough
    queue.Post([] {});
    EXPECT_EQ(queue.PumpWaitingMessages(), 3);  // two events and one message
    EXPECT_EQ(queue.PumpWaitingMessages(), 2);
    EXPECT_EQ(source.drained, 2);
    EXPECT_EQ(queue.SourceDescriptors(), std::vector<int>{42});
    queue.RemoveSource(source);
    EXPECT_EQ(queue.PumpWaitingMessages(), 0);
    EXPECT_EQ(source.drained, 2);
}

TEST(MessageQueue, AWatchLearnsTheDescriptorsOfSourcesBeforeAndAfterIt) {
    MessageQueue queue;
    CountingSource first;
    queue.AddSource(first);
    std::vector<int> watched;
    queue.SetSourceWatch([&](int descriptor) { watched.push_back(descriptor); });
    EXPECT_EQ(watched, std::vector<int>{42});
    CountingSource second;
    queue.AddSource(second);
    queue.AddSource(second);  // already watched
    EXPECT_EQ(watched, (std::vector<int>{42, 42}));
    queue.SetSourceWatch(nullptr);
    queue.RemoveSource(second);
    queue.AddSource(second);
    EXPECT_EQ(watched.size(), 2u);
    queue.RemoveSource(first);
    queue.RemoveSource(second);
}

}  // namespace
}  // namespace vesk
