// The scales: label spacing, label texts and the amplitude steps.
#include <gtest/gtest.h>

#include <cmath>

#include "document/DocState.h"
#include "view/AmplitudeScale.h"
#include "view/TimeScale.h"

namespace vesk {
namespace {

ScaleSettings Visible(int16_t type) {
    ScaleSettings settings;
    settings.type = type;
    settings.font = FontFace::Resolve(FontDescription{});
    return settings;
}

TEST(TimeLabelTest, ShortDocumentsUseFixedDecimals) {
    DocState state;
    state.totalBytes = 44100 * 4 * 3;  // three seconds of stereo: not longer than three seconds
    TimeAxisSource source{&state, 44100, 2};
    EXPECT_EQ(TimeScale::FormatTimeLabel(source, 2.5, 1), "2.5");
    EXPECT_EQ(TimeScale::FormatTimeLabel(source, 1.0, 3), "1.000");
    EXPECT_EQ(TimeScale::FormatTimeLabel(TimeAxisSource{}, 7.0, 0), "7");
}

TEST(TimeLabelTest, LongDocumentsUseMinutesSecondsAndAFraction) {
    DocState state;
    state.totalBytes = 44100 * 4 * 100;
    TimeAxisSource source{&state, 44100, 2};
    EXPECT_EQ(TimeScale::FormatTimeLabel(source, 75.25, 2), "1:15.25");
    EXPECT_EQ(TimeScale::FormatTimeLabel(source, 61.05, 2), "1:01.5");
    EXPECT_EQ(TimeScale::FormatTimeLabel(source, 5.0, 0), "0:05.0");
}

ViewGeometry Layout(int32_t width, int32_t height) {
    ViewGeometry g;
    g.LayoutAreas(ClientRect{0, 0, width, height}, Visible(1), Visible(1));
    return g;
}

TEST(TimeScaleTest, WithoutDocumentTheAxisRunsFromZeroToTen) {
    ViewGeometry g = Layout(800, 300);
    TimeScale scale;
    scale.Compute(TimeAxisSource{}, g, Visible(1));
    EXPECT_EQ(scale.Start(), 0);
    EXPECT_EQ(scale.End(), 10);
    EXPECT_EQ(scale.ThumbX(), g.Area().left);
    EXPECT_EQ(scale.ThumbWidth(), g.Area().width);
    EXPECT_GE(scale.Unit(), 1);
}

TEST(TimeScaleTest, FewFramesGiveUnitOneWithoutMinorTicks) {
    ViewGeometry g = Layout(800, 300);
    DocState state;
    state.channels = 1;
    state.totalBytes = 40;
    state.endView[0] = 40;  // 20 frames on 800 pixels
    TimeScale scale;
    scale.Compute(TimeAxisSource{&state, 44100, 1}, g, Visible(1));
    EXPECT_EQ(scale.Unit(), 1);
    EXPECT_EQ(scale.Subdivisions(), 1);
}

TEST(TimeScaleTest, UnitsArePowersOfTenOrHalvesAndLabelsFit) {
    ViewGeometry g = Layout(800, 300);
    DocState state;
    state.channels = 2;
    state.totalBytes = 44100 * 4 * 60;
    state.endView[0] = state.totalBytes;  // 2,646,000 frames
    TimeScale scale;
    scale.Compute(TimeAxisSource{&state, 44100, 2}, g, Visible(1));
    const double labels = (scale.End() - scale.Start()) / scale.Unit();
    EXPECT_GE(labels, 1);
    EXPECT_LE(labels, 800 / 20.0);
    double mantissa = scale.Unit() / std::pow(10.0, std::floor(std::log10(scale.Unit())));
    EXPECT_TRUE(mantissa == 1 || mantissa == 5 || mantissa == 2.5) << scale.Unit();
    EXPECT_TRUE(scale.Subdivisions() == 5 || scale.Subdivisions() == 10);
    // Thumb of the whole document: the whole width.
    EXPECT_EQ(scale.ThumbWidth(), g.Area().width);
}

TEST(AmplitudeScaleTest, StepsAndSubdivisions) {
    int32_t step = 0;
    int16_t subdivisions = 0;
    AmplitudeScale::ChooseStep(35000 / 10, step, subdivisions);  // room for 10 labels
    EXPECT_EQ(step, 3000);
    EXPECT_EQ(subdivisions, 3);
    AmplitudeScale::ChooseStep(12000, step, subdivisions);
    EXPECT_EQ(step, 10000);
    EXPECT_EQ(subdivisions, 10);  // a leading 1 takes the base's own count
    AmplitudeScale::ChooseStep(700, step, subdivisions);
    EXPECT_EQ(step, 500);
    EXPECT_EQ(subdivisions, 5);
    AmplitudeScale::ChooseStep(4, step, subdivisions);
    EXPECT_EQ(step, 1);
    EXPECT_EQ(subdivisions, 1);
}

TEST(AmplitudeScaleTest, DecibelLabels) {
    EXPECT_EQ(AmplitudeScale::DecibelLabel(0), -90);
    EXPECT_EQ(AmplitudeScale::DecibelLabel(16384), -6);
    EXPECT_EQ(AmplitudeScale::DecibelLabel(35000), 0);
}

TEST(AmplitudeScaleTest, FullScaleFollowsTypeAndZoom) {
    ViewGeometry g = Layout(800, 300);
    AmplitudeScale scale;
    AmplitudeSource source;
    scale.Compute(source, g, Visible(1));
    EXPECT_EQ(scale.FullScale(), 35000);
    source.verticalZoom = 200;
    scale.Compute(source, g, Visible(1));
    EXPECT_EQ(scale.FullScale(), 70000);
    source.verticalZoom = 100;
    scale.Compute(source, g, Visible(2));
    EXPECT_EQ(scale.FullScale(), 110);
    source.typeView = 1;
    source.frequency = 44100;
    scale.Compute(source, g, Visible(1));
    EXPECT_EQ(scale.FullScale(), 22050);
}

}  // namespace
}  // namespace vesk
