#include "components/information/RiffMarkerCodec.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "components/information/RiffSubChunks.h"
#include "platform/automation/Bstr.h"
#include "platform/io/ByteOrder.h"

namespace vesk {
namespace {

constexpr size_t kCuePointBytes = 24;
constexpr size_t kLtxtFixedBytes = 20;  // id, length, purpose, four 16-bit fields
constexpr uint32_t kLabl = FourCC("labl");
constexpr uint32_t kNote = FourCC("note");
constexpr uint32_t kLtxt = FourCC("ltxt");
constexpr uint32_t kData = FourCC("data");
constexpr uint32_t kRegionPurpose = FourCC("rgn ");

bool IsValidUtf8(std::string_view bytes) {
    // Utf8ToUtf16 turns bad sequences into U+FFFD; a round trip that changes the bytes had some.
    return Utf16ToUtf8(Utf8ToUtf16(bytes)) == bytes;
}

std::u16string DecodeText(std::span<const uint8_t> bytes) {
    size_t length = 0;
    while (length < bytes.size() && bytes[length] != 0) ++length;
    const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), length);
    if (IsValidUtf8(raw)) return Utf8ToUtf16(raw);
    std::u16string latin1(length, u'\0');  // Latin-1: each byte is its code point
    for (size_t i = 0; i < length; ++i) latin1[i] = bytes[i];
    return latin1;
}

void AppendLE16(std::vector<uint8_t>& out, uint16_t value) {
    uint8_t bytes[2];
    StoreLE16(bytes, value);
    out.insert(out.end(), bytes, bytes + 2);
}

void AppendLE32(std::vector<uint8_t>& out, uint32_t value) {
    uint8_t bytes[4];
    StoreLE32(bytes, value);
    out.insert(out.end(), bytes, bytes + 4);
}

uint32_t Frames(int32_t frames) { return frames > 0 ? static_cast<uint32_t>(frames) : 0; }

int32_t FromFrames(uint32_t frames) { return frames > INT32_MAX ? INT32_MAX : static_cast<int32_t>(frames); }

std::vector<uint8_t> IdAndText(uint32_t cueId, const std::u16string& text) {
    std::vector<uint8_t> payload;
    AppendLE32(payload, cueId);
    const std::string utf8 = Utf16ToUtf8(text);
    payload.insert(payload.end(), utf8.begin(), utf8.end());
    payload.push_back(0);
    return payload;
}

bool NeedsLtxt(const MarkerInfo& marker) {
    return marker.lengthFrames > 0 || !marker.text.empty() || marker.language != 0 || marker.country != 0 ||
           marker.dialect != 0 || marker.codePage != 0;
}

std::vector<uint8_t> Ltxt(uint32_t cueId, const MarkerInfo& marker) {
    std::vector<uint8_t> payload;
    AppendLE32(payload, cueId);
    AppendLE32(payload, Frames(marker.lengthFrames));
    AppendLE32(payload, kRegionPurpose);
    AppendLE16(payload, static_cast<uint16_t>(marker.country));
    AppendLE16(payload, static_cast<uint16_t>(marker.language));
    AppendLE16(payload, static_cast<uint16_t>(marker.dialect));
    AppendLE16(payload, static_cast<uint16_t>(marker.codePage));
    if (!marker.text.empty()) {
        const std::string utf8 = Utf16ToUtf8(marker.text);
        payload.insert(payload.end(), utf8.begin(), utf8.end());
        payload.push_back(0);
    }
    return payload;
}

void ApplyLtxt(std::span<const uint8_t> body, MarkerInfo& marker) {
    if (body.size() < kLtxtFixedBytes) return;
    marker.lengthFrames = FromFrames(LoadLE32(&body[4]));
    marker.country = static_cast<int16_t>(LoadLE16(&body[12]));
    marker.language = static_cast<int16_t>(LoadLE16(&body[14]));
    marker.dialect = static_cast<int16_t>(LoadLE16(&body[16]));
    marker.codePage = static_cast<int16_t>(LoadLE16(&body[18]));
    marker.text = DecodeText(body.subspan(kLtxtFixedBytes));
}

// Applies one adtl sub-chunk (its payload, which starts with the cue id) to its marker.
void ApplySubChunk(uint32_t id, std::span<const uint8_t> body, std::vector<MarkerInfo>& markers,
                   const std::unordered_map<uint32_t, size_t>& indexOfCue) {
    if (body.size() < 4) return;
    const auto found = indexOfCue.find(LoadLE32(body.data()));
    if (found == indexOfCue.end()) return;
    MarkerInfo& marker = markers[found->second];
    if (id == kLabl) marker.label = DecodeText(body.subspan(4));
    if (id == kNote) marker.note = DecodeText(body.subspan(4));
    if (id == kLtxt) ApplyLtxt(body, marker);
}

}  // namespace

std::vector<MarkerInfo> RiffMarkerCodec::Decode(std::span<const uint8_t> cue, std::span<const uint8_t> adtl) {
    std::vector<MarkerInfo> markers;
    std::unordered_map<uint32_t, size_t> indexOfCue;
    if (cue.size() < 4) return markers;
    // A count larger than the chunk is a damaged file: read the points that are really there.
    const size_t count = std::min<size_t>(LoadLE32(cue.data()), (cue.size() - 4) / kCuePointBytes);
    for (size_t i = 0; i < count; ++i) {
        const uint8_t* point = cue.data() + 4 + i * kCuePointBytes;
        MarkerInfo marker;
        marker.positionFrames = FromFrames(LoadLE32(point + 20));  // dwSampleOffset
        indexOfCue.emplace(LoadLE32(point), markers.size());
        markers.push_back(std::move(marker));
    }
    for (const RawChunk& sub : RiffSubChunks::Split(adtl)) ApplySubChunk(sub.id, sub.payload, markers, indexOfCue);
    return markers;
}

std::vector<uint8_t> RiffMarkerCodec::EncodeCue(const std::vector<MarkerInfo>& markers) {
    std::vector<uint8_t> payload;
    AppendLE32(payload, static_cast<uint32_t>(markers.size()));
    for (size_t i = 0; i < markers.size(); ++i) {
        const uint32_t position = Frames(markers[i].positionFrames);
        AppendLE32(payload, static_cast<uint32_t>(i + 1));
        AppendLE32(payload, position);  // play order position: the same as the offset without a playlist
        AppendLE32(payload, kData);
        AppendLE32(payload, 0);  // chunk start and block start are 0 for uncompressed data
        AppendLE32(payload, 0);
        AppendLE32(payload, position);
    }
    return payload;
}

std::vector<uint8_t> RiffMarkerCodec::EncodeAdtl(const std::vector<MarkerInfo>& markers) {
    std::vector<uint8_t> payload;
    for (size_t i = 0; i < markers.size(); ++i) {
        const uint32_t cueId = static_cast<uint32_t>(i + 1);
        const MarkerInfo& marker = markers[i];
        if (!marker.label.empty()) RiffSubChunks::Append(payload, kLabl, IdAndText(cueId, marker.label));
        if (!marker.note.empty()) RiffSubChunks::Append(payload, kNote, IdAndText(cueId, marker.note));
        if (NeedsLtxt(marker)) RiffSubChunks::Append(payload, kLtxt, Ltxt(cueId, marker));
    }
    return payload;
}

}  // namespace vesk
