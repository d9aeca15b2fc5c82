// The picture of the control in a headless window: what the painter puts at computed pixels,
// the zoom commands, and the export of the picture.
#include <cmath>
#include <fstream>

#include "ControlTestSupport.h"

namespace vesk {
namespace {

using test::ControlFixture;

constexpr uint32_t Pixel(OLE_COLOR color) { return PixelFromOleColor(color); }

class PictureTest : public ControlFixture {
protected:
    static constexpr int32_t kWidth = 800;
    static constexpr int32_t kHeight = 300;

    void SetUp() override {
        ControlFixture::SetUp();
        control->InPlaceActivate(&site);
    }
    void TearDown() override {
        control->InPlaceDeactivate();
        ControlFixture::TearDown();
    }

    // A stereo document of `frames` frames whose samples come from left(i) and right(i).
    template <class Left, class Right>
    void MakeStereo(int32_t frames, Left left, Right right) {
        control->New(44100, 2);
        std::vector<int16_t> samples;
        for (int32_t i = 0; i < frames; ++i) {
            samples.push_back(static_cast<int16_t>(left(i)));
            samples.push_back(static_cast<int16_t>(right(i)));
        }
        PushState(samples);
        control->Refresh();
    }

    // The layout of an 800 × 300 window with the default scales (8 pt Liberation Sans): the
    // lanes span x 2..748 (the amplitude scale takes 47 pixels and a gap of 5 at the right) and
    // y 10..274 (a band of 5 and a gap of 5 above, the time scale's 21 and a gap of 5 below);
    // the selection edges are grabbed 5 pixels into the lanes. A stereo document's upper lane
    // is 130 pixels high and starts at y 15.
    static constexpr int32_t kLeft = 2;
    static constexpr int32_t kRight = 748;
    static constexpr int32_t kTop = 10;
    static constexpr int32_t kBottom = 274;

    void Paint() { control->Paint(*site.Window(), ClientRect{0, 0, kWidth, kHeight}); }
    uint32_t At(int32_t x, int32_t y) { return site.Window()->Pixel(x, y); }

    ComPtr<IAudioEditorPosition> Position() {
        ComPtr<IAudioEditorPosition> position;
        control->get_Position(position.put());
        return position;
    }

