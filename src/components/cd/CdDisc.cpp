#include "components/cd/CdDisc.h"

namespace vesk {

bool CdDisc::Open(const CdDrive& drive) {
    handle_.reset(cdio_open(drive.path.c_str(), drive.isImage ? DRIVER_BINCUE : DRIVER_DEVICE));
    // A drive without a disc opens but has no tracks.
    if (handle_ && cdio_get_num_tracks(handle_.get()) == CDIO_INVALID_TRACK) handle_.reset();
    return IsOpen();
}

std::optional<CdTrackSpan> CdDisc::Track(int32_t number) const {
    if (!handle_ || number < 1) return std::nullopt;
    int32_t first = cdio_get_first_track_num(handle_.get());
    int32_t count = cdio_get_num_tracks(handle_.get());
    if (first == CDIO_INVALID_TRACK || number < first || number >= first + count) return std::nullopt;
    track_t track = static_cast<track_t>(number);
    lsn_t start = cdio_get_track_lsn(handle_.get(), track);
    lsn_t last = cdio_get_track_last_lsn(handle_.get(), track);
    if (start == CDIO_INVALID_LSN || last == CDIO_INVALID_LSN || last < start) return std::nullopt;
    return CdTrackSpan{start, last - start + 1, cdio_get_track_format(handle_.get(), track) == TRACK_FORMAT_AUDIO};
}

}  // namespace vesk
