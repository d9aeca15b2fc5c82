#include <gtest/gtest.h>

#include "components/file/LameSettingsStore.h"

namespace vesk {
namespace {

class LameSettingsPreset : public testing::Test {
protected:
    const LameSettingsValues& Preset(int16_t number) {
        store_->SetParamsFromPreset(number);
        return store_->Values();
    }
    const LameSettingsValues& CommandLine(const char* text) {
        Bstr line(text);
        store_->SetParamsFromCommandLine(line.get());
        return store_->Values();
    }

    ComPtr<LameSettingsStore> store_ = MakeCom<LameSettingsStore>();
};

TEST_F(LameSettingsPreset, NamedPresetsAreLamesVbrQualities) {
    EXPECT_EQ(Preset(1001).vbrQuality, 2);  // standard = V2
    EXPECT_EQ(store_->Values().vbrCodingMethod, 3);
    EXPECT_EQ(Preset(1002).vbrQuality, 0);  // extreme = V0
    EXPECT_EQ(Preset(1006).vbrQuality, 4);  // medium = V4
    EXPECT_EQ(Preset(1000).vbrQuality, 3);  // r3mix = V3
}

TEST_F(LameSettingsPreset, InsaneIsConstant320AndAbrPresetsAverage) {
    const LameSettingsValues& insane = Preset(1003);
    EXPECT_EQ(insane.vbrCodingMethod, -1);
    EXPECT_EQ(insane.bitrateKbps, 320);
    const LameSettingsValues& abr = Preset(192);
    EXPECT_EQ(abr.vbrCodingMethod, 4);
    EXPECT_EQ(abr.abrBitrateKbps, 192);
}

TEST_F(LameSettingsPreset, VPresetsKeepAnExplicitVbrMethod) {
    store_->put_VbrCodingMethod(1);
    EXPECT_EQ(Preset(460).vbrQuality, 4);  // V4
    EXPECT_EQ(store_->Values().vbrCodingMethod, 1);
    store_->put_VbrCodingMethod(-1);
    EXPECT_EQ(Preset(410).vbrQuality, 9);
    EXPECT_EQ(store_->Values().vbrCodingMethod, 0 + 3);  // LAME's default method is mtrh
}

TEST_F(LameSettingsPreset, UnknownPresetsChangeNothingButTheNumber) {
    const LameSettingsValues before = store_->Values();
    LameSettingsValues after = Preset(7);
    EXPECT_EQ(after.preset, 7);
    after.preset = before.preset;
    EXPECT_EQ(after.vbrCodingMethod, before.vbrCodingMethod);
    EXPECT_EQ(after.bitrateKbps, before.bitrateKbps);
    EXPECT_EQ(after.vbrQuality, before.vbrQuality);
}

TEST_F(LameSettingsPreset, CommandLineOptionsSetTheirValues) {
    const LameSettingsValues& v = CommandLine(
        "--vbr-old -V2 -b 96 -B 256 -q 0 -m s -t -p -e 5 --lowpass 17 --highpass 80 --lowpass-width 1.5 "
        "--highpass-width 0.05 --resample 22.05 -F --strictly-enforce-ISO --noreplaygain --some-unknown -Z");
    EXPECT_EQ(v.vbrCodingMethod, 1);
    EXPECT_EQ(v.vbrQuality, 2);
    EXPECT_EQ(v.bitrateKbps, 96);
    EXPECT_EQ(v.vbrBitrateKbps, 256);
    EXPECT_EQ(v.encoderQuality, 0);
    EXPECT_EQ(v.typeStereo, 1);
    EXPECT_EQ(v.writingVbrHeader, VARIANT_FALSE);
    EXPECT_EQ(v.errorProtection, VARIANT_TRUE);
    EXPECT_EQ(v.emphasis, 1);
    EXPECT_EQ(v.lowPassFrequencyHz, 17000);
    EXPECT_EQ(v.highPassFrequencyHz, 80);
    EXPECT_EQ(v.lowPassWidthHz, 1500);
    EXPECT_EQ(v.highPassWidthHz, 50);
    EXPECT_EQ(v.frequencyHz, 22050);
    EXPECT_EQ(v.strictlyEnforceMinBitrate, VARIANT_TRUE);
    EXPECT_EQ(v.strictIsoCompliance, VARIANT_TRUE);
    EXPECT_EQ(v.commandLine.substr(0, 9), u"--vbr-old");
}

TEST_F(LameSettingsPreset, EachCommandLineStartsFromTheDefaults) {
    CommandLine("--abr 160 -m d -e c");
    EXPECT_EQ(store_->Values().vbrCodingMethod, 4);
    EXPECT_EQ(store_->Values().abrBitrateKbps, 160);
    EXPECT_EQ(store_->Values().typeStereo, 4);
    EXPECT_EQ(store_->Values().emphasis, 3);
    const LameSettingsValues& plain = CommandLine("-b 192");
    EXPECT_EQ(plain.vbrCodingMethod, -1);
    EXPECT_EQ(plain.bitrateKbps, 192);
    EXPECT_EQ(plain.typeStereo, 2);
    EXPECT_EQ(plain.emphasis, 0);
}

TEST_F(LameSettingsPreset, MonoOptionsAndPresetsByName) {
    EXPECT_EQ(CommandLine("-m m").channels, 1);
    EXPECT_EQ(CommandLine("-m j").channels, 2);
    EXPECT_EQ(CommandLine("-a").channels, 1);
    EXPECT_EQ(CommandLine("-h").encoderQuality, 2);
    const LameSettingsValues& extreme = CommandLine("--preset extreme");
    EXPECT_EQ(extreme.vbrQuality, 0);
    EXPECT_EQ(extreme.vbrCodingMethod, 3);
    EXPECT_EQ(CommandLine("--preset 128").abrBitrateKbps, 128);
}

}  // namespace
}  // namespace vesk
