// What the 'fmt ' and 'fact' chunks of a RIFF WAVE file say, read with our own RIFF code: the
// facts libsndfile reads past or ignores, and that the decoder corrects for.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vesk {

struct WaveHeader {
    static constexpr uint16_t kPcm = 0x0001;
    static constexpr uint16_t kIeeeFloat = 0x0003;
    static constexpr uint16_t kExtensible = 0xFFFE;

    uint16_t formatTag = 0;     // of WAVE_FORMAT_EXTENSIBLE: its sub-format's tag
    bool extensible = false;
    uint16_t channels = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;  // wBitsPerSample as written
    uint16_t validBits = 0;      // of WAVE_FORMAT_EXTENSIBLE: wValidBitsPerSample, else bitsPerSample
    int64_t fmtPayloadOffset = 0;
    std::optional<uint32_t> factFrames;

    // The header of a RIFF WAVE file; nothing for any other file or one that cannot be read.
    static std::optional<WaveHeader> Read(const std::string& path);

    // Bytes per sample of one channel as the block alignment lays them out.
    int32_t ContainerBytes() const { return channels ? blockAlign / channels : 0; }
    // Integer PCM whose containers are wider than wBitsPerSample says (24 valid bits in 4-byte
    // containers written with wBitsPerSample 24): libsndfile would read packed samples.
    bool UnderstatesContainer() const;
    // The sample frames the file holds by its 'fact' chunk, when that is fewer than decodedFrames
    // and the codec needs it: block codecs (ADPCM and the like) fill their last block, and only
    // 'fact' says where the sound ends. Otherwise decodedFrames.
    int64_t FramesHeld(int64_t decodedFrames) const;
};

}  // namespace vesk
