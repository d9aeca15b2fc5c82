// An open disc (or disc image) and its table of contents, through libcdio. Sector numbers are
// logical sector numbers (LSN) of 2352-byte CD-DA sectors, 588 stereo frames each.
#pragma once

#include <cdio/cdio.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "components/cd/CdDriveList.h"

namespace vesk {

struct CdTrackSpan {
    int32_t firstSector = 0;  // LSN
    int32_t sectorCount = 0;
    bool isAudio = false;
};

class CdDisc {
public:
    static constexpr int32_t kFramesPerSector = 588;  // 44100 Hz / 75 sectors per second

    // Opens the drive and reads its table of contents; false when there is no readable disc.
    bool Open(const CdDrive& drive);
    void Close() { handle_.reset(); }
    bool IsOpen() const { return handle_ != nullptr; }
    // Track `number` (1-based, as printed on the disc), or nothing when the disc has no such track.
    std::optional<CdTrackSpan> Track(int32_t number) const;
    // Borrowed; valid while the disc is open.
    CdIo_t* Handle() const { return handle_.get(); }

private:
    struct Destroyer {
        void operator()(CdIo_t* handle) const { cdio_destroy(handle); }
    };
    std::unique_ptr<CdIo_t, Destroyer> handle_;
};

}  // namespace vesk
