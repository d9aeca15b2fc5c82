#include "components/cd/CdWaveWriter.h"

#include <cstdio>
#include <vector>

#include "platform/io/ByteOrder.h"

namespace vesk {
namespace {

constexpr uint16_t kPcmTag = 1;
constexpr uint16_t kChannels = 2;
constexpr uint32_t kFrequencyHz = 44100;
constexpr uint16_t kBitsPerSample = 16;
constexpr uint16_t kBlockAlign = kChannels * kBitsPerSample / 8;

bool WriteFormatChunk(RiffFile& file) {
    uint8_t format[16];
    StoreLE16(format, kPcmTag);
    StoreLE16(format + 2, kChannels);
    StoreLE32(format + 4, kFrequencyHz);
    StoreLE32(format + 8, kFrequencyHz * kBlockAlign);
    StoreLE16(format + 12, kBlockAlign);
    StoreLE16(format + 14, kBitsPerSample);
    RiffChunk chunk;
    chunk.id = FourCC("fmt ");
    return file.CreateChunk(chunk) && file.Write(format, sizeof format) == sizeof format && file.Ascend(chunk);
}

}  // namespace

bool CdWaveWriter::Create(const std::string& path) {
    if (!file_.Open(path, RiffOpenMode::Create)) return false;
    data_ = RiffChunk{};
    data_.id = FourCC("data");
    bool ok = file_.CreateChunk(riff_, FourCC("WAVE")) && WriteFormatChunk(file_) && file_.CreateChunk(data_);
    if (!ok) {
        // The file exists now but is no wave file; it must not stay behind.
        file_.Close();
        std::remove(path.c_str());
    }
    return ok;
}

bool CdWaveWriter::Append(std::span<const int16_t> samples) {
    std::vector<uint8_t> bytes(samples.size() * 2);
    for (size_t i = 0; i < samples.size(); ++i) StoreLE16(&bytes[2 * i], static_cast<uint16_t>(samples[i]));
    int32_t count = static_cast<int32_t>(bytes.size());
    return file_.Write(bytes.data(), count) == count;
}

bool CdWaveWriter::Finish() {
    bool ok = file_.Ascend(data_) && file_.Ascend(riff_);
    return file_.Close() && ok;
}

}  // namespace vesk
