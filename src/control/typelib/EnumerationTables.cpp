// The enumerations of the library: names and values as hosts see them. Several constants may
// share a value: MP2 and G729 are both 12.
#include "control/typelib/LibraryTables.h"

namespace vesk::typelib {

std::vector<EnumInfo> LibraryEnumerations() {
    return {
        {"ErrorConstants",
         {{"NOERRORS", 0}, {"BUSY", -10}, {"MEMORY", -11}, {"FORMATFILE", -12}, {"FORMATNOTSUPPORT", -13},
          {"OUTDRIVER", -14}, {"INPDRIVER", -15}, {"MIXERDRIVER", -16}, {"ACMDRIVER", -17},
          {"FILEACCESS", -18}, {"INVALIDOPERATION", -19}, {"INVALIDPARAM", -20}, {"ASPIDRIVER", -21}}},
        {"FormatTypeConstants",
         {{"DEFAULT", 0}, {"WAV", 1}, {"MP3", 2}, {"VOX", 3}, {"RAW", 4}, {"G726", 5}, {"OGG", 6},
          {"G721", 7}, {"G723", 8}, {"AVI", 9}, {"MPC", 10}, {"MP2", 12}, {"WMA", 11}, {"G729", 12}}},
        {"FrequencyConstants",
         {{"FQ_96_KHZ", 96000}, {"FQ_88_KHZ", 88200}, {"FQ_48_KHZ", 48000}, {"FQ_44_KHZ", 44100},
          {"FQ_32_KHZ", 32000}, {"FQ_24_KHZ", 24000}, {"FQ_22_KHZ", 22050}, {"FQ_16_KHZ", 16000},
          {"FQ_12_KHZ", 12000}, {"FQ_11_KHZ", 11025}, {"FQ_8_KHZ", 8000}, {"FQ_6_KHZ", 6000}}},
        {"ChannelsConstants",
         {{"MONO", 1}, {"STEREO", 2}}},
        {"PlayTypeConstants",
         {{"NORMALPLAY", 1}, {"PLAYTOEND", 2}, {"PLAYLOOPED", 3}}},
        {"RecordTypeConstants",
         {{"RECORD_CLEAR", 1}, {"RECORD_MIX", 2}}},
        {"TrimConstants",
         {{"TRIM_LEFT", 0}, {"TRIM_RIGHT", 1}, {"TRIM_BOTH", 2}}},
        {"RawTypeCompressConstants",
         {{"PCM", 1}, {"ALAW", 2}, {"ULAW", 3}, {"GSM", 4}, {"IMA_ADPCM", 5}, {"MS_ADPCM", 6}}},
        {"BitsPerSampleConstants",
         {{"BPS_2_BIT", 2}, {"BPS_3_BIT", 3}, {"BPS_4_BIT", 4}, {"BPS_5_BIT", 5}, {"BPS_8_BIT", 8},
          {"BPS_16_BIT", 16}}},
        {"BitrateConstants",
         {{"BR_350_KBPS", 350}, {"BR_320_KBPS", 320}, {"BR_256_KBPS", 256}, {"BR_224_KBPS", 224},
          {"BR_192_KBPS", 192}, {"BR_160_KBPS", 160}, {"BR_128_KBPS", 128}, {"BR_112_KBPS", 112},
          {"BR_96_KBPS", 96}, {"BR_80_KBPS", 80}, {"BR_64_KBPS", 64}, {"BR_56_KBPS", 56}, {"BR_48_KBPS", 48},
          {"BR_40_KBPS", 40}, {"BR_32_KBPS", 32}, {"BR_24_KBPS", 24}, {"BR_16_KBPS", 16}, {"BR_8_KBPS", 8},
          {"BR_NONE", 0}}},
        {"ALF2CDBitrateConstants",
         {{"ALF2CD_256_KBPS", 1}, {"ALF2CD_320_KBPS", 2}, {"ALF2CD_384_KBPS", 3}, {"ALF2CD_512_KBPS", 4}}},
        {"MousePointerConstants",
         {{"vbDefault", 0}, {"vbArrow", 1}, {"vbCrosshair", 2}, {"vbIbeam", 3}, {"vbIconPointer", 4},
          {"vbSizePointer", 5}, {"vbSizeNESW", 6}, {"vbSizeNS", 7}, {"vbSizeNWSE", 8}, {"vbSizeWE", 9},
          {"vbUpArrow", 10}, {"vbHourglass", 11}, {"vbNoDrop", 12}, {"vbArrowHourglass", 13},
          {"vbArrowQuestion", 14}, {"vbSizeAll", 15}, {"vbCustom", 99}}},
        {"TypeViewConstants",
         {{"WAVEFORM", 0}, {"SPECTRAL", 1}, {"EXPANDED", 2}}},
        {"Mp3EncoderConstants",
         {{"ACM_DRIVER_IN", 1}, {"LAME", 2}}},
        {"Mp3DecoderConstants",
         {{"ACM_DRIVER_OUT", 1}, {"X_AUDIO", 2}}},
        {"Mp3LameMethodConstants",
         {{"VBR_NONE", -1}, {"VBR_DEFAULT", 0}, {"VBR_OLD", 1}, {"VBR_NEW", 2}, {"VBR_MTRH", 3},
          {"VBR_ABR", 4}}},
        {"Mp3LameTypeStereoConstants",
         {{"SIMPLY", 1}, {"JOINTSTEREO", 2}, {"FORCEDJOINTSTEREO", 3}, {"DUALCHANNEL", 4}}},
    };
}

}  // namespace vesk::typelib
