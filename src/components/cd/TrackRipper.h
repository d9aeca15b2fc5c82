// Copies one track from a sector source into a 16-bit 44100 Hz stereo wave file, reporting the
// percentage copied as it goes. A failed copy leaves no file behind.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "components/cd/CdDisc.h"
#include "components/cd/CdSectorSource.h"

namespace vesk {

class TrackRipper {
public:
    // Called with 0..100 each time the whole-number percentage grows; the last call is 100.
    using Progress = std::function<void(int32_t percent)>;

    // Sectors read per call to the source: about a third of a second of sound, so progress moves
    // smoothly and a drive still gets reads long enough to stream.
    static constexpr int32_t kSectorsPerRead = 25;

    // 0, or an ErrorConstants value: FILEACCESS when the file cannot be written, ASPIDRIVER when
    // the drive fails to deliver the sound.
    static int32_t Rip(CdSectorSource& source, const CdTrackSpan& track, const std::string& path,
                       const Progress& progress);
};

}  // namespace vesk
