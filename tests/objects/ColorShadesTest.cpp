#include <gtest/gtest.h>

#include "objects/AudioEditorColors.h"
#include "objects/ColorShades.h"
#include "platform/drawing/Bitmap.h"

namespace vesk {
namespace {

TEST(ColorShadesTest, ConvertsToTheDialogScales) {
    HlsColor green = HlsFromColor(Rgb(28, 240, 171));
    EXPECT_EQ(green.hue, 107);
    EXPECT_EQ(green.lightness, 126);
    EXPECT_EQ(green.saturation, 210);

    HlsColor red = HlsFromColor(Rgb(255, 0, 0));
    EXPECT_EQ(red.hue, 0);
    EXPECT_EQ(red.lightness, 120);
    EXPECT_EQ(red.saturation, 240);
    EXPECT_EQ(HlsFromColor(Rgb(0, 0, 255)).hue, 160);

    HlsColor grey = HlsFromColor(Rgb(128, 128, 128));
    EXPECT_EQ(grey.saturation, 0);
    EXPECT_EQ(grey.lightness, 120);
    EXPECT_EQ(HlsFromColor(Rgb(255, 255, 255)).lightness, 240);
}

TEST(ColorShadesTest, RoundTripsPrimariesAndGreys) {
    for (OLE_COLOR color : {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(0, 0, 255), Rgb(255, 255, 0), Rgb(0, 0, 0),
                            Rgb(255, 255, 255), Rgb(74, 74, 74)}) {
        EXPECT_EQ(ColorFromHls(HlsFromColor(color)), color) << std::hex << color;
    }
    // Arbitrary colours come back within the rounding of the 240 scale.
    OLE_COLOR back = ColorFromHls(HlsFromColor(Rgb(200, 100, 50)));
    EXPECT_NEAR(static_cast<int>(back & 0xFF), 200, 2);
    EXPECT_NEAR(static_cast<int>((back >> 8) & 0xFF), 100, 2);
    EXPECT_NEAR(static_cast<int>(back >> 16), 50, 2);
}

TEST(ColorShadesTest, LightnessShiftsClampAtBlackAndWhite) {
    EXPECT_EQ(ShiftLightness(Rgb(28, 240, 171), -40), Rgb(12, 171, 119));
    EXPECT_EQ(ShiftLightness(Rgb(28, 240, 171), -20), Rgb(14, 211, 148));
    EXPECT_EQ(ShiftLightness(Rgb(30, 10, 10), -100), Rgb(0, 0, 0));
    EXPECT_EQ(ShiftLightness(Rgb(250, 240, 240), 100), Rgb(255, 255, 255));
}

TEST(ColorShadesTest, BandShadesFollowDigitalWaveform) {
    AudioEditorColors colors;
    EXPECT_EQ(colors.BandSelectionShade(), 0x77AB0Cu);
    EXPECT_EQ(colors.BandOverlapShade(), 0x94D30Eu);

    colors.put_DigitalWaveform(Rgb(128, 128, 128));
    EXPECT_EQ(colors.BandSelectionShade(), ShiftLightness(Rgb(128, 128, 128), -40));
    EXPECT_EQ(colors.BandOverlapShade(), ShiftLightness(Rgb(128, 128, 128), -20));
    EXPECT_NE(colors.BandSelectionShade(), colors.BandOverlapShade());
}

}  // namespace
}  // namespace vesk
