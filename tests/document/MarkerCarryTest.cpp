// Carrying markers into the state an edit created: every rule, at and around its boundaries,
// and the scaling after a change of rate.
#include <gtest/gtest.h>

#include <vector>

#include "document/HistoryStore.h"

namespace vesk {
namespace {

struct Span {
    uint32_t position;
    uint32_t length;
    bool operator==(const Span&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Span& span) {
    return out << span.position << "+" << span.length;
}

DocState WithMarkers(std::initializer_list<Span> spans, int32_t frequency = 44100) {
    DocState state;
    state.frequency = frequency;
    state.channels = 1;
    for (const Span& span : spans) {
        MarkerRecord marker;
        marker.positionFrames = span.position;
        marker.lengthFrames = span.length;
        marker.label = "m";
        marker.codePage = 1252;
        state.markers.InsertSorted(marker);
    }
    return state;
}

std::vector<Span> Carried(const DocState& previous, int64_t s, int64_t e, int64_t n, int32_t frequency = 44100) {
    DocState current;
    current.frequency = frequency;
    HistoryStore::CarryMarkers(previous, current, s, e, n);
    std::vector<Span> spans;
    for (const MarkerRecord& marker : current.markers) {
        EXPECT_EQ(marker.label, "m");
        EXPECT_EQ(marker.codePage, 1252);
        spans.push_back({marker.positionFrames, marker.lengthFrames});
    }
    return spans;
}

TEST(MarkerCarryTest, DeletionLeavesEarlierMarksMovesLaterDropsInsideAndClipsOverlapping) {
    EXPECT_EQ(Carried(WithMarkers({{100, 10}}), 200, 300, 0), (std::vector<Span>{{100, 10}}));
    EXPECT_EQ(Carried(WithMarkers({{400, 0}}), 200, 300, 0), (std::vector<Span>{{300, 0}}));
    EXPECT_EQ(Carried(WithMarkers({{250, 10}}), 200, 300, 0), (std::vector<Span>{}));
    EXPECT_EQ(Carried(WithMarkers({{150, 100}}), 200, 300, 0), (std::vector<Span>{{150, 50}}));  // E
    EXPECT_EQ(Carried(WithMarkers({{250, 100}}), 200, 300, 0), (std::vector<Span>{{200, 50}}));  // D
    EXPECT_EQ(Carried(WithMarkers({{100, 300}}), 200, 300, 0), (std::vector<Span>{{100, 200}})); // I
}

TEST(MarkerCarryTest, StretchScalesInsideAndShiftsAfter) {
    EXPECT_EQ(Carried(WithMarkers({{1500, 100}}), 1000, 2000, 2000), (std::vector<Span>{{2000, 200}}));
    EXPECT_EQ(Carried(WithMarkers({{2500, 0}}), 1000, 2000, 2000), (std::vector<Span>{{3500, 0}}));
    // Only the part inside the range is stretched.
    EXPECT_EQ(Carried(WithMarkers({{1500, 1000}}), 1000, 2000, 2000), (std::vector<Span>{{2000, 1500}}));  // F
    EXPECT_EQ(Carried(WithMarkers({{500, 1000}}), 1000, 2000, 2000), (std::vector<Span>{{500, 1500}}));    // G
    EXPECT_EQ(Carried(WithMarkers({{500, 2000}}), 1000, 2000, 2000), (std::vector<Span>{{500, 3000}}));    // H
}

TEST(MarkerCarryTest, RoundingTakesHalvesUp) {
    // r = 0.5: (1 − 0) × 0.5 = 0.5 rounds to 1, and so does the length.
    EXPECT_EQ(Carried(WithMarkers({{1, 1}}), 0, 4, 2), (std::vector<Span>{{1, 1}}));
    // r = 1/3: 1/3 rounds to 0.
    EXPECT_EQ(Carried(WithMarkers({{1, 1}}), 0, 3, 1), (std::vector<Span>{{0, 0}}));
}

TEST(MarkerCarryTest, ExactBoundariesFallToTheLaterRules) {
    // p = s: never "inside", so the marker stays, also when it reaches past e.
    EXPECT_EQ(Carried(WithMarkers({{200, 50}}), 200, 300, 0), (std::vector<Span>{{200, 50}}));
    EXPECT_EQ(Carried(WithMarkers({{200, 150}}), 200, 300, 0), (std::vector<Span>{{200, 150}}));
    // q = e from before s: neither rule E nor rule I.
    EXPECT_EQ(Carried(WithMarkers({{100, 200}}), 200, 300, 0), (std::vector<Span>{{100, 200}}));
    // q = e from inside: rule D for a deletion leaves a cue at s; no rule for a replacement.
    EXPECT_EQ(Carried(WithMarkers({{250, 50}}), 200, 300, 0), (std::vector<Span>{{200, 0}}));
    EXPECT_EQ(Carried(WithMarkers({{250, 50}}), 200, 300, 50), (std::vector<Span>{{250, 50}}));
    // p = e: rule A.
    EXPECT_EQ(Carried(WithMarkers({{300, 5}}), 200, 300, 50), (std::vector<Span>{{250, 5}}));
}

TEST(MarkerCarryTest, InsertionShiftsFromTheInsertPointAndWidensSpanningMarkers) {
    EXPECT_EQ(Carried(WithMarkers({{100, 0}, {200, 0}}), 100, 100, 40),
              (std::vector<Span>{{140, 0}, {240, 0}}));
    EXPECT_EQ(Carried(WithMarkers({{50, 100}}), 100, 100, 40), (std::vector<Span>{{50, 140}}));
}

TEST(MarkerCarryTest, RateChangeOnlyScales) {
    EXPECT_EQ(Carried(WithMarkers({{1000, 33}, {5, 0}}, 22050), 0, 10, 0, 44100),
              (std::vector<Span>{{10, 0}, {2000, 66}}));
    EXPECT_EQ(Carried(WithMarkers({{3, 1}}, 44100), 0, 0, 0, 22050), (std::vector<Span>{{2, 1}}));
}

TEST(MarkerCarryTest, StoreOverloadTakesTheEditFromBothSelections) {
    HistoryStore store;
    DocState before = WithMarkers({{400, 0}, {250, 10}});
    before.channels = 2;
    before.zoomLevel = 3;
    before.startSelect[3] = 200 * 4;
    before.endSelect[3] = 300 * 4;
    store.Push(before);
    DocState after;
    after.frequency = 44100;
    after.channels = 2;
    after.startSelect[0] = after.endSelect[0] = 200 * 4;  // a deletion: nothing selected after it
    store.Push(after);
    HistoryStore::CarryMarkers(store);
    ASSERT_EQ(store.Current()->markers.Count(), 1);
    EXPECT_EQ(store.Current()->markers.Current()->positionFrames, 300u);
}

}  // namespace
}  // namespace vesk
