// The payloads of the wave-file chunks that hold markers, decoded and encoded in memory:
//   `cue `          the points: a count, then 24 bytes per point (id, play position, chunk id,
//                   chunk start, block start, sample offset in frames);
//   `LIST`/`adtl`   per point a `labl` (label), `note` (note) and `ltxt` (range length in frames,
//                   purpose "rgn ", country, language, dialect, code page, then the text).
// Strings are written as UTF-8 and zero-terminated; on reading, text that is not valid UTF-8 is
// taken as Latin-1, as older tools wrote the local code page. Pure: the file side is
// WaveMetadataFile's.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "components/MarkerInfo.h"

namespace vesk {

class RiffMarkerCodec {
public:
    // The markers of a `cue ` payload, in its order, with the fields the `adtl` payload (the LIST
    // payload after its "adtl" form type; may be empty) gives their ids. Damaged payloads (counts
    // or sizes past the end, unknown ids) give the markers that could be read, never more.
    static std::vector<MarkerInfo> Decode(std::span<const uint8_t> cue, std::span<const uint8_t> adtl);

    // The `cue ` payload for these markers; their ids are 1, 2, … in list order.
    static std::vector<uint8_t> EncodeCue(const std::vector<MarkerInfo>& markers);
    // The LIST payload after the "adtl" form type: `labl`/`note` where the string is not empty,
    // `ltxt` where the marker has a length, a text or language fields.
    static std::vector<uint8_t> EncodeAdtl(const std::vector<MarkerInfo>& markers);
};

}  // namespace vesk
