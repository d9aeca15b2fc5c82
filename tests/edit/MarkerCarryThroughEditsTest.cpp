// Markers follow the sound through edits: the frame tells the history which frames of the old
// state were replaced and how many took their place.
#include <gtest/gtest.h>

#include "EditTestDocument.h"
#include "RecordingTransform.h"
#include "edit/EditCommands.h"
#include "edit/EffectTable.h"
#include "edit/EffectsPipeline.h"

namespace vesk::test {
namespace {

class MarkerCarryThroughEditsTest : public testing::Test {
protected:
    void SetUp() override {
        host.SetFormat(host.document.Frequency(), 1);
        host.document.Components().transform = transform.get();
        host.Fill(std::vector<int16_t>(4000));
    }
    void Mark(uint32_t position, uint32_t length) {
        host.History().Current()->markers.InsertSorted(MarkerRecord{position, length});
    }
    std::vector<std::pair<uint32_t, uint32_t>> Markers() {
        std::vector<std::pair<uint32_t, uint32_t>> out;
        for (const auto& m : host.History().Current()->markers) out.emplace_back(m.positionFrames, m.lengthFrames);
        return out;
    }

    ComPtr<RecordingTransform> transform = MakeCom<RecordingTransform>();
    EditTestDocument host;
    EffectProgress progress;
    OperationFrame frame{host.document, progress};
    EditCommands edits{host.document, frame};
    EffectsPipeline effects{host.document, frame, progress};
};

TEST_F(MarkerCarryThroughEditsTest, DeletionMovesShortensAndDrops) {
    Mark(100, 10);
    Mark(400, 0);
    Mark(250, 10);
    Mark(150, 100);
    host.Select(200 * 2, 300 * 2);
    edits.DeleteSelect();
    EXPECT_EQ(Markers(), (std::vector<std::pair<uint32_t, uint32_t>>{{100, 10}, {150, 50}, {300, 0}}));
}

TEST_F(MarkerCarryThroughEditsTest, MarkerAfterAStretchedRangeFollowsItsSound) {
    Mark(1500, 10);
    Mark(2500, 0);
    host.Select(1000 * 2, 1999 * 2);  // the effect's range is frames 1000..1999
    transform->process = [](SAFEARRAY** b) {
        SAFEARRAYBOUND bound{SafeArrayCount(*b) * 2, 0};
        SafeArrayRedim(*b, &bound);
    };
    effects.Run(EffectTable::Stretch(200));
    EXPECT_EQ(Markers(), (std::vector<std::pair<uint32_t, uint32_t>>{{2000, 20}, {3500, 0}}));
}

}  // namespace
}  // namespace vesk::test
