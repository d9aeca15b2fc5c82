#include <gtest/gtest.h>

#include "components/file/LameSettingsStore.h"

namespace vesk {
namespace {

// One property of the settings object: its accessors and two distinct values to store.
template <class T>
struct Property {
    const char* name;
    HRESULT (IVeskLameSettings::*get)(T*);
    HRESULT (IVeskLameSettings::*put)(T);
    T expectedDefault;
};

template <class T>
void ExpectStoresEveryProperty(std::initializer_list<Property<T>> properties, T first, T second) {
    auto store = MakeCom<LameSettingsStore>();
    IVeskLameSettings* settings = store.get();
    for (const Property<T>& p : properties) {
        T value{};
        ASSERT_EQ((settings->*p.get)(&value), S_OK) << p.name;
        EXPECT_EQ(value, p.expectedDefault) << p.name;
        for (T stored : {first, second}) {
            EXPECT_EQ((settings->*p.put)(stored), S_OK) << p.name;
            EXPECT_EQ((settings->*p.get)(&value), S_OK) << p.name;
            EXPECT_EQ(value, stored) << p.name;
        }
        EXPECT_EQ((settings->*p.get)(nullptr), E_POINTER) << p.name;
    }
}

#define VESK_PROPERTY(Name, Default) \
    { #Name, &IVeskLameSettings::get_##Name, &IVeskLameSettings::put_##Name, Default }

TEST(LameSettingsStore, StoresEveryLongProperty) {
    ExpectStoresEveryProperty<int32_t>(
        {VESK_PROPERTY(VbrBitrate, 0), VESK_PROPERTY(VbrCodingMethod, -1), VESK_PROPERTY(TypeStereo, 2),
         VESK_PROPERTY(LowPassFrequency, 0), VESK_PROPERTY(HighPassFrequency, 0), VESK_PROPERTY(LowPassWidth, 0),
         VESK_PROPERTY(HighPassWidth, 0), VESK_PROPERTY(Bitrate, 128), VESK_PROPERTY(Channels, 2),
         VESK_PROPERTY(Frequency, 44100)},
        22050, -3);
}

TEST(LameSettingsStore, StoresEveryShortProperty) {
    ExpectStoresEveryProperty<int16_t>(
        {VESK_PROPERTY(VbrQuality, 4), VESK_PROPERTY(AbrBitrate, 128), VESK_PROPERTY(EncoderQuality, 3),
         VESK_PROPERTY(Emphasis, 0), VESK_PROPERTY(ATHControlMode, 0)},
        int16_t{9}, int16_t{-1});
}

// VARIANT_BOOL is a 16-bit integer too; the flags are listed apart for their defaults.
TEST(LameSettingsStore, StoresEveryBooleanProperty) {
    ExpectStoresEveryProperty<VARIANT_BOOL>(
        {VESK_PROPERTY(WritingVBRHeader, VARIANT_TRUE), VESK_PROPERTY(BitReservoir, VARIANT_TRUE),
         VESK_PROPERTY(BlockTypeControl, VARIANT_FALSE), VESK_PROPERTY(ShortBlocks, VARIANT_TRUE),
         VESK_PROPERTY(StrictISOCompliance, VARIANT_FALSE), VESK_PROPERTY(StrictlyEnforceMinBitrate, VARIANT_FALSE),
         VESK_PROPERTY(ErrorProtection, VARIANT_FALSE)},
        VARIANT_FALSE, VARIANT_TRUE);
}

#undef VESK_PROPERTY

TEST(LameSettingsStore, PutsReachTheValuesTheEncoderReads) {
    auto store = MakeCom<LameSettingsStore>();
    store->put_Bitrate(320);
    store->put_VbrCodingMethod(4);
    store->put_StrictISOCompliance(VARIANT_TRUE);
    EXPECT_EQ(store->Values().bitrateKbps, 320);
    EXPECT_EQ(store->Values().vbrCodingMethod, 4);
    EXPECT_EQ(store->Values().strictIsoCompliance, VARIANT_TRUE);
}

TEST(LameSettingsStore, KeepsPresetsAndCommandLineAsGiven) {
    auto store = MakeCom<LameSettingsStore>();
    Bstr line("-V 2 --lowpass 17");
    store->SetParamsFromCommandLine(line.get());
    store->SetParamsFromPreset(1001);
    EXPECT_EQ(store->Values().commandLine, u"-V 2 --lowpass 17");
    EXPECT_EQ(store->Values().preset, 1001);
    store->SetParamsFromAltPreset(320);
    EXPECT_EQ(store->Values().preset, 320);
}

}  // namespace
}  // namespace vesk
