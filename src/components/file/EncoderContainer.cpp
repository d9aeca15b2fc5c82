#include "components/file/EncoderContainer.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <span>
#include <string_view>

namespace vesk {
namespace {

using C = EncoderContainer;

struct ExtensionRow {
    std::string_view extension;
    EncoderContainer container;
};

constexpr std::array<ExtensionRow, 13> kExtensions{{{".wav", C::Wav},
                                                    {".aif", C::Aiff},
                                                    {".aiff", C::Aiff},
                                                    {".aifc", C::Aiff},
                                                    {".au", C::Au},
                                                    {".snd", C::Au},
                                                    {".flac", C::Flac},
                                                    {".ogg", C::Ogg},
                                                    {".oga", C::Ogg},
                                                    {".opus", C::Opus},
                                                    {".raw", C::Headerless},
                                                    {".pcm", C::Headerless},
                                                    {".vox", C::Headerless}}};

std::optional<EncoderContainer> ByExtension(const std::string& path) {
    std::string ext = std::filesystem::path(path).extension().string();
    std::ranges::transform(ext, ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".mp3") return C::Mp3;
    if (ext == ".mp2") return C::Mp2;
    for (const ExtensionRow& row : kExtensions) {
        if (row.extension == ext) return row.container;
    }
    return std::nullopt;
}

// FormatTypeConstants: WAV 1, MP3 2, VOX 3, RAW 4, G726 5, OGG 6, G721 7, G723 8, MP2 12.
// The G.72x values name codecs that have one usual container, so they leave the choice open.
std::optional<EncoderContainer> ByFormatType(int32_t formatType) {
    switch (formatType) {
        case 1: return C::Wav;
        case 2: return C::Mp3;
        case 3:
        case 4: return C::Headerless;
        case 6: return C::Ogg;
        case 12: return C::Mp2;
        default: return std::nullopt;
    }
}

// The containers a codec can go into; the first is its usual one.
std::span<const EncoderContainer> ContainersOf(OutputCodec codec, int32_t rawCompress) {
    static constexpr std::array kPcm{C::Wav, C::Aiff, C::Au, C::Flac, C::Headerless};
    static constexpr std::array kLaw{C::Wav, C::Aiff, C::Au, C::Headerless};
    static constexpr std::array kGsm{C::Wav, C::Aiff, C::Headerless};
    static constexpr std::array kIma{C::Wav, C::Aiff};
    static constexpr std::array kMsAdpcm{C::Wav};
    static constexpr std::array kRawPcm{C::Headerless, C::Wav, C::Aiff, C::Au, C::Flac};
    static constexpr std::array kRawLaw{C::Headerless, C::Wav, C::Aiff, C::Au};
    static constexpr std::array kRawGsm{C::Headerless, C::Wav, C::Aiff};
    static constexpr std::array kHeaderless{C::Headerless};
    static constexpr std::array kG72x{C::Au, C::Wav};
    static constexpr std::array kAuOnly{C::Au};
    static constexpr std::array kVorbis{C::Ogg, C::Opus};
    static constexpr std::array kMp3{C::Mp3};
    static constexpr std::array kMp2{C::Mp2};
    switch (codec) {
        case OutputCodec::Pcm: return kPcm;
        case OutputCodec::ALaw:
        case OutputCodec::ULaw: return kLaw;
        case OutputCodec::Gsm: return kGsm;
        case OutputCodec::Adpcm: return kIma;
        case OutputCodec::Vox:
        case OutputCodec::Dsp: return kHeaderless;
        case OutputCodec::G721: return kG72x;
        case OutputCodec::G723:
        case OutputCodec::G726: return kAuOnly;
        case OutputCodec::OggVorbis: return kVorbis;
        case OutputCodec::Mp3: return kMp3;
        case OutputCodec::Mp2:
        case OutputCodec::Alf2Cd: return kMp2;
        case OutputCodec::Raw: break;
    }
    switch (rawCompress) {
        case 1: return kRawPcm;
        case 2:
        case 3: return kRawLaw;
        case 4: return kRawGsm;
        case 5: return kIma;
        case 6: return kMsAdpcm;
        default: return {};
    }
}

}  // namespace

std::optional<EncoderContainer> ChooseEncoderContainer(const OutputFormat& format, int32_t formatType,
                                                       const std::string& path) {
    const auto allowed = ContainersOf(format.codec, format.rawCompress);
    if (allowed.empty()) return std::nullopt;
    std::optional<EncoderContainer> wanted = ByExtension(path);
    if (!wanted) wanted = ByFormatType(formatType);
    if (!wanted) return allowed.front();
    if (std::ranges::find(allowed, *wanted) == allowed.end()) return std::nullopt;
    return wanted;
}

}  // namespace vesk
