// Where RipTrack gets a track's sound from: a sequential reader of CD-DA sectors, each
// CdSectorSource::kSamplesPerSector 16-bit samples (588 stereo frames, left first) in host order.
// The rip mode picks the implementation: direct reads, or the paranoia library's verified reads.
#pragma once

#include <cstdint>

namespace vesk {

class CdSectorSource {
public:
    static constexpr int32_t kSamplesPerSector = 588 * 2;

    virtual ~CdSectorSource() = default;
    // Positions the reader at sector `firstSector` (LSN); false when the drive refuses.
    virtual bool Start(int32_t firstSector) = 0;
    // Reads the next `sectors` sectors into out (sectors × kSamplesPerSector samples); false on a
    // read error that the source could not recover from.
    virtual bool Read(int16_t* out, int32_t sectors) = 0;
};

}  // namespace vesk
