#include "document/WaveHeaderCheck.h"

#include "platform/io/RiffFile.h"

namespace vesk {

namespace {

// Reads the format record; false on a read error or a format other than PCM.
bool ReadFormat(RiffFile& file, WaveFormat& format) {
    uint8_t bytes[WaveFormat::kRecordBytes] = {};
    // 18 bytes whatever the chunk's size: of a 16-byte record the last two bytes belong to the
    // next chunk and are thrown away below.
    if (file.Read(bytes, WaveFormat::kRecordBytes) < 0) return false;
    format = WaveFormat::Load(bytes);
    if (format.formatTag != WaveFormat::kPcmTag) return false;
    format.extraBytes = 0;
    return true;
}

bool EndsInside(const RiffChunk& chunk, const RiffChunk& form) {
    const uint64_t chunkEnd = uint64_t{chunk.dataOffset} + chunk.size;
    return chunkEnd <= uint64_t{form.dataOffset} + form.size;
}

}  // namespace

WaveHeaderInfo WaveHeaderCheck::Run(const std::string& path) {
    WaveHeaderInfo info;
    RiffFile file;
    if (!file.Open(path, RiffOpenMode::Read)) return info;
    RiffChunk form;
    if (!file.DescendToForm(form, nullptr, FourCC("WAVE"))) return info;
    RiffChunk chunk;
    // Stops quietly at the end or at the first chunk that runs past the form.
    while (file.Descend(chunk, &form) && EndsInside(chunk, form)) {
        if (chunk.id == FourCC("fmt ") && !ReadFormat(file, info.format)) return info;
        if (chunk.id == FourCC("fact")) {
            uint8_t sampleCount[4];  // meaningless for PCM; read as the walk always did
            file.Read(sampleCount, 4);
        }
        if (chunk.id == FourCC("data")) info.dataSize = chunk.size;
        if (!file.Ascend(chunk)) break;
    }
    // A walk cut short by a failing disk is no verdict on the file: refuse it rather than take
    // a data size of 0 for the truth.
    info.valid = info.format.formatTag != 0 && !file.ReadFailed();
    return info;
}

}  // namespace vesk
