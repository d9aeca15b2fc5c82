// The 18-byte format record of a wave file's "fmt " chunk, and its byte form.
#pragma once

#include <cstdint>

#include "platform/io/ByteOrder.h"

namespace vesk {

struct WaveFormat {
    static constexpr uint16_t kPcmTag = 1;
    static constexpr int32_t kRecordBytes = 18;

    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t avgBytesPerSecond = 0;
    uint16_t blockAlign = 0;  // bytes per frame
    uint16_t bitsPerSample = 0;
    uint16_t extraBytes = 0;  // size of the extension after the record; always 0 for PCM

    // 16-bit PCM, the only format of working files.
    static WaveFormat Pcm16(uint32_t samplesPerSecond, uint16_t channels) {
        const uint16_t align = static_cast<uint16_t>(channels * 2);
        return {kPcmTag, channels, samplesPerSecond, samplesPerSecond * align, align, 16, 0};
    }

    void Store(uint8_t (&bytes)[kRecordBytes]) const {
        StoreLE16(bytes, formatTag);
        StoreLE16(bytes + 2, channels);
        StoreLE32(bytes + 4, samplesPerSecond);
        StoreLE32(bytes + 8, avgBytesPerSecond);
        StoreLE16(bytes + 12, blockAlign);
        StoreLE16(bytes + 14, bitsPerSample);
        StoreLE16(bytes + 16, extraBytes);
    }

    static WaveFormat Load(const uint8_t (&bytes)[kRecordBytes]) {
        return {LoadLE16(bytes),      LoadLE16(bytes + 2),  LoadLE32(bytes + 4), LoadLE32(bytes + 8),
                LoadLE16(bytes + 12), LoadLE16(bytes + 14), LoadLE16(bytes + 16)};
    }
};

}  // namespace vesk
