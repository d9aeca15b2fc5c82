// What a wave file carries beside its sound, tags and markers — broadcast, sampler and production
// chunks (bext, smpl, iXML, axml, inst, acid, cart, …), LIST chunks of other forms, and the
// INFO fields no tag stands for — kept from the file a document was opened from, so that saving
// it as a wave file does not lose what the user expects to stay. None of it is interpreted: it
// goes back byte for byte.
//
// Left out: what the encoder writes for the new sound (fmt, fact, data, ds64, PEAK), what this
// component writes itself (cue and adtl markers, a playlist of cue points, ID3 and mapped INFO
// fields), and filler (JUNK, PAD).
#pragma once

#include <cstdint>
#include <vector>

#include "components/information/RawChunk.h"
#include "components/information/WaveForm.h"

namespace vesk {

class KeptWaveChunks {
public:
    // Payload bytes kept in all, at most. A chunk that would pass it is dropped, and so is one
    // cut short by the end of its file: a hostile file cannot make the control hold gigabytes.
    static constexpr int64_t kMaxKeptBytes = 16 << 20;

    // Chunks to add to a target, and whether they include a new INFO list for the target's own.
    struct Additions {
        std::vector<RawChunk> chunks;
        bool replacesInfo = false;
    };

    // Replaces what is kept with what `source` carries.
    void Collect(WaveForm& source);
    void Clear();

    // What `target` lacks of the kept chunks, in their source order, after an INFO list that
    // joins the target's fields (which win) with the kept ones, when it gains any. Saving into
    // the same file twice adds nothing the second time.
    Additions For(WaveForm& target) const;

private:
    void KeepInfoFields(WaveForm& source, const WaveChunk& list, int64_t& budget);
    RawChunk JoinedInfo(WaveForm& target) const;

    std::vector<RawChunk> chunks_;      // whole top-level chunks, in file order
    std::vector<RawChunk> infoFields_;  // sub-chunks of LIST/INFO, in file order
};

}  // namespace vesk
