#include "components/information/RiffMarkerFile.h"

#include "components/information/RiffMarkerCodec.h"
#include "components/information/WaveForm.h"

namespace vesk {
namespace {

constexpr uint32_t kCue = FourCC("cue ");
constexpr uint32_t kAdtl = FourCC("adtl");
constexpr int64_t kFormTypeBytes = 4;

bool HoldsMarkers(const WaveChunk& chunk) { return chunk.id == kCue || chunk.IsList(kAdtl); }

std::vector<RawChunk> MarkerChunks(const std::vector<MarkerInfo>& markers) {
    if (markers.empty()) return {};
    std::vector<RawChunk> chunks{{kCue, RiffMarkerCodec::EncodeCue(markers)}};
    const std::vector<uint8_t> adtl = RiffMarkerCodec::EncodeAdtl(markers);
    if (adtl.empty()) return chunks;
    RawChunk list{FourCC("LIST"), std::vector<uint8_t>(kFormTypeBytes)};
    StoreLE32(list.payload.data(), kAdtl);
    list.payload.insert(list.payload.end(), adtl.begin(), adtl.end());
    chunks.push_back(std::move(list));
    return chunks;
}

}  // namespace

bool RiffMarkerFile::IsWave(const std::string& path) {
    WaveForm form;
    return form.Open(path, RiffOpenMode::Read);
}

bool RiffMarkerFile::Read(const std::string& path, std::vector<MarkerInfo>& markers) {
    WaveForm form;
    if (!form.Open(path, RiffOpenMode::Read)) return false;
    const WaveChunk* cue = nullptr;
    const WaveChunk* adtl = nullptr;
    for (const WaveChunk& chunk : form.Chunks()) {
        if (chunk.id == kCue && !cue) cue = &chunk;
        if (chunk.IsList(kAdtl) && !adtl) adtl = &chunk;
    }
    markers = RiffMarkerCodec::Decode(cue ? form.Payload(*cue) : std::vector<uint8_t>{},
                                      adtl ? form.Payload(*adtl, kFormTypeBytes) : std::vector<uint8_t>{});
    return true;
}

bool RiffMarkerFile::Write(const std::string& path, const std::vector<MarkerInfo>& markers) {
    WaveForm form;
    if (!form.Open(path, RiffOpenMode::ReadWrite)) return false;
    return form.Rewrite([](const WaveChunk& chunk) { return !HoldsMarkers(chunk); }, MarkerChunks(markers));
}

}  // namespace vesk
