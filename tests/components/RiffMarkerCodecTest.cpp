#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/information/RiffMarkerCodec.h"
#include "platform/io/ByteOrder.h"

namespace vesk {
namespace {

bool operator==(const MarkerInfo& a, const MarkerInfo& b) {
    return a.positionFrames == b.positionFrames && a.lengthFrames == b.lengthFrames && a.label == b.label &&
           a.note == b.note && a.text == b.text && a.language == b.language && a.country == b.country &&
           a.dialect == b.dialect && a.codePage == b.codePage;
}

void Append32(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t bytes[4];
    StoreLE32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

// A `cue ` payload claiming `claimed` points but holding the given (id, offset) points.
std::vector<uint8_t> CuePayload(uint32_t claimed, const std::vector<std::pair<uint32_t, uint32_t>>& points) {
    std::vector<uint8_t> cue;
    Append32(cue, claimed);
    for (const auto& [id, offset] : points) {
        for (uint32_t field : {id, offset, FourCC("data"), 0u, 0u, offset}) Append32(cue, field);
    }
    return cue;
}

TEST(RiffMarkerCodec, EveryFieldSurvivesEncodingAndDecoding) {
    const std::vector<MarkerInfo> markers{
        {100, 0, u"cue only", u"", u"", 0, 0, 0, 0},
        {2000, 441, u"range ü", u"a note", u"the text", 9, 44, 1, 1252},
        {-5, -3, u"", u"note only", u"", 0, 0, 0, 0},  // negative positions are stored as 0
    };
    const auto decoded = RiffMarkerCodec::Decode(RiffMarkerCodec::EncodeCue(markers), RiffMarkerCodec::EncodeAdtl(markers));
    ASSERT_EQ(decoded.size(), 3u);
    EXPECT_TRUE(decoded[0] == markers[0]);
    EXPECT_TRUE(decoded[1] == markers[1]);
    EXPECT_EQ(decoded[2].positionFrames, 0);
    EXPECT_EQ(decoded[2].lengthFrames, 0);
    EXPECT_EQ(decoded[2].note, u"note only");
}

TEST(RiffMarkerCodec, OddLengthStringsArePaddedSoLaterSubChunksStillParse) {
    const std::vector<MarkerInfo> markers{{1, 0, u"ab", u"", u"", 0, 0, 0, 0}, {2, 0, u"next", u"", u"", 0, 0, 0, 0}};
    const auto adtl = RiffMarkerCodec::EncodeAdtl(markers);
    EXPECT_EQ(adtl.size() % 2, 0u);
    EXPECT_EQ(RiffMarkerCodec::Decode(RiffMarkerCodec::EncodeCue(markers), adtl)[1].label, u"next");
}

TEST(RiffMarkerCodec, CountLargerThanTheChunkReadsOnlyThePointsPresent) {
    auto cue = CuePayload(1000000, {{1, 10}, {2, 20}});
    cue.resize(cue.size() - 3);  // the second point is cut short too
    const auto markers = RiffMarkerCodec::Decode(cue, {});
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0].positionFrames, 10);
}

TEST(RiffMarkerCodec, DamagedLabelListIsReadSafely) {
    const auto cue = CuePayload(1, {{7, 5}});
    std::vector<uint8_t> adtl;
    Append32(adtl, FourCC("labl"));
    Append32(adtl, 12);
    Append32(adtl, 7);
    for (char c : std::string("Caf\xe9!!!!")) adtl.push_back(static_cast<uint8_t>(c));  // Latin-1, no terminator
    Append32(adtl, FourCC("labl"));
    Append32(adtl, 0xFFFFFFF0);  // size past the end
    Append32(adtl, 99);          // unknown id
    const auto markers = RiffMarkerCodec::Decode(cue, adtl);
    ASSERT_EQ(markers.size(), 1u);
    EXPECT_EQ(markers[0].label, u"Caf\u00e9!!!!");
}

}  // namespace
}  // namespace vesk
