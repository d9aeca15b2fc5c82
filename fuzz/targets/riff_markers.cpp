// The wave-file marker reader. The first byte chooses what the rest is:
//   even: a whole file, read by WaveMetadataFile (WaveForm's chunk list, RIFF or RF64, the
//         `cue ` and `adtl` payloads, the chunks kept beside them), then written back with the
//         markers it read and read again: the second reading must give the same markers;
//   odd:  the two payloads themselves (a 16-bit little-endian length, the `cue ` payload, the
//         `adtl` payload), decoded, encoded and decoded again with the same check.
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "components/information/RiffMarkerCodec.h"
#include "components/information/WaveMetadataFile.h"
#include "fuzz/support/FuzzScratch.h"
#include "platform/automation/Bstr.h"

namespace {

using vesk::MarkerInfo;

bool Same(const MarkerInfo& a, const MarkerInfo& b) {
    return a.positionFrames == b.positionFrames && a.lengthFrames == b.lengthFrames && a.label == b.label &&
           a.note == b.note && a.text == b.text && a.language == b.language && a.country == b.country &&
           a.dialect == b.dialect && a.codePage == b.codePage;
}

void Print(const char* title, const std::vector<MarkerInfo>& markers) {
    std::fprintf(stderr, "%s: %zu markers\n", title, markers.size());
    for (const MarkerInfo& m : markers) {
        std::fprintf(stderr, "  at %d length %d label \"%s\" note \"%s\" text \"%s\" fields %d %d %d %d\n",
                     m.positionFrames, m.lengthFrames, vesk::Utf16ToUtf8(m.label).c_str(),
                     vesk::Utf16ToUtf8(m.note).c_str(), vesk::Utf16ToUtf8(m.text).c_str(), m.language, m.country,
                     m.dialect, m.codePage);
    }
}

void RequireSame(const std::vector<MarkerInfo>& first, const std::vector<MarkerInfo>& second) {
    bool same = first.size() == second.size();
    for (size_t i = 0; same && i < first.size(); ++i) same = Same(first[i], second[i]);
    if (same) return;
    Print("first reading", first);
    Print("second reading", second);
    std::abort();
}

void FromFile(std::span<const uint8_t> bytes) {
    const std::string path = vesk::fuzz::WriteScratchFile("markers.wav", bytes.data(), bytes.size());
    std::vector<MarkerInfo> markers;
    vesk::KeptWaveChunks kept;
    if (!vesk::WaveMetadataFile::Read(path, markers, kept)) return;
    if (!vesk::WaveMetadataFile::Write(path, markers, kept)) return;
    std::vector<MarkerInfo> again;
    vesk::KeptWaveChunks keptAgain;
    if (!vesk::WaveMetadataFile::Read(path, again, keptAgain)) std::abort();  // we wrote it
    RequireSame(markers, again);
}

void FromPayloads(std::span<const uint8_t> bytes) {
    if (bytes.size() < 2) return;
    const size_t cueBytes = std::min<size_t>(bytes[0] | (bytes[1] << 8), bytes.size() - 2);
    const auto markers = vesk::RiffMarkerCodec::Decode(bytes.subspan(2, cueBytes), bytes.subspan(2 + cueBytes));
    const auto again = vesk::RiffMarkerCodec::Decode(vesk::RiffMarkerCodec::EncodeCue(markers),
                                                     vesk::RiffMarkerCodec::EncodeAdtl(markers));
    RequireSame(markers, again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const std::span<const uint8_t> rest(data + 1, size - 1);
    if (data[0] & 1) {
        FromPayloads(rest);
    } else {
        FromFile(rest);
    }
    return 0;
}
