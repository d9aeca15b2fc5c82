#include "components/file/SndfileDecoder.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "components/ComponentErrors.h"
#include "components/file/ChannelMix.h"
#include "components/file/FormatText.h"
#include "components/file/Pcm16.h"
#include "components/file/StreamBitrate.h"
#include "platform/io/ByteOrder.h"
#include "platform/io/PathUtil.h"

namespace vesk {
namespace {

// FormatTypeConstants values that name headerless streams.
constexpr int32_t kTypeVox = 3;
constexpr int32_t kTypeRaw = 4;
constexpr int32_t kTypeG726 = 5;
constexpr int32_t kTypeG721 = 7;
constexpr int32_t kTypeG723 = 8;

constexpr int kRawPcm16 = SF_FORMAT_RAW | SF_FORMAT_PCM_16;
constexpr int kRawVox = SF_FORMAT_RAW | SF_FORMAT_VOX_ADPCM;

struct ExtensionFormat {
    const char* extension;
    SF_INFO preset;
};

constexpr std::array<ExtensionFormat, 6> kExtensionFormats{{
    {".au", {.samplerate = 8000, .channels = 1, .format = SF_FORMAT_RAW | SF_FORMAT_ULAW}},
    {".snd", {.samplerate = 8000, .channels = 1, .format = SF_FORMAT_RAW | SF_FORMAT_ULAW}},
    {".vox", {.samplerate = 8000, .channels = 1, .format = kRawVox}},
    {".vox8", {.samplerate = 8000, .channels = 1, .format = kRawVox}},
    {".vox6", {.samplerate = 6000, .channels = 1, .format = kRawVox}},
    {".gsm", {.samplerate = 8000, .channels = 1, .format = SF_FORMAT_RAW | SF_FORMAT_GSM610}},
}};

// AU encodings of the G.72x codecs.
constexpr uint32_t kAuG721 = 23;
constexpr uint32_t kAuG723With3Bits = 25;

constexpr int64_t kChunkFrames = 4096;

// Offset of wBitsPerSample in a 'fmt ' chunk's payload.
constexpr int64_t kFmtBitsOffset = 14;

// A 24-byte AU header for a mono 8000 Hz stream of unknown length.
std::vector<uint8_t> AuHeader(uint32_t encoding) {
    const std::array<uint32_t, 6> fields{0x2E736E64u, 24u, 0xFFFFFFFFu, encoding, 8000u, 1u};
    std::vector<uint8_t> header;
    for (uint32_t field : fields) {
        for (int shift = 24; shift >= 0; shift -= 8) header.push_back(static_cast<uint8_t>(field >> shift));
    }
    return header;
}

struct SubtypeText {
    int subtype;
    const char* name;
    int32_t bits;  // 0: a bitrate-based codec
    OutputCodec codec;
};

constexpr std::array<SubtypeText, 22> kSubtypes{{
    {SF_FORMAT_PCM_S8, "PCM", 8, OutputCodec::Pcm},
    {SF_FORMAT_PCM_U8, "PCM", 8, OutputCodec::Pcm},
    {SF_FORMAT_PCM_16, "PCM", 16, OutputCodec::Pcm},
    {SF_FORMAT_PCM_24, "PCM", 24, OutputCodec::Pcm},
    {SF_FORMAT_PCM_32, "PCM", 32, OutputCodec::Pcm},
    {SF_FORMAT_FLOAT, "IEEE float", 32, OutputCodec::Pcm},
    {SF_FORMAT_DOUBLE, "IEEE float", 64, OutputCodec::Pcm},
    {SF_FORMAT_ULAW, "u-law", 8, OutputCodec::ULaw},
    {SF_FORMAT_ALAW, "A-law", 8, OutputCodec::ALaw},
    {SF_FORMAT_IMA_ADPCM, "IMA ADPCM", 4, OutputCodec::Adpcm},
    {SF_FORMAT_MS_ADPCM, "MS ADPCM", 4, OutputCodec::Adpcm},
    {SF_FORMAT_GSM610, "GSM 6.10", 0, OutputCodec::Gsm},
    {SF_FORMAT_VOX_ADPCM, "Dialogic VOX ADPCM", 4, OutputCodec::Vox},
    {SF_FORMAT_G721_32, "G.721 ADPCM", 4, OutputCodec::G721},
    {SF_FORMAT_G723_24, "G.723 ADPCM", 3, OutputCodec::G723},
    {SF_FORMAT_G723_40, "G.723 ADPCM", 5, OutputCodec::G723},
    {SF_FORMAT_VORBIS, "Ogg Vorbis", 0, OutputCodec::OggVorbis},
    {SF_FORMAT_OPUS, "Opus", 0, OutputCodec::OggVorbis},
    {SF_FORMAT_ALAC_16, "ALAC", 16, OutputCodec::Pcm},
    {SF_FORMAT_ALAC_20, "ALAC", 20, OutputCodec::Pcm},
    {SF_FORMAT_ALAC_24, "ALAC", 24, OutputCodec::Pcm},
    {SF_FORMAT_ALAC_32, "ALAC", 32, OutputCodec::Pcm},
}};

const SubtypeText* FindSubtype(int subtype) {
    for (const auto& entry : kSubtypes) {
        if (entry.subtype == subtype) return &entry;
    }
    return nullptr;
}

// Containers named in front of the codec; WAV is the plain case and needs no name.
std::string ContainerPrefix(int major) {
    switch (major) {
        case SF_FORMAT_AIFF: return "AIFF ";
        case SF_FORMAT_AU: return "AU ";
        case SF_FORMAT_RAW: return "RAW ";
        case SF_FORMAT_CAF: return "CAF ";
        default: return "";
    }
}

bool IsLossless(int major, int subtype) {
    return major == SF_FORMAT_FLAC || (subtype >= SF_FORMAT_PCM_S8 && subtype <= SF_FORMAT_DOUBLE) ||
           subtype == SF_FORMAT_PCM_U8 || (subtype >= SF_FORMAT_ALAC_16 && subtype <= SF_FORMAT_ALAC_32);
}

}  // namespace

SndfileDecoder::~SndfileDecoder() { Close(); }

int32_t SndfileDecoder::ErrorOf(int sndfileError) {
    // Whether the file could be read at all is the stream's to say (FileFailed), not libsndfile's.
    return sndfileError == SF_ERR_UNSUPPORTED_ENCODING ? component_error::kFormatNotSupport
                                                       : component_error::kFormatFile;
}

int32_t SndfileDecoder::Open(const std::string& path, int32_t formatType) {
    Close();
    recognised_ = false;
    fileFailed_ = false;
    // A file with a header of its own is read by that header, whatever the host's hint.
    const std::optional<WaveHeader> wave = WaveHeader::Read(path);
    bool opened = wave && wave->UnderstatesContainer() ? OpenWithContainerBits(path, *wave)
                                                       : Attempt(PlainStream(path), {});
    const int error = opened ? SF_ERR_NO_ERROR : sf_error(nullptr);
    // libsndfile's own open goes on to the name's extension when it knows no header.
    if (!opened && !fileFailed_ && error == SF_ERR_UNRECOGNISED_FORMAT) opened = OpenByExtension(path);
    if (!opened && !fileFailed_) opened = OpenHeaderless(path, formatType);
    if (fileFailed_) return Refuse(component_error::kFileAccess);
    if (!opened) return Refuse(ErrorOf(error));
    if (sf_.channels < 1 || sf_.samplerate < 1) return Refuse(component_error::kFormatFile);
    // libsndfile ends MPEG audio at the length its decoder estimated before scanning the stream
    // (short for VBR files without a Xing header, for VBRI files), so MPEG audio is left to
    // FFmpeg, which decodes to the end of the stream.
    if ((sf_.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_MPEG) return Refuse(component_error::kFormatNotSupport);
    recognised_ = true;
    DescribeSource(path, formatType);
    if (fileFailed_) return Refuse(component_error::kFileAccess);
    if (wave) TakeWaveHeader(*wave);
    framesLeft_ = info_.lengthFrames;
    // The first chunk is decoded now: a file that announces sound but holds none that decodes
    // (cut inside its first frame) is refused instead of opening as an empty sound.
    readsShorts_ = (sf_.format & SF_FORMAT_SUBMASK) == SF_FORMAT_PCM_16;
    const auto chunk = static_cast<size_t>(kChunkFrames * sf_.channels);
    if (readsShorts_) {
        shorts_.resize(chunk);
    } else {
        floats_.resize(chunk);
    }
    const bool filled = Fill();
    if (ReadFailed()) return Refuse(component_error::kFileAccess);
    if (!filled && info_.lengthFrames != 0) return Refuse(component_error::kFormatFile);
    return component_error::kNone;
}

int32_t SndfileDecoder::Refuse(int32_t error) {
    Close();
    return error;
}

std::unique_ptr<SndfileStream> SndfileDecoder::PlainStream(const std::string& path) {
    auto stream = std::make_unique<SndfileStream>();
    return stream->Open(path, FileMode::Read) ? std::move(stream) : nullptr;
}

bool SndfileDecoder::Attempt(std::unique_ptr<SndfileStream> stream, const SF_INFO& preset) {
    if (file_) sf_close(file_);
    file_ = nullptr;
    sf_ = preset;
    if (!stream) {
        fileFailed_ = true;
        return false;
    }
    file_ = stream->OpenSound(SFM_READ, &sf_);
    fileFailed_ = fileFailed_ || stream->Failed();
    stream_ = std::move(stream);
    return file_ != nullptr;
}

// wBitsPerSample is made the container's size; the samples are MSB-aligned in their containers,
// as WAVE_FORMAT_EXTENSIBLE defines, so libsndfile then reads them as 32-bit PCM.
bool SndfileDecoder::OpenWithContainerBits(const std::string& path, const WaveHeader& wave) {
    std::vector<uint8_t> bits(2);
    StoreLE16(bits.data(), static_cast<uint16_t>(wave.ContainerBytes() * 8));
    auto stream = std::make_unique<SndfileStream>();
    if (!stream->OpenPatched(path, wave.fmtPayloadOffset + kFmtBitsOffset, bits)) stream.reset();
    return Attempt(std::move(stream), {});
}

// What libsndfile leaves out: the valid bits of wider containers and the end of the sound of
// block codecs.
void SndfileDecoder::TakeWaveHeader(const WaveHeader& wave) {
    if (wave.formatTag == WaveHeader::kPcm && wave.validBits > 0 && wave.validBits < info_.bitsPerSample) {
        info_.bitsPerSample = wave.validBits;
        info_.formatText = format_text::SampleBased("PCM", sf_.samplerate, info_.bitsPerSample, sf_.channels);
    }
    info_.lengthFrames = wave.FramesHeld(info_.lengthFrames);
}

bool SndfileDecoder::OpenHeaderless(const std::string& path, int32_t formatType) {
    switch (formatType) {
        case kTypeRaw: return Attempt(PlainStream(path), {.samplerate = 44100, .channels = 2, .format = kRawPcm16});
        case kTypeVox: return Attempt(PlainStream(path), {.samplerate = 8000, .channels = 1, .format = kRawVox});
        case kTypeG721:
        case kTypeG726: return OpenThroughAuHeader(path, kAuG721);
        case kTypeG723: return OpenThroughAuHeader(path, kAuG723With3Bits);
        default: return false;
    }
}

// The headerless telephony files libsndfile knows by their extension (any case).
bool SndfileDecoder::OpenByExtension(const std::string& path) {
    std::string extension = SplitPath(path).extension;
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const ExtensionFormat& known : kExtensionFormats) {
        if (extension == known.extension) return Attempt(PlainStream(path), known.preset);
    }
    return false;
}

bool SndfileDecoder::OpenThroughAuHeader(const std::string& path, uint32_t auEncoding) {
    auto stream = std::make_unique<SndfileStream>();
    if (!stream->OpenPrefixed(path, AuHeader(auEncoding))) stream.reset();
    return Attempt(std::move(stream), {});
}

void SndfileDecoder::DescribeSource(const std::string& path, int32_t formatType) {
    const int major = sf_.format & SF_FORMAT_TYPEMASK;
    const int subtype = sf_.format & SF_FORMAT_SUBMASK;
    const SubtypeText* known = FindSubtype(subtype);
    info_.frequency = sf_.samplerate;
    info_.channels = std::min(sf_.channels, 2);
    info_.lengthFrames = sf_.frames;
    info_.isPcm = IsLossless(major, subtype);
    info_.bitsPerSample = known && known->bits > 0 ? known->bits : 16;
    info_.codec = known ? known->codec : OutputCodec::Pcm;
    if (info_.codec == OutputCodec::G721 && formatType == kTypeG726) info_.codec = OutputCodec::G726;
    if (major == SF_FORMAT_RAW && info_.codec == OutputCodec::Pcm) info_.codec = OutputCodec::Raw;
    if (known && known->bits == 0) {
        const std::optional<int32_t> kbps = StreamBitrate::ProbeKbps(path);
        fileFailed_ = fileFailed_ || !kbps;
        info_.bitrateKbps = kbps.value_or(0);
        info_.formatText = format_text::BitrateBased(known->name, sf_.samplerate, info_.bitrateKbps, sf_.channels);
        return;
    }
    const std::string name = major == SF_FORMAT_FLAC ? std::string("FLAC")
                             : known                 ? ContainerPrefix(major) + known->name
                                                     : ContainerPrefix(major) + "Audio";
    info_.formatText = format_text::SampleBased(name, sf_.samplerate, info_.bitsPerSample, sf_.channels);
}

// Read as floats, the library's one lossless view of every encoding (its short reads round float
// files to -1, 0, 1 and let lossy overshoots wrap), a bounded chunk at a time; 16-bit PCM, the
// most common source by far, is read as it is, which gives the same samples without the two
// conversions.
bool SndfileDecoder::Fill() {
    const int64_t wanted = std::min(kChunkFrames, framesLeft_);
    sf_count_t got = 0;
    if (wanted > 0) {
        got = readsShorts_ ? sf_readf_short(file_, shorts_.data(), wanted) : sf_readf_float(file_, floats_.data(), wanted);
    }
    chunkFrames_ = std::max<sf_count_t>(got, 0);
    chunkUsed_ = 0;
    framesLeft_ -= chunkFrames_;
    return chunkFrames_ > 0;
}

int64_t SndfileDecoder::Read(int16_t* out, int64_t maxFrames) {
    if (!file_) return 0;
    int64_t done = 0;
    while (done < maxFrames && (chunkUsed_ < chunkFrames_ || Fill())) {
        const int64_t count = std::min(maxFrames - done, chunkFrames_ - chunkUsed_);
        ToDelivered(chunkUsed_, count, out + done * info_.channels);
        chunkUsed_ += count;
        done += count;
    }
    return done;
}

// Sources with more than two channels are mixed down after the conversion.
void SndfileDecoder::ToDelivered(int64_t first, int64_t frames, int16_t* out) {
    const int64_t count = frames * sf_.channels;
    const int64_t offset = first * sf_.channels;
    if (sf_.channels > 2) wide_.resize(static_cast<size_t>(count));
    int16_t* pcm = sf_.channels > 2 ? wide_.data() : out;
    if (readsShorts_) {
        std::copy_n(shorts_.data() + offset, count, pcm);
    } else {
        FloatToPcm16(floats_.data() + offset, pcm, count);
    }
    if (sf_.channels > 2) ChannelMix::Convert(wide_.data(), sf_.channels, out, 2, frames);
}

void SndfileDecoder::Close() {
    if (file_) sf_close(file_);
    file_ = nullptr;
    stream_.reset();
    sf_ = {};
    info_ = {};
    framesLeft_ = 0;
    chunkFrames_ = 0;
    chunkUsed_ = 0;
}

}  // namespace vesk
