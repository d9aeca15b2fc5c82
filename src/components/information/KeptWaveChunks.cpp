#include "components/information/KeptWaveChunks.h"

#include <algorithm>
#include <array>

#include "components/information/RiffSubChunks.h"
#include "components/information/TagLibTagStore.h"

namespace vesk {
namespace {

constexpr uint32_t kInfo = FourCC("INFO");
constexpr int64_t kFormTypeBytes = 4;

constexpr std::array<uint32_t, 12> kNotKept{
    FourCC("fmt "), FourCC("fact"), FourCC("data"), FourCC("ds64"), FourCC("PEAK"),  // the sound's own
    FourCC("cue "), FourCC("plst"), FourCC("id3 "), FourCC("ID3 "),                   // written from what is held
    FourCC("JUNK"), FourCC("junk"), FourCC("PAD "),                                   // filler
};

bool IsKept(const WaveChunk& chunk) {
    return std::find(kNotKept.begin(), kNotKept.end(), chunk.id) == kNotKept.end() &&
           !chunk.IsList(FourCC("adtl")) && !chunk.IsList(kInfo);
}

// Takes `bytes` from the budget when they fit.
bool Spend(int64_t& budget, int64_t bytes) {
    if (bytes > budget) return false;
    budget -= bytes;
    return true;
}

uint32_t FormTypeOf(const RawChunk& chunk) {
    return chunk.id == FourCC("LIST") && chunk.payload.size() >= kFormTypeBytes ? LoadLE32(chunk.payload.data()) : 0;
}

bool Has(const std::vector<WaveChunk>& chunks, const RawChunk& raw) {
    return std::any_of(chunks.begin(), chunks.end(),
                       [&](const WaveChunk& c) { return c.id == raw.id && c.formType == FormTypeOf(raw); });
}

bool HasField(const std::vector<RawChunk>& fields, uint32_t id) {
    return std::any_of(fields.begin(), fields.end(), [id](const RawChunk& f) { return f.id == id; });
}

}  // namespace

void KeptWaveChunks::Clear() {
    chunks_.clear();
    infoFields_.clear();
}

void KeptWaveChunks::Collect(WaveForm& source) {
    Clear();
    int64_t budget = kMaxKeptBytes;
    for (const WaveChunk& chunk : source.Chunks()) {
        if (chunk.IsList(kInfo)) KeepInfoFields(source, chunk, budget);
        if (!IsKept(chunk) || !chunk.IsWhole() || !Spend(budget, chunk.payloadBytes)) continue;
        RawChunk raw{chunk.id, source.Payload(chunk)};
        if (static_cast<int64_t>(raw.payload.size()) == chunk.payloadBytes) chunks_.push_back(std::move(raw));
    }
}

void KeptWaveChunks::KeepInfoFields(WaveForm& source, const WaveChunk& list, int64_t& budget) {
    for (RawChunk& field : RiffSubChunks::Split(source.Payload(list, kFormTypeBytes))) {
        if (TagLibTagStore::OwnsInfoField(field.id) || HasField(infoFields_, field.id)) continue;
        if (Spend(budget, static_cast<int64_t>(field.payload.size()))) infoFields_.push_back(std::move(field));
    }
}

KeptWaveChunks::Additions KeptWaveChunks::For(WaveForm& target) const {
    Additions additions;
    const RawChunk info = JoinedInfo(target);
    if (!info.payload.empty()) {
        additions.replacesInfo = true;
        additions.chunks.push_back(info);
    }
    for (const RawChunk& chunk : chunks_) {
        if (!Has(target.Chunks(), chunk)) additions.chunks.push_back(chunk);
    }
    return additions;
}

// The target's INFO fields followed by the kept ones it lacks; an empty chunk when it lacks none,
// or when a list of the target's cannot be read whole (it is then left as it is).
RawChunk KeptWaveChunks::JoinedInfo(WaveForm& target) const {
    std::vector<RawChunk> fields;
    for (const WaveChunk& chunk : target.Chunks()) {
        if (!chunk.IsList(kInfo)) continue;
        const std::vector<uint8_t> list = target.Payload(chunk, kFormTypeBytes);
        if (static_cast<int64_t>(list.size()) != chunk.payloadBytes - kFormTypeBytes) return {};
        for (RawChunk& field : RiffSubChunks::Split(list)) fields.push_back(std::move(field));
    }
    const size_t own = fields.size();
    for (const RawChunk& field : infoFields_) {
        if (!HasField(fields, field.id)) fields.push_back(field);
    }
    return fields.size() > own ? RiffSubChunks::List(kInfo, fields) : RawChunk{};
}

}  // namespace vesk
