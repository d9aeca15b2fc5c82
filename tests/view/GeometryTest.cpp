// View geometry: the layout of the client rectangle, column mapping, selection columns and the
// detail modes a view's density gives.
#include <gtest/gtest.h>

#include "document/DocState.h"
#include "view/ViewGeometry.h"

namespace vesk {
namespace {

ScaleSettings Scale(bool visible) {
    ScaleSettings settings;
    settings.visible = visible;
    settings.font = FontFace::Resolve(FontDescription{});
    return settings;
}

TEST(DetailModeTest, ThresholdsDependOnTheRate) {
    // Mono 44.1 kHz on 100 pixels: 30 bytes -> x = 0.3 (mode 2), 32 bytes -> 0.32 (mode 1).
    EXPECT_EQ(ViewGeometry::ClassifyDetail(30.0 / 100, 44100), 2);
    EXPECT_EQ(ViewGeometry::ClassifyDetail(32.0 / 100, 44100), 1);
    // 1200 bytes on 100 pixels: x = 12 is past the 6 kHz threshold (12) but not the 8 kHz one (24).
    EXPECT_EQ(ViewGeometry::ClassifyDetail(12.0, 6000), 0);
    EXPECT_EQ(ViewGeometry::ClassifyDetail(12.0, 8000), 1);
    EXPECT_EQ(ViewGeometry::ClassifyDetail(39.0, 44100), 1);  // above 23 kHz the threshold is 40
    EXPECT_EQ(ViewGeometry::ClassifyDetail(0.1, 44100), 3);
    EXPECT_EQ(ViewGeometry::ClassifyDetail(0.02, 44100), 4);
    EXPECT_EQ(ViewGeometry::ClassifyDetail(0.0, 44100), 0);
}

TEST(LayoutTest, AreasOfADefaultControl) {
    ViewGeometry g;
    g.LayoutAreas(ClientRect{0, 0, 800, 300}, Scale(true), Scale(true));
    EXPECT_EQ(g.ScrollBandHeight(), 800 / 140);
    EXPECT_EQ(g.EdgeBand(), 800 / 160);
    const WaveArea& a = g.Area();
    EXPECT_EQ(a.top, g.ScrollBandHeight() + 5);
    EXPECT_EQ(a.left, 2);
    EXPECT_GT(g.ScaleYWidth(), 0);
    EXPECT_GT(g.ScaleXHeight(), 0);
    EXPECT_EQ(a.right, 800 - g.ScaleYWidth() - 5);
    EXPECT_EQ(a.bottom, 300 - g.ScaleXHeight() - 5);
    EXPECT_EQ(a.width, a.right - a.left);
    EXPECT_EQ(static_cast<int32_t>(g.LoadingWaveTable().size()), a.width + 1);
}

TEST(LayoutTest, ScalesNeedRoom) {
    ViewGeometry probe;
    probe.LayoutAreas(ClientRect{0, 0, 800, 300}, Scale(true), Scale(true));
    const int32_t scaleWidth = probe.ScaleYWidth();
    const int32_t scaleHeight = probe.ScaleXHeight();

    ViewGeometry g;
    g.LayoutAreas(ClientRect{0, 0, 187 + scaleWidth, 300}, Scale(true), Scale(true));
    EXPECT_EQ(g.ScaleYWidth(), scaleWidth);
    g.LayoutAreas(ClientRect{0, 0, 186 + scaleWidth, 300}, Scale(true), Scale(true));
    EXPECT_EQ(g.ScaleYWidth(), -2);  // hidden: the area takes its room
    EXPECT_EQ(g.Area().right, 186 + scaleWidth - 5 + 2);

    g.LayoutAreas(ClientRect{0, 0, 800, 65 + scaleHeight}, Scale(true), Scale(true));
    EXPECT_EQ(g.ScaleXHeight(), scaleHeight);
    g.LayoutAreas(ClientRect{0, 0, 800, 64 + scaleHeight}, Scale(true), Scale(true));
    EXPECT_EQ(g.ScaleXHeight(), 0);
}

TEST(LayoutTest, AmplitudeScaleOnTheLeft) {
    ScaleSettings left = Scale(true);
    left.orientation = 2;
    ViewGeometry g;
    g.LayoutAreas(ClientRect{0, 0, 800, 300}, Scale(true), left);
    EXPECT_EQ(g.Area().left, g.ScaleYWidth() + 5);
    EXPECT_EQ(g.Area().right, 798);
}

class ColumnTest : public testing::Test {
protected:
    void SetUp() override {
        geometry.LayoutAreas(ClientRect{0, 0, 800, 300}, Scale(false), Scale(false));
        state.channels = 1;
        state.totalBytes = 100000;
        state.zoomLevel = 1;
        state.startView[1] = 10000;
        state.endView[1] = 20000;
    }
    ViewGeometry geometry;
    DocState state;
};

TEST_F(ColumnTest, PositionsMapOntoTheWidth) {
    const int32_t width = geometry.Area().width;
    EXPECT_EQ(geometry.PositionToColumn(state, 10000), 0);
    EXPECT_EQ(geometry.PositionToColumn(state, 20000), width);
    EXPECT_EQ(geometry.PositionToColumn(state, 15000), width / 2 + (width % 2));
    EXPECT_EQ(geometry.PositionToColumn(state, 30000), width);  // clamped
}

TEST_F(ColumnTest, SelectionColumns) {
    state.startSelect[1] = 12000;
    state.endSelect[1] = 25000;  // ends right of the view
    geometry.UpdateSelectionColumns(state);
    EXPECT_EQ(geometry.SelectionStartColumn(), geometry.PositionToColumn(state, 12000));
    EXPECT_EQ(geometry.SelectionEndColumn(), geometry.Area().width);

    state.startSelect[1] = 2000;  // wholly left of the view
    state.endSelect[1] = 5000;
    geometry.UpdateSelectionColumns(state);
    EXPECT_EQ(geometry.SelectionStartColumn(), 0);
    EXPECT_EQ(geometry.SelectionEndColumn(), 0);

    state.startSelect[1] = 25000;  // wholly right of it
    state.endSelect[1] = 30000;
    geometry.UpdateSelectionColumns(state);
    EXPECT_EQ(geometry.SelectionStartColumn(), 0);
    EXPECT_EQ(geometry.SelectionEndColumn(), 0);
}

}  // namespace
}  // namespace vesk
