#include "components/file/OutputFormat.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "components/file/FormatText.h"

namespace vesk {
namespace {

std::string_view RawCompressName(int32_t rawCompress) {
    static constexpr std::array<std::string_view, 6> kNames{"PCM",      "A-law",     "u-law",
                                                            "GSM 6.10", "IMA ADPCM", "MS ADPCM"};
    if (rawCompress < 1 || rawCompress > static_cast<int32_t>(kNames.size())) return "unknown";
    return kNames[rawCompress - 1];
}

std::string SampleText(std::string_view name, const OutputFormat& f, int32_t bits, int32_t channels) {
    return format_text::SampleBased(name, f.frequencyHz, bits, channels);
}

std::string BitrateText(std::string_view name, const OutputFormat& f) {
    return format_text::BitrateBased(name, f.frequencyHz, f.bitrateKbps, f.channels);
}

// Vorbis is variable-rate: the bitrate given is a target ("nominal"), and a quality may replace it.
std::string OggText(const OutputFormat& f) {
    std::string text = "Ogg Vorbis " + std::to_string(f.frequencyHz) + " Hz; ";
    if (f.bitrateKbps > 0) text += std::to_string(f.bitrateKbps) + " kbps nominal; ";
    text += format_text::Channels(f.channels);
    if (f.minBitrateKbps > 0) text += "; min " + std::to_string(f.minBitrateKbps) + " kbps";
    if (f.maxBitrateKbps > 0) text += "; max " + std::to_string(f.maxBitrateKbps) + " kbps";
    if (f.quality >= 0) text += "; quality " + std::to_string(f.quality);
    return text;
}

}  // namespace

std::string OutputFormat::Describe() const {
    switch (codec) {
        case OutputCodec::Pcm:
            return SampleText("PCM", *this, bitsPerSample, channels);
        case OutputCodec::Raw:
            return "RAW " + SampleText(RawCompressName(rawCompress), *this, bitsPerSample, channels);
        case OutputCodec::Mp3:
            return BitrateText("MP3", *this);
        case OutputCodec::Mp2:
            return BitrateText("MP2", *this);
        case OutputCodec::OggVorbis:
            return OggText(*this);
        case OutputCodec::Adpcm:
            return SampleText("IMA ADPCM", *this, 4, channels);
        case OutputCodec::ALaw:
            return SampleText("A-law", *this, 8, channels);
        case OutputCodec::ULaw:
            return SampleText("u-law", *this, 8, channels);
        case OutputCodec::Gsm:
            return "GSM 6.10 " + std::to_string(frequencyHz) + " Hz; mono";
        case OutputCodec::Vox:
            return SampleText("Dialogic VOX ADPCM", *this, 4, 1);
        case OutputCodec::G721:
            return SampleText("G.721 ADPCM", *this, 4, 1);
        case OutputCodec::G723:
            return SampleText("G.723 ADPCM", *this, bitsPerSample, 1);
        case OutputCodec::G726:
            return SampleText("G.726 ADPCM", *this, bitsPerSample, 1);
        case OutputCodec::Alf2Cd:
            return BitrateText("ALF2CD (MPEG-1 Layer II)", *this);
        case OutputCodec::Dsp:
            // Its rate and channels are those of the sound being saved, not fixed here.
            return "DSP 16 bit PCM, no header; rate and channels of the sound";
    }
    return {};
}

int32_t OutputFormat::Alf2CdKbps(int32_t bitrateCode) {
    static constexpr std::array<int32_t, 4> kKbps{256, 320, 384, 512};
    static constexpr int32_t kLayerTwoMaxKbps = 384;
    if (bitrateCode < 1 || bitrateCode > static_cast<int32_t>(kKbps.size())) return 0;
    return std::min(kKbps[bitrateCode - 1], kLayerTwoMaxKbps);
}

}  // namespace vesk
