// The smaller sub-objects: channel flags, markers and their cache, scales, colours, recorder
// levels and the devices' forwarding.
#include <gtest/gtest.h>

#include "FakeEditorHost.h"
#include "components/ComponentNames.h"
#include "components/ComponentRegistration.h"
#include "objects/AudioEditorChannel.h"
#include "objects/AudioEditorColors.h"
#include "objects/AudioEditorDevice.h"
#include "objects/AudioEditorMarkers.h"
#include "objects/AudioEditorRecorder.h"
#include "objects/AudioEditorScale.h"

namespace vesk {
namespace {

TEST(ChannelTest, NumIsAtLeastOneAndLoweredToTheChannelCount) {
    test::FakeEditorHost host;
    host.document.SetFormat(44100, 1);
    auto channel = MakeCom<AudioEditorChannel>();
    channel->SetHost(&host);
    channel->put_Num(0);
    int16_t num = 0;
    channel->get_Num(&num);
    EXPECT_EQ(num, 1);
    channel->put_Num(2);
    channel->get_Num(&num);
    EXPECT_EQ(num, 1);
}

TEST(ChannelTest, FlagsAreCountedOverTheDocumentsChannels) {
    test::FakeEditorHost host;
    const ChannelSelection& flags = host.document.ChannelFlags();
    auto channel = MakeCom<AudioEditorChannel>();
    channel->SetHost(&host);
    EXPECT_EQ(flags.OperationCount(), 2);
    channel->put_Num(2);
    channel->put_Operation(0);
    EXPECT_EQ(flags.OperationCount(), 1);
    EXPECT_FALSE(flags.IsOperated(1));
    EXPECT_EQ(host.Backgrounds(), 1);
    host.view.SetTypeView(kViewSpectral);  // the spectral view has no selection background to render
    const int redraws = host.Redraws();
    const int backgrounds = host.Backgrounds();
    channel->put_Operation(1);
    EXPECT_EQ(host.Backgrounds(), backgrounds);
    EXPECT_EQ(host.Redraws(), redraws + 1);

    channel->put_Visible(0);
    EXPECT_EQ(flags.VisibleCount(), 1);
    host.document.SetFormat(44100, 1);  // a mono document counts only channel 1
    EXPECT_EQ(flags.VisibleCount(), 1);
    EXPECT_EQ(flags.OperationCount(), 1);
}

class MarkersTest : public testing::Test {
protected:
    void SetUp() override {
        markers->SetHost(&host);
        DocState state;
        state.keepFile = 1;
        state.channels = 2;
        state.totalBytes = 4000;
        host.document.History().Push(state);
    }

    void Insert(int32_t frame, int32_t length, const char* label) {
        Bstr text(label);
        markers->Insert(frame, length, text.get(), nullptr, nullptr, 0, 0, 0, 0);
    }

    int32_t Number() {
        int32_t num = -1;
        markers->get_Num(&num);
        return num;
    }

