// The Position sub-object: frames at the interface, bytes inside, the selection and view put
// rules, clamping to the sound, and marker selection.
#include <gtest/gtest.h>

#include "FakeEditorHost.h"
#include "objects/AudioEditorPosition.h"

namespace vesk {
namespace {

class PositionTest : public testing::Test {
protected:
    void SetUp() override {
        position->SetHost(&host);
        DocState state;
        state.filePath = "";  // never touched: no file is read by these members
        state.keepFile = 1;
        state.channels = 2;
        state.frequency = 44100;
        state.totalBytes = 1000 * 4;  // 1000 stereo frames
        state.endView[0] = state.totalBytes;
        host.document.History().Push(state);
    }

    int32_t Get(HRESULT (AudioEditorPosition::*getter)(int32_t*)) {
        int32_t value = -1;
        EXPECT_EQ((position.get()->*getter)(&value), S_OK);
        return value;
    }

    void Select(int32_t start, int32_t end) {
        DocState& s = *position->State();
        s.startSelect[s.zoomLevel] = start * 4;
        s.endSelect[s.zoomLevel] = end * 4;
        s.selected = start != end;
    }

    test::FakeEditorHost host;
    ComPtr<AudioEditorPosition> position = MakeCom<AudioEditorPosition>();
};

TEST_F(PositionTest, WithoutDocumentGetsAreZeroAndPutsDoNothing) {
    test::FakeEditorHost bare;  // a host without a document
    auto empty = MakeCom<AudioEditorPosition>();
    empty->SetHost(&bare);
    int32_t value = 7;
    EXPECT_EQ(empty->get_TotalSamples(&value), S_OK);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(empty->put_StartSelect(10), S_OK);
    EXPECT_EQ(empty->put_CurrentPosition(10), S_OK);
    EXPECT_EQ(bare.positionEvents + bare.Redraws(), 0);
}

TEST_F(PositionTest, SelectionPutRules) {
    Select(100, 200);
    position->put_EndSelect(50);  // before the start: the old start becomes the end
    EXPECT_EQ(Get(&AudioEditorPosition::get_StartSelect), 50);
    EXPECT_EQ(Get(&AudioEditorPosition::get_EndSelect), 100);

    Select(100, 200);
    position->put_StartSelect(300);  // beyond the end: collapses to a cursor
    EXPECT_EQ(Get(&AudioEditorPosition::get_StartSelect), 300);
    EXPECT_EQ(Get(&AudioEditorPosition::get_EndSelect), 300);

    Select(100, 200);
    position->put_CurrentPosition(300);  // beyond the end: the old end becomes the start
    EXPECT_EQ(Get(&AudioEditorPosition::get_StartSelect), 200);
    EXPECT_EQ(Get(&AudioEditorPosition::get_EndSelect), 300);

    Select(100, 100);  // no selection: every put moves the cursor
    position->put_EndSelect(40);
    EXPECT_EQ(Get(&AudioEditorPosition::get_StartSelect), 40);
    EXPECT_EQ(Get(&AudioEditorPosition::get_EndSelect), 40);
}

TEST_F(PositionTest, PutsAreLimitedToTheSound) {
    position->put_StartSelect(-5);
    EXPECT_EQ(Get(&AudioEditorPosition::get_StartSelect), 0);
    position->put_StartSelect(5000);
    EXPECT_EQ(Get(&AudioEditorPosition::get_StartSelect), 1000);
    EXPECT_EQ(Get(&AudioEditorPosition::get_TotalSamples), 1000);
}

TEST_F(PositionTest, SelectionPutsShowTheSelectionAgain) {
    position->put_StartSelect(10);
    position->put_Selected(VARIANT_TRUE);
    EXPECT_EQ(host.positionEvents, 2);
    EXPECT_EQ(host.Redraws(), 2);
}

TEST_F(PositionTest, CurrentPositionWhilePlayingRestartsPlayback) {
    host.document.SetStatus(Status::Playing);
    position->State()->playPosition = 123 * 4;
    EXPECT_EQ(Get(&AudioEditorPosition::get_CurrentPosition), 123);
    position->put_CurrentPosition(400);
    EXPECT_EQ(host.restarts, 1);
    host.document.SetStatus(Status::Idle);
    EXPECT_EQ(Get(&AudioEditorPosition::get_CurrentPosition), 400);
}

TEST_F(PositionTest, ViewPutAtLevelZeroMovesToLevelOne) {
    Select(10, 20);
    position->put_StartView(100);
    const DocState& s = *position->State();
    EXPECT_EQ(s.zoomLevel, 1);
    EXPECT_EQ(s.startView[0], 0);  // level 0 untouched
    EXPECT_EQ(s.endView[0], 4000);
    EXPECT_EQ(s.startView[1], 400);
    EXPECT_EQ(s.endView[1], 4000);
    EXPECT_EQ(s.startSelect[1], 40);  // level 1 started as a copy of level 0
    EXPECT_EQ(s.endSelect[1], 80);
    EXPECT_EQ(host.Redraws(), 1);

    position->put_EndView(50);  // before the start: the old start becomes the end
    EXPECT_EQ(Get(&AudioEditorPosition::get_StartView), 50);
    EXPECT_EQ(Get(&AudioEditorPosition::get_EndView), 100);
    position->put_EndView(100);  // unchanged: nothing at all
    EXPECT_EQ(host.Redraws(), 2);
}

TEST_F(PositionTest, MillisecondConversionsRoundToNearest) {
    int32_t frames = 0;
    position->SecToSamples(1000, &frames);
    EXPECT_EQ(frames, 44100);
    position->SecToSamples(1, &frames);  // 44.1 -> 44
    EXPECT_EQ(frames, 44);
    int32_t ms = 0;
    position->SamplesToSec(66, &ms);  // 1.4966 -> 1
    EXPECT_EQ(ms, 1);
    position->SamplesToSec(67, &ms);  // 1.519 -> 2
    EXPECT_EQ(ms, 2);
    host.document.SetFormat(0, 2);
    position->SamplesToSec(67, &ms);
    EXPECT_EQ(ms, -1);
}

TEST_F(PositionTest, GoToMarkerSelectsItsRangeWithinTheSound) {
    MarkerRecord cue;
    cue.positionFrames = 300;
    MarkerRecord range;
    range.positionFrames = 900;
    range.lengthFrames = 500;  // ends past the sound
    position->State()->markers.InsertSorted(cue);
    position->State()->markers.InsertSorted(range);

    position->GoToMarker(1);
    EXPECT_EQ(Get(&AudioEditorPosition::get_StartSelect), 300);
    EXPECT_EQ(Get(&AudioEditorPosition::get_EndSelect), 300);
    VARIANT_BOOL selected = -1;
    position->get_Selected(&selected);
    EXPECT_EQ(selected, 0);

    position->GoToMarker(99);  // clamped to the last
    EXPECT_EQ(Get(&AudioEditorPosition::get_StartSelect), 900);
    EXPECT_EQ(Get(&AudioEditorPosition::get_EndSelect), 1000);
    position->get_Selected(&selected);
    EXPECT_EQ(selected, 1);
}

}  // namespace
}  // namespace vesk
