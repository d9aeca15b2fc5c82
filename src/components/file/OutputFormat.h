// The output format that VeskAudioFile holds between a SetOutputFormat call and the saves
// that use it, and its readable description (the control shows it as FormatString).
#pragma once

#include <cstdint>
#include <string>

namespace vesk {

enum class OutputCodec { Pcm, Raw, Mp3, Mp2, OggVorbis, Adpcm, ALaw, ULaw, Gsm, Vox, G721, G723, G726, Alf2Cd, Dsp };

struct OutputFormat {
    OutputCodec codec = OutputCodec::Pcm;
    int32_t frequencyHz = 44100;
    int32_t channels = 2;
    int32_t bitsPerSample = 16;  // for the codecs whose sample size is a choice
    int32_t bitrateKbps = 0;     // MP3, MP2, ALF2CD; the nominal rate for Ogg Vorbis
    int32_t minBitrateKbps = 0;  // Ogg Vorbis, 0 = none given
    int32_t maxBitrateKbps = 0;  // Ogg Vorbis, 0 = none given
    int32_t quality = -1;        // Ogg Vorbis, -1 = none given
    int32_t rawCompress = 1;     // RAW: RawTypeCompressConstants

    // What a person reads as the format, e.g. "PCM 44100 Hz; 16 bit; stereo",
    // "MP3 44100 Hz; 128 kbps; stereo", "Dialogic VOX ADPCM 8000 Hz; 4 bit; mono".
    std::string Describe() const;

    // Bitrate in kbps of an ALF2CDBitrateConstants value (1..4); 0 for any other. The 512 kbps
    // code gives 384, the highest rate MPEG-1 Layer II allows, so the text and the file agree.
    static int32_t Alf2CdKbps(int32_t bitrateCode);

    friend bool operator==(const OutputFormat&, const OutputFormat&) = default;
};

}  // namespace vesk
