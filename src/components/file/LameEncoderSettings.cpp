#include "components/file/LameEncoderSettings.h"

#include <lame/lame.h>

namespace vesk {
namespace {

constexpr int32_t kMethodNone = -1;
constexpr int32_t kMethodDefault = 0;
constexpr int32_t kMethodOld = 1;
constexpr int32_t kMethodNew = 2;
constexpr int32_t kMethodMtrh = 3;
constexpr int32_t kMethodAbr = 4;

vbr_mode VbrModeOf(int32_t method) {
    switch (method) {
        case kMethodDefault: return vbr_default;
        case kMethodOld: return vbr_rh;
        case kMethodNew: return vbr_mt;
        case kMethodMtrh: return vbr_mtrh;
        case kMethodAbr: return vbr_abr;
        default: return vbr_off;
    }
}

int32_t MethodOf(vbr_mode mode) {
    switch (mode) {
        case vbr_rh: return kMethodOld;
        case vbr_mt: return kMethodNew;
        case vbr_mtrh: return kMethodMtrh;
        case vbr_abr: return kMethodAbr;
        default: return kMethodNone;
    }
}

MPEG_mode StereoModeOf(int32_t typeStereo, int32_t channels) {
    if (channels == 1) return MONO;
    switch (typeStereo) {
        case 1: return STEREO;
        case 4: return DUAL_CHANNEL;
        default: return JOINT_STEREO;
    }
}

void ApplyBitrates(lame_global_flags* lame, const LameSettingsValues& v) {
    const vbr_mode mode = VbrModeOf(v.vbrCodingMethod);
    lame_set_VBR(lame, mode);
    if (mode == vbr_off) {
        if (v.bitrateKbps > 0) lame_set_brate(lame, v.bitrateKbps);
        return;
    }
    lame_set_VBR_q(lame, v.vbrQuality);
    if (mode == vbr_abr) lame_set_VBR_mean_bitrate_kbps(lame, v.abrBitrateKbps);
    if (v.bitrateKbps > 0) lame_set_VBR_min_bitrate_kbps(lame, v.bitrateKbps);
    if (v.vbrBitrateKbps > 0) lame_set_VBR_max_bitrate_kbps(lame, v.vbrBitrateKbps);
    lame_set_VBR_hard_min(lame, v.strictlyEnforceMinBitrate != VARIANT_FALSE);
}

void ApplyHearingThreshold(lame_global_flags* lame, int16_t mode) {
    if (mode == 1) lame_set_ATHonly(lame, 1);
    if (mode == 2) lame_set_ATHshort(lame, 1);
    if (mode == 3) lame_set_noATH(lame, 1);
}

void ApplyFilters(lame_global_flags* lame, const LameSettingsValues& v) {
    if (v.lowPassFrequencyHz != 0) lame_set_lowpassfreq(lame, v.lowPassFrequencyHz);
    if (v.highPassFrequencyHz != 0) lame_set_highpassfreq(lame, v.highPassFrequencyHz);
    if (v.lowPassWidthHz != 0) lame_set_lowpasswidth(lame, v.lowPassWidthHz);
    if (v.highPassWidthHz != 0) lame_set_highpasswidth(lame, v.highPassWidthHz);
}

bool On(VARIANT_BOOL flag) { return flag != VARIANT_FALSE; }

// V0..V9 only choose a quality; the VBR method stays the caller's choice (LAME's default one
// when none is chosen), as -V does on LAME's command line.
void PrepareVbrPreset(lame_global_flags* lame, int32_t preset, const LameSettingsValues& values) {
    if (preset < V9 || preset > V0) return;
    const vbr_mode current = VbrModeOf(values.vbrCodingMethod);
    lame_set_VBR(lame, current == vbr_off || current == vbr_abr ? vbr_default : current);
}

void ReadPreset(const lame_global_flags* lame, LameSettingsValues& values) {
    const vbr_mode mode = lame_get_VBR(lame);
    values.vbrCodingMethod = MethodOf(mode);
    values.vbrQuality = static_cast<int16_t>(lame_get_VBR_q(lame));
    if (mode == vbr_abr) values.abrBitrateKbps = static_cast<int16_t>(lame_get_VBR_mean_bitrate_kbps(lame));
    values.bitrateKbps = mode == vbr_off ? lame_get_brate(lame) : lame_get_VBR_min_bitrate_kbps(lame);
    values.vbrBitrateKbps = lame_get_VBR_max_bitrate_kbps(lame);
    values.strictlyEnforceMinBitrate = lame_get_VBR_hard_min(lame) ? VARIANT_TRUE : VARIANT_FALSE;
    values.lowPassFrequencyHz = lame_get_lowpassfreq(lame);
    if (lame_get_quality(lame) >= 0) values.encoderQuality = static_cast<int16_t>(lame_get_quality(lame));
}

bool IsKnownPreset(int32_t preset) {
    return (preset >= ABR_8 && preset <= ABR_320) || (preset >= V9 && preset <= V0 && preset % 10 == 0) ||
           (preset >= R3MIX && preset <= MEDIUM_FAST);
}

}  // namespace

void LameEncoderSettings::Apply(lame_global_struct* lame, const LameSettingsValues& v, int32_t outHz,
                                int32_t outChannels) {
    lame_set_in_samplerate(lame, outHz);
    lame_set_out_samplerate(lame, outHz);
    lame_set_num_channels(lame, outChannels);
    lame_set_mode(lame, StereoModeOf(v.typeStereo, outChannels));
    lame_set_force_ms(lame, v.typeStereo == 3 && outChannels == 2);
    ApplyBitrates(lame, v);
    lame_set_quality(lame, v.encoderQuality);
    lame_set_bWriteVbrTag(lame, On(v.writingVbrHeader));
    lame_set_disable_reservoir(lame, !On(v.bitReservoir));
    lame_set_allow_diff_short(lame, On(v.blockTypeControl));
    lame_set_no_short_blocks(lame, !On(v.shortBlocks));
    lame_set_emphasis(lame, v.emphasis);
    lame_set_strict_ISO(lame, On(v.strictIsoCompliance));
    lame_set_error_protection(lame, On(v.errorProtection));
    ApplyHearingThreshold(lame, v.athControlMode);
    ApplyFilters(lame, v);
    // Tags are the information component's work; the encoder writes sound only.
    lame_set_write_id3tag_automatic(lame, 0);
}

bool LameEncoderSettings::ApplyPreset(int32_t preset, LameSettingsValues& values) {
    if (!IsKnownPreset(preset)) return false;
    lame_global_flags* lame = lame_init();
    if (!lame) return false;
    PrepareVbrPreset(lame, preset, values);
    lame_set_preset(lame, preset);
    ReadPreset(lame, values);
    lame_close(lame);
    return true;
}

}  // namespace vesk
