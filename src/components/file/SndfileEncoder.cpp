#include "components/file/SndfileEncoder.h"

#include <sndfile.h>

#include <algorithm>
#include <array>

#include "components/ComponentErrors.h"
#include "components/file/VorbisEncoderLimits.h"

namespace vesk {
namespace {

int MajorOf(EncoderContainer container) {
    switch (container) {
        case EncoderContainer::Wav: return SF_FORMAT_WAV;
        case EncoderContainer::Aiff: return SF_FORMAT_AIFF;
        case EncoderContainer::Au: return SF_FORMAT_AU;
        case EncoderContainer::Flac: return SF_FORMAT_FLAC;
        case EncoderContainer::Ogg:
        case EncoderContainer::Opus: return SF_FORMAT_OGG;
        case EncoderContainer::Headerless: return SF_FORMAT_RAW;
        case EncoderContainer::Mp3:
        case EncoderContainer::Mp2: break;
    }
    return 0;
}

// 8-bit WAV is unsigned by tradition; every other container stores signed bytes.
int PcmSubtype(int32_t bits, EncoderContainer container) {
    switch (bits) {
        case 8: return container == EncoderContainer::Wav ? SF_FORMAT_PCM_U8 : SF_FORMAT_PCM_S8;
        case 16: return SF_FORMAT_PCM_16;
        case 24: return SF_FORMAT_PCM_24;
        case 32: return SF_FORMAT_PCM_32;
        default: return 0;
    }
}

// G.726 by bits per sample: 3, 4 and 5 bits are the 24, 32 and 40 kbit/s rates libsndfile
// writes (as G.723-24, G.721-32, G.723-40); the 16 kbit/s rate it does not offer.
int G726Subtype(int32_t bits) {
    switch (bits) {
        case 3: return SF_FORMAT_G723_24;
        case 4: return SF_FORMAT_G721_32;
        case 5: return SF_FORMAT_G723_40;
        default: return 0;
    }
}

int RawSubtype(const OutputFormat& format, EncoderContainer container) {
    static constexpr std::array<int, 5> kCompressed{SF_FORMAT_ALAW, SF_FORMAT_ULAW, SF_FORMAT_GSM610,
                                                    SF_FORMAT_IMA_ADPCM, SF_FORMAT_MS_ADPCM};
    if (format.rawCompress == 1) return PcmSubtype(format.bitsPerSample, container);
    if (format.rawCompress < 2 || format.rawCompress > 6) return 0;
    return kCompressed[format.rawCompress - 2];
}

int SubtypeOf(const OutputFormat& format, EncoderContainer container) {
    switch (format.codec) {
        case OutputCodec::Pcm: return PcmSubtype(format.bitsPerSample, container);
        case OutputCodec::Raw: return RawSubtype(format, container);
        case OutputCodec::Dsp: return SF_FORMAT_PCM_16;
        case OutputCodec::ALaw: return SF_FORMAT_ALAW;
        case OutputCodec::ULaw: return SF_FORMAT_ULAW;
        case OutputCodec::Gsm: return SF_FORMAT_GSM610;
        case OutputCodec::Adpcm: return SF_FORMAT_IMA_ADPCM;
        case OutputCodec::Vox: return SF_FORMAT_VOX_ADPCM;
        case OutputCodec::G721: return SF_FORMAT_G721_32;
        case OutputCodec::G723: return format.bitsPerSample == 4 ? 0 : G726Subtype(format.bitsPerSample);
        case OutputCodec::G726: return G726Subtype(format.bitsPerSample);
        case OutputCodec::OggVorbis: return container == EncoderContainer::Opus ? SF_FORMAT_OPUS : SF_FORMAT_VORBIS;
        case OutputCodec::Mp3:
        case OutputCodec::Mp2:
        case OutputCodec::Alf2Cd: break;
    }
    return 0;
}

bool IsOneOf(int32_t value, std::initializer_list<int32_t> allowed) {
    return std::ranges::find(allowed, value) != allowed.end();
}

// Opus works at five rates only; any other is written at 48 kHz, the rate players decode to.
int32_t OutputRate(const OutputFormat& format, const EncoderInput& input, EncoderContainer container) {
    if (format.codec == OutputCodec::Dsp) return input.frequency;
    if (container == EncoderContainer::Opus && !IsOneOf(format.frequencyHz, {8000, 12000, 16000, 24000, 48000})) {
        return 48000;
    }
    return format.frequencyHz;
}

int32_t OutputChannels(const OutputFormat& format, const EncoderInput& input) {
    switch (format.codec) {
        case OutputCodec::Dsp: return input.channels;
        case OutputCodec::Gsm:
        case OutputCodec::Vox:
        case OutputCodec::G721:
        case OutputCodec::G723:
        case OutputCodec::G726: return 1;
        default: return format.channels;
    }
}

// libsndfile spreads the Opus compression levels evenly from 256 kbps (level 0) down to 6 kbps
// (level 1) per channel.
double OpusLevelForBitrate(int32_t kbps, int32_t channels) {
    constexpr double kHighestKbps = 256;
    constexpr double kLowestKbps = 6;
    const double perChannel = static_cast<double>(kbps) / channels;
    return std::clamp(1.0 - (perChannel - kLowestKbps) / (kHighestKbps - kLowestKbps), 0.0, 1.0);
}

}  // namespace

SndfileEncoder::~SndfileEncoder() { Close(); }

int SndfileEncoder::FormatCode(const OutputFormat& format, EncoderContainer container) {
    const int major = MajorOf(container);
    const int subtype = SubtypeOf(format, container);
    if (major == 0 || subtype == 0) return 0;
    // Headerless 16-bit and wider sound is little-endian, as the DSP format promises.
    const bool widePcm = subtype == SF_FORMAT_PCM_16 || subtype == SF_FORMAT_PCM_24 || subtype == SF_FORMAT_PCM_32;
    return major | subtype | (container == EncoderContainer::Headerless && widePcm ? SF_ENDIAN_LITTLE : 0);
}

int32_t SndfileEncoder::Open(const std::string& path, const OutputFormat& format, const EncoderInput& input) {
    Close();
    if (input.frequency <= 0 || input.channels < 1) return component_error::kInvalidParam;
    SF_INFO info{};
    info.samplerate = OutputRate(format, input, container_);
    info.channels = OutputChannels(format, input);
    info.format = FormatCode(format, container_);
    if (info.format == 0 || info.samplerate <= 0 || info.channels < 1 || info.channels > 2 || !sf_format_check(&info)) {
        return component_error::kFormatNotSupport;
    }
    stream_ = std::make_unique<SndfileStream>();
    if (!stream_->Open(path, FileMode::Output)) {
        stream_.reset();
        return component_error::kFileAccess;
    }
    file_ = stream_->OpenSound(SFM_WRITE, &info);
    if (!file_) {
        const bool failed = stream_->Failed();
        stream_.reset();
        return failed ? component_error::kFileAccess : component_error::kFormatNotSupport;
    }
    if (const int32_t error = ApplyCompression(format, info.samplerate, info.channels)) {
        Close();
        return error;
    }
    converter_ = std::make_unique<EncoderInputConverter>(input.frequency, input.channels, info.samplerate, info.channels);
    return converter_->Ready() ? component_error::kNone : component_error::kMemory;
}

// Vorbis and Opus take a quality (0 worst .. 10 best) when given, else the nominal bitrate.
// libsndfile expresses both as a compression level, the inverse of a quality; a minimum and a
// maximum bitrate cannot be passed through it.
int32_t SndfileEncoder::ApplyCompression(const OutputFormat& format, int32_t hz, int32_t channels) {
    if (format.codec != OutputCodec::OggVorbis) return component_error::kNone;
    const bool opus = container_ == EncoderContainer::Opus;
    if (opus) {
        int mode = SF_BITRATE_MODE_VARIABLE;
        sf_command(file_, SFC_SET_BITRATE_MODE, &mode, sizeof(mode));
    }
    std::optional<double> level;
    if (format.quality >= 0) {
        level = 1.0 - std::clamp(format.quality / 10.0, 0.0, 1.0);
    } else if (format.bitrateKbps > 0 && opus) {
        level = OpusLevelForBitrate(format.bitrateKbps, channels);
    } else if (format.bitrateKbps > 0) {
        const std::optional<double> quality = VorbisEncoderLimits::QualityForBitrate(hz, channels, format.bitrateKbps);
        if (!quality) return component_error::kFormatNotSupport;
        level = 1.0 - *quality;
    }
    if (!level) return component_error::kNone;
    return sf_command(file_, SFC_SET_COMPRESSION_LEVEL, &*level, sizeof(double)) == SF_TRUE
               ? component_error::kNone
               : component_error::kFormatNotSupport;
}

bool SndfileEncoder::Write(const int16_t* samples, int64_t frames) {
    if (!file_) return false;
    return Put(converter_->Convert(samples, frames));
}

bool SndfileEncoder::Put(std::span<const int16_t> samples) {
    const auto frames = static_cast<sf_count_t>(samples.size() / converter_->OutChannels());
    return frames == 0 || sf_writef_short(file_, samples.data(), frames) == frames;
}

// libsndfile completes the header as it closes; what it writes then reaches the stream, whose
// close tells whether all of it reached the file.
bool SndfileEncoder::Close() {
    if (!file_) return true;
    const bool flushed = Put(converter_->Flush());
    const bool closed = sf_close(file_) == 0;
    file_ = nullptr;
    converter_.reset();
    const bool written = stream_->Close();
    stream_.reset();
    return flushed && closed && written;
}

}  // namespace vesk
