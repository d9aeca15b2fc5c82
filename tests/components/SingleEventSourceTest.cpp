#include <gtest/gtest.h>

#include "components/CdReader.h"
#include "components/RecordingSink.h"
#include "components/SingleEventSource.h"
#include "components/VeskAudioPlayer.h"
#include "components/VeskAudioRecord.h"
#include "components/VeskAudioTransform.h"
#include "components/sdl/SdlAudioPlayer.h"
#include "components/sdl/SdlAudioRecord.h"
#include "components/transform/AudioTransform.h"

namespace vesk {
namespace {

using test::RecordedEvent;
using test::RecordingSink;

uint32_t Advise(const SingleEventSource& source, IUnknown* sink) {
    ComPtr<IConnectionPoint> point;
    EXPECT_EQ(source.Find(IID_VeskAudioPlayerEvents, point.put()), S_OK);
    uint32_t cookie = 0;
    EXPECT_EQ(point->Advise(sink, &cookie), S_OK);
    return cookie;
}

TEST(SingleEventSource, FiresIntegerArgumentsInCallOrderToEverySink) {
    SingleEventSource source(IID_VeskAudioPlayerEvents);
    auto first = MakeCom<RecordingSink>();
    auto second = MakeCom<RecordingSink>();
    Advise(source, first.get());
    Advise(source, second.get());

    source.Fire(player_event::kPosition, {4410, 120, -7});
    source.Fire(player_event::kPlaybackEnded);

    const std::vector<RecordedEvent> expected{{3, {4410, 120, -7}}, {5, {}}};
    EXPECT_EQ(first->Events(), expected);
    EXPECT_EQ(second->Events(), expected);
}

TEST(SingleEventSource, UnadvisedSinkHearsNothingMore) {
    SingleEventSource source(IID_VeskAudioPlayerEvents);
    auto sink = MakeCom<RecordingSink>();
    const uint32_t cookie = Advise(source, sink.get());
    ComPtr<IConnectionPoint> point;
    source.Find(IID_VeskAudioPlayerEvents, point.put());
    EXPECT_EQ(point->Unadvise(cookie), S_OK);

    source.Fire(player_event::kBlockDone);
    EXPECT_TRUE(sink->Events().empty());
}

TEST(SingleEventSource, OnlyItsOwnEventInterfaceHasAConnectionPoint) {
    SingleEventSource source(IID_VeskAudioPlayerEvents);
    IConnectionPoint* point = reinterpret_cast<IConnectionPoint*>(0x1);
    EXPECT_EQ(source.Find(IID_VeskAudioRecordEvents, &point), CONNECT_E_NOCONNECTION);
    EXPECT_EQ(point, nullptr);
    EXPECT_EQ(source.Find(IID_VeskAudioPlayerEvents, nullptr), E_POINTER);
}

TEST(SingleEventSource, DestructionReleasesTheSinks) {
    auto sink = MakeCom<RecordingSink>();
    {
        SingleEventSource source(IID_VeskAudioPlayerEvents);
        Advise(source, sink.get());
        EXPECT_EQ(source.SinkCount(), 1u);
    }
    // Only the test's reference is left once the source has gone.
    sink->AddRef();
    EXPECT_EQ(sink->Release(), 1u);
}

// Each eventful component answers its own event interface and no other.
template <class Component>
void ExpectEventInterface(const IID& own, const IID& foreign) {
    auto component = MakeCom<Component>();
    auto sink = MakeCom<RecordingSink>();
    EXPECT_NE(AdviseSink(static_cast<IConnectionPointContainer*>(component.get()), own, sink.get()), 0u);
    EXPECT_EQ(AdviseSink(static_cast<IConnectionPointContainer*>(component.get()), foreign, sink.get()), 0u);
}

TEST(ComponentEvents, EachComponentOffersItsOwnEventInterface) {
    ExpectEventInterface<SdlAudioPlayer>(IID_VeskAudioPlayerEvents, IID_VeskAudioTransformEvents);
    ExpectEventInterface<SdlAudioRecord>(IID_VeskAudioRecordEvents, IID_VeskAudioPlayerEvents);
    ExpectEventInterface<AudioTransform>(IID_VeskAudioTransformEvents, IID_CdReaderEvents);
}

TEST(ComponentEvents, EventInterfaceIdsAreDistinct) {
    const IID ids[] = {IID_VeskAudioPlayerEvents, IID_VeskAudioRecordEvents, IID_VeskAudioTransformEvents,
                       IID_CdReaderEvents};
    for (size_t i = 0; i < std::size(ids); ++i) {
        for (size_t j = i + 1; j < std::size(ids); ++j) EXPECT_NE(ids[i], ids[j]) << i << " vs " << j;
    }
}

}  // namespace
}  // namespace vesk
