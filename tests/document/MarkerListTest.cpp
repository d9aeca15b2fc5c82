// MarkerList: numbering by position, the cursor after inserts and deletes, and copies.
#include <gtest/gtest.h>

#include <random>

#include <vector>

#include "document/MarkerList.h"

namespace vesk {
namespace {

MarkerRecord At(uint32_t positionFrames, std::string label = "") {
    MarkerRecord marker;
    marker.positionFrames = positionFrames;
    marker.label = std::move(label);
    return marker;
}

std::vector<std::string> Labels(const MarkerList& list) {
    std::vector<std::string> labels;
    for (const MarkerRecord& marker : list) labels.push_back(marker.label);
    return labels;
}

TEST(MarkerListTest, InsertNumbersByPositionAndMakesTheNewMarkerCurrent) {
    MarkerList list;
    list.InsertSorted(At(300, "c"));
    list.InsertSorted(At(100, "a"));
    EXPECT_EQ(list.CurrentNumber(), 1);
    list.InsertSorted(At(200, "b"));
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.CurrentNumber(), 2);
    EXPECT_EQ(list.Current()->label, "b");
}

TEST(MarkerListTest, TiesGoAfterTheFirstMarkerOnlyWhenTheFirstTies) {
    MarkerList list;
    list.InsertSorted(At(100, "first"));
    list.InsertSorted(At(100, "second"));
    list.InsertSorted(At(100, "third"));  // goes right after "first" again
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"first", "third", "second"}));

    MarkerList later;
    later.InsertSorted(At(50, "a"));
    later.InsertSorted(At(100, "b"));
    later.InsertSorted(At(100, "c"));  // before the first marker that ties
    EXPECT_EQ(Labels(later), (std::vector<std::string>{"a", "c", "b"}));
    EXPECT_EQ(later.CurrentNumber(), 2);
}

TEST(MarkerListTest, DeleteMovesTheCursorToTheNextOrElseThePrevious) {
    MarkerList list;
    for (uint32_t p : {100u, 200u, 300u}) list.InsertSorted(At(p, std::to_string(p)));
    list.GoTo(2);
    list.DeleteCurrent();
    EXPECT_EQ(list.CurrentNumber(), 2);
    EXPECT_EQ(list.Current()->label, "300");
    list.DeleteCurrent();  // the last one: the previous becomes current
    EXPECT_EQ(list.CurrentNumber(), 1);
    EXPECT_EQ(list.Current()->label, "100");
    list.DeleteCurrent();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.CurrentNumber(), 0);
    EXPECT_EQ(list.Current(), nullptr);
    list.DeleteCurrent();  // nothing to do
    EXPECT_EQ(list.Count(), 0);
}

TEST(MarkerListTest, GoToClampsAndDoesNothingOnAnEmptyList) {
    MarkerList list;
    list.GoTo(3);
    EXPECT_EQ(list.CurrentNumber(), 0);
    for (uint32_t p : {100u, 200u, 300u}) list.InsertSorted(At(p));
    list.GoTo(0);
    EXPECT_EQ(list.CurrentNumber(), 1);
    list.GoTo(99);
    EXPECT_EQ(list.CurrentNumber(), 3);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.CurrentNumber(), 0);
}

TEST(MarkerListTest, MovingAMarkerDoesNotResortAndCopiesAreIndependent) {
    MarkerList list;
    for (uint32_t p : {100u, 200u}) list.InsertSorted(At(p, std::to_string(p)));
    MarkerList copy = list;
    list.GoTo(1);
    list.Current()->positionFrames = 500;
    list.Current()->label = "moved";
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"moved", "200"}));
    EXPECT_EQ(Labels(copy), (std::vector<std::string>{"100", "200"}));
    EXPECT_EQ(copy.CurrentNumber(), 2);
}

// The ordering rule as it is written, one marker at a time, for comparison with the list's fast
// paths: walk from the first marker while the next lies strictly before p, insert after it.
size_t WalkIndex(const std::vector<MarkerRecord>& list, uint32_t p) {
    if (list.empty() || list.front().positionFrames > p) return 0;
    size_t reached = 0;
    while (reached + 1 < list.size() && list[reached + 1].positionFrames < p) ++reached;
    return reached + 1;
}

TEST(MarkerListTest, FastInsertsKeepTheOrderOfTheWalkWithManyTies) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::vector<MarkerRecord> input;
        const uint32_t spread = 1 + random() % 20;  // few positions: many ties
        for (int i = 0; i < 40; ++i) input.push_back(At(random() % spread, std::to_string(i)));
        // Every other round in position order, as the markers of a file or of an edit come.
        if (round % 2) {
            std::stable_sort(input.begin(), input.end(),
                             [](const auto& a, const auto& b) { return a.positionFrames < b.positionFrames; });
        }
        std::vector<MarkerRecord> walked;
        size_t lastIndex = 0;
        MarkerList oneByOne;
        for (const MarkerRecord& marker : input) {
            lastIndex = WalkIndex(walked, marker.positionFrames);
            walked.insert(walked.begin() + static_cast<std::ptrdiff_t>(lastIndex), marker);
            oneByOne.InsertSorted(marker);
        }
        MarkerList bulk;
        bulk.InsertAllSorted(input);
        std::vector<std::string> expected;
        for (const MarkerRecord& marker : walked) expected.push_back(marker.label);
        ASSERT_EQ(Labels(oneByOne), expected) << "round " << round;
        ASSERT_EQ(Labels(bulk), expected) << "round " << round;
        EXPECT_EQ(oneByOne.CurrentNumber(), static_cast<int32_t>(lastIndex) + 1);
        EXPECT_EQ(bulk.CurrentNumber(), static_cast<int32_t>(lastIndex) + 1);
    }
}

TEST(MarkerListTest, AListMovedOutOfOrderStillTakesTheWalk) {
    MarkerList list;
    for (uint32_t p : {100u, 200u, 300u, 400u}) list.InsertSorted(At(p, std::to_string(p)));
    list.GoTo(2);
    list.Current()->positionFrames = 500;  // "200" now lies at 500: the walk stops there
    list.InsertSorted(At(350, "new"));
    EXPECT_EQ(Labels(list), (std::vector<std::string>{"100", "new", "200", "300", "400"}));
}

}  // namespace
}  // namespace vesk
