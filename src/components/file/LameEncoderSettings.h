// The bridge between the stored MP3 settings and libmp3lame's own parameters, both ways: put
// every stored value into an encoder before it starts, and read back what a numbered LAME preset
// sets, so that preset values are LAME's own.
//
// Meanings of the stored values:
// - VbrCodingMethod -1 constant bitrate (Bitrate), 0 LAME's default VBR, 1 old VBR (rh),
//   2 new VBR, 3 mtrh, 4 average bitrate (AbrBitrate). With VBR or ABR, Bitrate is the lowest
//   and VbrBitrate the highest bitrate allowed (as -b and -B next to -V); 0 lets LAME choose.
// - TypeStereo 1 stereo, 2 joint, 3 joint with mid/side forced, 4 dual channel; a mono output
//   is always mono.
// - BlockTypeControl allows different block types in the two channels; ShortBlocks off keeps
//   every granule a long block.
// - ATHControlMode 0 LAME's default, 1 only the hearing threshold as masking, 2 the threshold
//   for short blocks only, 3 no threshold.
// - Filter corners and widths of 0 let LAME choose; a negative corner switches the filter off.
#pragma once

#include <cstdint>

#include "components/file/LameSettingsStore.h"

struct lame_global_struct;

namespace vesk {

class LameEncoderSettings {
public:
    // Puts values into a fresh encoder that will receive outHz, outChannels 16-bit input and
    // write the same rate and channel count. The caller then runs lame_init_params.
    static void Apply(lame_global_struct* lame, const LameSettingsValues& values, int32_t outHz, int32_t outChannels);
    // Changes the values a LAME preset sets (V0..V9 = 500..410, ABR 8..320 kbps, 1000 r3mix,
    // 1001 standard, 1002 extreme, 1003 insane, 1004 standard fast, 1005 extreme fast,
    // 1006 medium, 1007 medium fast); the others stay. False for a number LAME does not know.
    static bool ApplyPreset(int32_t preset, LameSettingsValues& values);
};

}  // namespace vesk
