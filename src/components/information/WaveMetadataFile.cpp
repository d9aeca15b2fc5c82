#include "components/information/WaveMetadataFile.h"

#include "components/information/RiffMarkerCodec.h"
#include "components/information/RiffSubChunks.h"

namespace vesk {
namespace {

constexpr uint32_t kCue = FourCC("cue ");
constexpr uint32_t kAdtl = FourCC("adtl");
constexpr uint32_t kInfo = FourCC("INFO");
constexpr int64_t kFormTypeBytes = 4;

bool HoldsMarkers(const WaveChunk& chunk) { return chunk.id == kCue || chunk.IsList(kAdtl); }

std::vector<RawChunk> MarkerChunks(const std::vector<MarkerInfo>& markers) {
    if (markers.empty()) return {};
    std::vector<RawChunk> chunks{{kCue, RiffMarkerCodec::EncodeCue(markers)}};
    const std::vector<uint8_t> adtl = RiffMarkerCodec::EncodeAdtl(markers);
    if (adtl.empty()) return chunks;
    RawChunk list = RiffSubChunks::List(kAdtl, {});
    list.payload.insert(list.payload.end(), adtl.begin(), adtl.end());
    chunks.push_back(std::move(list));
    return chunks;
}

}  // namespace

bool WaveMetadataFile::IsWave(const std::string& path) {
    WaveForm form;
    return form.Open(path, RiffOpenMode::Read);
}

bool WaveMetadataFile::Read(const std::string& path, std::vector<MarkerInfo>& markers, KeptWaveChunks& kept) {
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
    kept.Collect(form);
    return true;
}

bool WaveMetadataFile::Write(const std::string& path, const std::vector<MarkerInfo>& markers,
                             const KeptWaveChunks& kept) {
    WaveForm form;
    if (!form.Open(path, RiffOpenMode::ReadWrite)) return false;
    KeptWaveChunks::Additions additions = kept.For(form);
    for (RawChunk& chunk : MarkerChunks(markers)) additions.chunks.push_back(std::move(chunk));
    const auto stays = [&additions](const WaveChunk& chunk) {
        return !HoldsMarkers(chunk) && !(additions.replacesInfo && chunk.IsList(kInfo));
    };
    return form.Rewrite(stays, additions.chunks);
}

}  // namespace vesk
