// MarkerList: numbering by position, the cursor after inserts and deletes, and copies.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace vesk