    test::FakeEditorHost host;
    const MarkerCache& cache = host.view.Markers();
    ComPtr<AudioEditorMarkers> markers = MakeCom<AudioEditorMarkers>();
};

TEST_F(MarkersTest, InsertKeepsPositionOrderAndTheCacheInBytes) {
    Insert(300, 0, "c");
    Insert(100, 10, "a");
    Insert(200, 0, "b");
    EXPECT_EQ(Number(), 2);
    int32_t count = 0;
    markers->get_Count(&count);
    EXPECT_EQ(count, 3);
    markers->put_Num(1);
    Bstr label;
    markers->get_Label(label.put());
    EXPECT_EQ(label.utf8(), "a");
    ASSERT_EQ(cache.Count(), 3);
    EXPECT_EQ(cache.StartBytes()[0], 400);
    EXPECT_EQ(cache.LengthBytes()[0], 40);
    EXPECT_EQ(cache.StartBytes()[2], 1200);
}

TEST_F(MarkersTest, NumClampsAndDeleteMovesTheCursor) {
    Insert(100, 0, "a");
    Insert(200, 0, "b");
    markers->put_Num(0);
    EXPECT_EQ(Number(), 1);
    markers->put_Num(50);
    EXPECT_EQ(Number(), 2);
    markers->Delete();  // the last: the previous becomes current
    EXPECT_EQ(Number(), 1);
    markers->Delete();
    EXPECT_EQ(Number(), 0);
    int32_t count = -1;
    markers->get_Count(&count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(cache.Count(), 0);
    markers->Delete();  // nothing left: nothing happens
}

TEST_F(MarkersTest, PositionPutDoesNotResort) {
    Insert(100, 0, "a");
    Insert(200, 0, "b");
    markers->put_Num(1);
    markers->put_Position(500);
    markers->put_Num(1);
    int32_t frame = 0;
    markers->get_Position(&frame);
    EXPECT_EQ(frame, 500);
    EXPECT_EQ(cache.StartBytes()[0], 2000);
}

TEST_F(MarkersTest, FindMarkerTakesTheNearestShownEnd) {
    Insert(100, 100, "a");  // bytes 400..800
    Insert(300, 0, "b");    // byte 1200
    MarkerCache& shown = host.view.Markers();
    EXPECT_EQ(shown.FindMarker(790), 0);  // nothing shown yet
    shown.SetShown(0, 1);
    EXPECT_EQ(shown.FindMarker(790), 1);
    EXPECT_EQ(shown.FindMarker(1100), 2);
    EXPECT_EQ(shown.FindMarker(1000), 1);  // a tie keeps the earlier marker
}

TEST_F(MarkersTest, WithoutDocumentEverythingIsEmpty) {
    host.document.History().Clear();
    Insert(1, 0, "x");
    int32_t count = -1;
    markers->get_Count(&count);
    EXPECT_EQ(count, 0);
    Bstr label;
    markers->get_Label(label.put());
    EXPECT_EQ(label.utf8(), "");
}

TEST(ScaleTest, DefaultsClampAndChangeNotifications) {
    test::FakeEditorHost host;
    auto scale = MakeCom<AudioEditorScale>();
    scale->SetHost(&host);
    int16_t value = 0;
    scale->get_Type(&value);
    EXPECT_EQ(value, 1);
    scale->put_Orientation(5);
    scale->get_Orientation(&value);
    EXPECT_EQ(value, 2);
    scale->put_Orientation(2);  // unchanged: no notification
    scale->put_Grid(0);
    EXPECT_EQ(host.Redraws(), 2);

    ComPtr<IDispatch> font;
    scale->get_Font(font.put());
    ASSERT_TRUE(font);
    FontDescription description = DescribeFont(font.get());
    EXPECT_EQ(description.name, "Arial");
    EXPECT_EQ(description.sizePoints, 8.0);
    EXPECT_EQ(description.weight, 400);
    EXPECT_EQ(description.charset, 1);  // the default character set
}

TEST(ScaleTest, ATypeTheViewDoesNotKnowIsStoredAndNotifiedOnce) {
    test::FakeEditorHost host;
    auto scale = MakeCom<AudioEditorScale>();
    scale->SetHost(&host);
    scale->put_Type(9);
    int16_t value = 0;
    scale->get_Type(&value);
    EXPECT_EQ(value, 9);
    EXPECT_EQ(host.Redraws(), 1);
}

TEST(ColorsTest, DefaultsAndTheRedrawEachColourNeeds) {
    test::FakeEditorHost host;
    auto colors = MakeCom<AudioEditorColors>();
    colors->SetHost(&host);
    OLE_COLOR color = 0;
    colors->get_DigitalWaveform(&color);
    EXPECT_EQ(color, 0xABF01Cu);
    colors->get_RangeMarkerBackground(&color);
    EXPECT_EQ(color, 0x414141u);
    colors->put_Cursor(0x123456);  // drawn over the background: a redraw is enough
    EXPECT_EQ(host.Backgrounds(), 0);
    EXPECT_EQ(host.Redraws(), 1);
    colors->put_SelectBackground(0x123456);
    EXPECT_EQ(host.Backgrounds(), 1);
    colors->put_Grid(0x123456);
    EXPECT_EQ(host.Backgrounds(), 2);
    EXPECT_EQ(host.Redraws(), 3);
    EXPECT_EQ(colors->Color(EditorColor::Grid), 0x123456u);
}

TEST(RecorderTest, LevelsAreStoredAboveTheFloorOfSixteenBitSound) {
    auto recorder = MakeCom<AudioEditorRecorder>();
    int32_t level = 0;
    recorder->get_AccuAttackLevel(&level);
    EXPECT_EQ(level, -40);
    recorder->get_AGCLowLevel(&level);
    EXPECT_EQ(level, -30);
    recorder->put_AccuAttackLevel(0);
    recorder->get_AccuAttackLevel(&level);
    EXPECT_EQ(level, 0);
    recorder->put_AccuReleaseLevel(-40);
    recorder->get_AccuReleaseLevel(&level);
    EXPECT_EQ(level, -40);
    EXPECT_EQ(recorder->Settings()->accuReleaseLevel, 50);
}

TEST(RecorderTest, FiltersAreTheRecordComponents) {
    ClassRegistry registry;
    RegisterStockComponents(registry);
    auto component = registry.Create<IVeskAudioRecord>(kVeskAudioRecordName);
    ASSERT_TRUE(component);
    auto recorder = MakeCom<AudioEditorRecorder>();
    float hz = -1;
    recorder->get_LowPassFilterFrequency(&hz);  // no component: 0
    EXPECT_EQ(hz, 0.0f);
    recorder->SetRecordComponent(component.get());
    recorder->put_LowPassFilterFrequency(3000.0f);
    float direct = 0;
    component->GetLowPassFilterFrequency(&direct);
    EXPECT_EQ(direct, 3000.0f);
    recorder->get_LowPassFilterFrequency(&hz);
    EXPECT_EQ(hz, 3000.0f);
}

TEST(DeviceTest, OutputVolumeForwardsAndInputVolumeDoesNothing) {
    ClassRegistry registry;
    RegisterStockComponents(registry);
    auto player = registry.Create<IVeskAudioPlayer>(kVeskAudioPlayerName);
    auto recordComponent = registry.Create<IVeskAudioRecord>(kVeskAudioRecordName);
    auto output = MakeCom<AudioEditorDevice>();
    auto input = MakeCom<AudioEditorDevice>();
    output->SetBackend(MakeOutputDevice(player.get()));
    input->SetBackend(MakeInputDevice(recordComponent.get()));

    output->put_Volume(1234);
    int32_t volume = 0;
    player->GetPlayVolume(&volume);
    EXPECT_EQ(volume, 1234);
    input->put_Volume(99);
    volume = 77;
    input->get_Volume(&volume);
    EXPECT_EQ(volume, 77);  // left as given

    int16_t interval = 0;
    output->get_TimerInterval(&interval);
    EXPECT_EQ(interval, 50);
    int32_t bufferSize = 0;
    output->get_BufferSize(&bufferSize);
    EXPECT_EQ(bufferSize, 500);
    int16_t count = 0;
    output->get_BufferCount(&count);
    EXPECT_EQ(count, 4);

    ComPtr<IAudioEditorDeviceLine> lines;
    input->get_DeviceLines(lines.put());
    ASSERT_TRUE(lines);
    lines->put_Volume(4000);
    int32_t lineVolume = 0;
    recordComponent->GetLineVolume(&lineVolume);
    EXPECT_EQ(lineVolume, 4000);
}

}  // namespace
}  // namespace vesk
