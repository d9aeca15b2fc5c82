// How a save finds its encoder. The held output format fixes the codec; where the codec fits
// several containers, the file name's extension (any case) picks one; where the extension names
// none of them, FormatType does; otherwise the codec's usual container is written. An extension
// or FormatType naming a container that cannot hold the codec fails with FORMATNOTSUPPORT.
//
// | Held format (SetFormat...)      | Containers (usual first)              | Library     |
// |---------------------------------|---------------------------------------|-------------|
// | PCM 8/16/24/32 bit              | WAV, AIFF, AU, FLAC (8-24 bit), raw   | libsndfile  |
// | RAW PCM                         | raw, WAV, AIFF, AU, FLAC              | libsndfile  |
// | RAW / ALAW / ULAW               | WAV (RAW: raw), AIFF, AU, raw         | libsndfile  |
// | RAW GSM, GSM 6.10               | WAV (RAW: raw), AIFF, raw             | libsndfile  |
// | ADPCM (IMA), RAW IMA            | WAV, AIFF                             | libsndfile  |
// | RAW MS ADPCM                    | WAV                                   | libsndfile  |
// | VOX (Dialogic ADPCM)            | raw                                   | libsndfile  |
// | G721 (32 kbit/s)                | AU, WAV                               | libsndfile  |
// | G723 3/5 bit, G726 3/4/5 bit    | AU (24/32/40 kbit/s; no 16 kbit/s)    | libsndfile  |
// | OggVorbis                       | Ogg Vorbis; Opus for ".opus"          | libsndfile  |
// | MP3                             | MP3                                   | libmp3lame  |
// | MP2, ALF2CD                     | MP2 (Layer II frames)                 | libavcodec  |
// | DSP                             | raw                                   | libsndfile  |
//
// Extensions: ".wav" WAV; ".aif", ".aiff", ".aifc" AIFF; ".au", ".snd" AU; ".flac" FLAC;
// ".ogg", ".oga" Ogg; ".opus" Opus; ".raw", ".pcm", ".vox" raw (no header); ".mp3"; ".mp2".
// FormatType: 1 WAV, 2 MP3, 3 VOX and 4 RAW raw, 6 OGG Ogg, 12 MP2; the others choose nothing.
//
// Meanings: ALF2CD is CD sound as MPEG-1 Layer II, 44100 Hz stereo at 256, 320 or 384 kbps (the
// 512 kbps code is above what Layer II allows and gives 384). DSP is headerless 16-bit signed
// little-endian PCM at the rate and channel count of the sound saved. SetFormatFromMenu keeps the
// current format (a host with a user interface may offer a chooser). Input of another rate or
// channel count than the output is converted with libsoxr before encoding.
#include "components/file/EncoderFactory.h"

#include "components/file/EncoderContainer.h"
#include "components/file/FfmpegEncoder.h"
#include "components/file/LameEncoder.h"
#include "components/file/MpegEncoderLimits.h"
#include "components/file/SndfileEncoder.h"
#include "components/file/VorbisEncoderLimits.h"

namespace vesk {
namespace {

LameSettingsValues LameDefaultsFor(const OutputFormat& format) {
    LameSettingsValues values;
    values.frequencyHz = format.frequencyHz;
    values.bitrateKbps = format.bitrateKbps;
    values.channels = format.channels;
    return values;
}

}  // namespace

std::unique_ptr<AudioEncoder> MakeEncoder(const OutputFormat& format, int32_t formatType, const std::string& path,
                                          const LameSettingsValues* lame) {
    const std::optional<EncoderContainer> container = ChooseEncoderContainer(format, formatType, path);
    if (!container) return nullptr;
    switch (*container) {
        case EncoderContainer::Mp3:
            return std::make_unique<LameEncoder>(lame ? *lame : LameDefaultsFor(format));
        case EncoderContainer::Mp2:
            return std::make_unique<FfmpegEncoder>();
        default:
            return std::make_unique<SndfileEncoder>(*container);
    }
}

bool CanEncodeMpeg(int32_t hz, int32_t kbps, int32_t channels) {
    return MpegEncoderLimits::Accepts(hz, kbps, channels);
}

bool CanEncodeOggVorbis(int32_t hz, int32_t channels, int32_t nominalKbps, int32_t minKbps, int32_t maxKbps) {
    return VorbisEncoderLimits::Accepts(hz, channels, nominalKbps, minKbps, maxKbps);
}

}  // namespace vesk
