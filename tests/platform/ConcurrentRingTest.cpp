#include <gtest/gtest.h>

#include <numeric>
#include <thread>
#include <vector>

#include "platform/concurrent/LatestValues.h"
#include "platform/concurrent/SpscRing.h"

namespace vesk {
namespace {

TEST(SpscRing, KeepsOrderAcrossTheWrapAndRefusesWhatDoesNotFit) {
    SpscRing<int> ring(5);  // rounded up to 8
    EXPECT_EQ(ring.Capacity(), 8u);
    std::vector<int> in(6);
    std::iota(in.begin(), in.end(), 1);
    EXPECT_EQ(ring.Push(in), 6u);
    std::vector<int> out(4);
    EXPECT_EQ(ring.Pop(out), 4u);
    EXPECT_EQ(out, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(ring.Push(std::vector<int>{7, 8, 9, 10, 11, 12, 13}), 6u);  // 2 + 6 fill it
    EXPECT_EQ(ring.Writable(), 0u);
    std::vector<int> rest(10);
    EXPECT_EQ(ring.Pop(rest), 8u);
    rest.resize(8);
    EXPECT_EQ(rest, (std::vector<int>{5, 6, 7, 8, 9, 10, 11, 12}));
}

// A producer and a consumer on two threads: every value arrives once, in order.
TEST(SpscRing, TwoThreadsPassEveryValueInOrder) {
    SpscRing<uint32_t> ring(64);
    constexpr uint32_t kCount = 200000;
    std::thread producer([&] {
        uint32_t next = 0;
        while (next < kCount) {
            uint32_t chunk[7];
            const uint32_t n = std::min<uint32_t>(7, kCount - next);
            for (uint32_t i = 0; i < n; ++i) chunk[i] = next + i;
            next += static_cast<uint32_t>(ring.Push(std::span<const uint32_t>(chunk, n)));
        }
    });
    uint32_t expected = 0;
    bool inOrder = true;
    while (expected < kCount) {
        uint32_t chunk[5];
        const size_t n = ring.Pop(chunk);
        for (size_t i = 0; i < n; ++i) inOrder = inOrder && chunk[i] == expected++;
    }
    producer.join();
    EXPECT_TRUE(inOrder);
}

TEST(LatestValues, GivesTheNewestWholeFramesUpToWhatExists) {
    LatestValues<int16_t> latest(8);
    EXPECT_TRUE(latest.Read(4).empty());
    latest.Write(std::vector<int16_t>{1, 2, 3, 4});
    EXPECT_EQ(latest.Read(3, 2), (std::vector<int16_t>{3, 4}));
    EXPECT_EQ(latest.Read(10), (std::vector<int16_t>{1, 2, 3, 4}));
    latest.Write(std::vector<int16_t>{5, 6, 7, 8, 9, 10, 11, 12, 13, 14});
    EXPECT_EQ(latest.Read(100), (std::vector<int16_t>{7, 8, 9, 10, 11, 12, 13, 14}));
}

// Read while a writer laps the ring: every answer is a run of consecutive values.
TEST(LatestValues, AReaderNeverSeesAMixOfOldAndNew) {
    LatestValues<int32_t> latest(64);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        int32_t next = 0;
        for (int round = 0; round < 100000; ++round) {
            int32_t chunk[13];
            for (int32_t& v : chunk) v = next++;
            latest.Write(chunk);
        }
        done = true;
    });
    bool consecutive = true;
    while (!done) {
        const std::vector<int32_t> run = latest.Read(50);
        for (size_t i = 1; i < run.size(); ++i) consecutive = consecutive && run[i] == run[i - 1] + 1;
    }
    writer.join();
    EXPECT_TRUE(consecutive);
}

}  // namespace
}  // namespace vesk