    HeadlessSite site{kWidth, kHeight};
};

TEST_F(PictureTest, SelectionFillAndCentreLines) {
    MakeStereo(44100, [](int) { return 0; }, [](int) { return 0; });
    Paint();
    Position()->put_Selected(VARIANT_TRUE);
    Position()->put_StartSelect(11025);
    Position()->put_EndSelect(22050);
    // A quarter to a half of the sound: columns 187 to 373 of the 746.
    const auto& g = control->View().Geometry();
    EXPECT_EQ(g.SelectionStartColumn(), 187);
    EXPECT_EQ(g.SelectionEndColumn(), 373);
    const int32_t inside = kLeft + 280;
    const int32_t outside = kLeft + 93;
    EXPECT_EQ(At(inside, 17), Pixel(0xFFFFFF));  // SelectBackground
    EXPECT_EQ(At(outside, 17), Pixel(0x000000));  // Background
    EXPECT_EQ(At(kLeft + 186, 17), Pixel(0x000000));
    EXPECT_EQ(At(kLeft + 187, 17), Pixel(0xFFFFFF));

    // Silence: the peak bar of every column sits on the upper lane's zero line (y 77), in the
    // selection colour inside the selection.
    EXPECT_EQ(At(inside, 77), Pixel(0x604720));
    EXPECT_EQ(At(outside, 77), Pixel(0xABF01C));
}

TEST_F(PictureTest, AnEmptyDocumentShowsOnlyTheZeroLines) {
    control->New(44100, 1);
    Paint();
    // One lane from y 15 to 269: its zero line at y 142.
    for (int32_t x : {kLeft + 1, kLeft + 373, kRight - 1}) {
        EXPECT_EQ(At(x, 142), Pixel(0x2626A4)) << x;
        EXPECT_EQ(At(x, 145), Pixel(0x000000)) << x;
    }
}

TEST_F(PictureTest, BoundaryLinesAtFullSampleScale) {
    MakeStereo(4410, [](int) { return 0; }, [](int) { return 0; });
    Paint();
    // The upper lane's boundary lines: 32768 of the full scale 35000 on a half lane of 60
    // pixels is 56 pixels either side of its middle row 78.
    const int32_t x = kLeft + 10;
    EXPECT_EQ(At(x, 78 - 56), Pixel(0x9F876F));
    EXPECT_EQ(At(x, 78 + 56), Pixel(0x9F876F));
    EXPECT_EQ(At(x, 78 - 57), Pixel(0x000000));
}

TEST_F(PictureTest, FrameColoursFollowTypeBorder) {
    Paint();
    EXPECT_EQ(At(0, 0), Pixel(kHighlightColor));  // TypeBorder 1: highlight at the top left
    control->put_TypeBorder(5);
    Paint();
    const uint32_t scales = Pixel(0xF0F0F0);
    EXPECT_EQ(At(0, 0), scales);
    EXPECT_EQ(At(1, 1), scales);  // right of x = 1 the band above the area covers row 1
    EXPECT_EQ(At(kWidth - 1, kHeight / 2), scales);
    EXPECT_EQ(At(kWidth / 2, kHeight - 2), scales);
}

TEST_F(PictureTest, AHiddenChannelGivesTheWholeAreaToTheOther) {
    MakeStereo(4410, [](int) { return 0; }, [](int) { return 0; });
    ComPtr<IAudioEditorChannel> channels;
    control->get_Channels(channels.put());
    channels->put_Num(2);
    channels->put_Visible(0);
    Paint();
    // The left lane alone fills the area: its zero line is the area's middle row, 142.
    EXPECT_EQ(At(kLeft + 5, 142), Pixel(0xABF01C));  // silence on the one lane's zero line
    EXPECT_EQ(At(kLeft + 5, 137), Pixel(0x000000));
}

TEST_F(PictureTest, PeaksBeyondTheLaneAreClipped) {
    // At 10 % the full scale is 3500, so a full-scale square wave reaches far past the lanes.
    MakeStereo(44100, [](int i) { return (i / 50) % 2 ? 32767 : -32768; }, [](int) { return 0; });
    control->ZoomVertical(10);
    Paint();
    // The upper lane runs from y 15 to 139 around its zero line 77: the wave fills it.
    const int32_t x = kLeft + 373;
    EXPECT_EQ(At(x, 15), Pixel(0xABF01C));
    EXPECT_EQ(At(x, 77), Pixel(0xABF01C));
    EXPECT_EQ(At(x, 137), Pixel(0xABF01C));
    // Nothing of the wave above the lane.
    EXPECT_NE(At(x, 14), Pixel(0xABF01C));
}

TEST_F(PictureTest, ARepaintWithTheSameBoundsOnlyCopiesTheFrame) {
    Paint();
    site.Window()->SetPixel(100, 100, 0x123456);
    Paint();  // the stored frame covers the window again
    EXPECT_NE(At(100, 100), 0x123456u);
    site.Window()->SetPixel(100, 100, 0x123456);
    control->View().Redraw();  // active: the frame is composed straight into the window
    EXPECT_EQ(site.ViewChanges(), 0);
    EXPECT_NE(At(100, 100), 0x123456u);
    EXPECT_EQ(site.WindowDraws(), 1);  // and a buffering site hears of it, to show it again
}

TEST_F(PictureTest, ZoomStack) {
    MakeStereo(44100, [](int i) { return i % 100; }, [](int) { return 0; });
    auto position = Position();
    position->put_Selected(VARIANT_TRUE);
    position->put_StartSelect(1000);
    position->put_EndSelect(1002);  // 2 frames: too few
    control->ZoomIn();
    EXPECT_EQ(control->History().Current()->zoomLevel, 0);
    position->put_EndSelect(1003);
    control->ZoomIn();
    const DocState& s = *control->History().Current();
    EXPECT_EQ(s.zoomLevel, 1);
    EXPECT_EQ(s.startView[1], 4000);
    EXPECT_EQ(s.endView[1], 4012);
    EXPECT_EQ(s.selected, 0);
    control->ZoomOut();
    EXPECT_EQ(s.zoomLevel, 0);
    EXPECT_EQ(s.selected, 1);
    int32_t start = 0;
    position->get_StartSelect(&start);
    EXPECT_EQ(start, 1000);
    control->ZoomOut();  // level 0: nothing
    EXPECT_EQ(s.zoomLevel, 0);
}

TEST_F(PictureTest, ZoomFullKeepsTheSelection) {
    MakeStereo(44100, [](int) { return 0; }, [](int) { return 0; });
    auto position = Position();
    position->put_Selected(VARIANT_TRUE);
    position->put_StartSelect(100);
    position->put_EndSelect(20000);
    control->ZoomIn();
    position->put_Selected(VARIANT_TRUE);
    position->put_StartSelect(200);
    position->put_EndSelect(300);
    control->ZoomFull();
    const DocState& s = *control->History().Current();
    EXPECT_EQ(s.zoomLevel, 0);
    EXPECT_EQ(s.endView[0], s.totalBytes);
    EXPECT_EQ(s.startSelect[0], 800);
    EXPECT_EQ(s.endSelect[0], 1200);
}

TEST_F(PictureTest, VerticalZoomLimits) {
    control->ZoomVertical(0);
    EXPECT_EQ(control->View().VerticalZoom(), 10);
    control->ZoomVertical(5000);
    EXPECT_EQ(control->View().VerticalZoom(), 1000);
}

TEST_F(PictureTest, RecomputeViewRoundsAndWidensAnEmptyView) {
    MakeStereo(1000, [](int) { return 0; }, [](int) { return 0; });
    Paint();
    ASSERT_TRUE(control->View().RecomputeView(101, 101));
    const DocState& s = *control->History().Current();
    EXPECT_EQ(s.startView[0], 100);
    EXPECT_EQ(s.endView[0], 104);  // 2 × channels bytes
}

TEST_F(PictureTest, ImageExportWritesTheLastFrame) {
    const std::string path = scratch.File("picture.bmp");
    Bstr name(path);
    control->SaveWaveImage(name.get());
    EXPECT_FALSE(std::filesystem::exists(path));  // nothing painted yet

    {
        std::ofstream longer(path, std::ios::binary);
        longer << std::string(kWidth * kHeight * 4 + 1000, 'x');
    }
    Paint();
    control->SaveWaveImage(name.get());
    EXPECT_EQ(std::filesystem::file_size(path), 66u + 4u * kWidth * kHeight);  // truncated
    std::ifstream file(path, std::ios::binary);
    std::vector<unsigned char> header(66);
    file.read(reinterpret_cast<char*>(header.data()), 66);
    auto u32 = [&](int at) { return header[at] | header[at + 1] << 8 | header[at + 2] << 16 | header[at + 3] << 24; };
    EXPECT_EQ(header[0], 'B');
    EXPECT_EQ(header[1], 'M');
    EXPECT_EQ(u32(10), 66);         // pixel data offset
    EXPECT_EQ(u32(18), kWidth);     // width
    EXPECT_EQ(u32(22), kHeight);    // height: bottom-up rows
    EXPECT_EQ(header[28], 32);      // bits per pixel
    EXPECT_EQ(u32(30), 3);          // bit fields
    EXPECT_EQ(u32(54), 0xFF0000);   // red mask
    // The first stored row is the bottom row of the picture.
    unsigned char bottomLeft[4];
    file.read(reinterpret_cast<char*>(bottomLeft), 4);
    const uint32_t expected = At(0, kHeight - 1);
    EXPECT_EQ(bottomLeft[0], expected & 0xFF);
    EXPECT_EQ(bottomLeft[2], (expected >> 16) & 0xFF);

    if (std::system("command -v identify > /dev/null 2>&1") == 0) {
        std::string command = "identify -format '%w %h' " + path + " > " + scratch.File("identify.txt");
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::ifstream answer(scratch.File("identify.txt"));
        int w = 0, h = 0;
        answer >> w >> h;
        EXPECT_EQ(w, kWidth);
        EXPECT_EQ(h, kHeight);
    }
}

}  // namespace
}  // namespace vesk
