// CdReader on libcdio and libcdio-paranoia: lists the drives (CdDriveList.h: real drives and
// BIN/CUE images named in VESK_CD_IMAGES), opens one, and copies a track into a wave file at
// the given path with ".wav" appended, firing the progress event (dispatch id 2, percent) as it
// goes. Rip modes: 1 direct reads, 2 verified paranoia reads, 3 thorough paranoia reads
// (ParanoiaSectorSource.h); a mode outside 1..3 counts as 1.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "components/CdReader.h"
#include "components/SingleEventSource.h"
#include "components/cd/CdDisc.h"
#include "components/cd/CdDriveList.h"
#include "components/cd/CdSectorSource.h"

namespace vesk {

class LibcdioCdReader : public RefCounted, public ICdReader, public IConnectionPointContainer {
public:
    // Looks for drives once, at creation: the control creates a reader per CD open.
    LibcdioCdReader();
    VESK_IUNKNOWN_IMPL(LibcdioCdReader, ICdReader, IConnectionPointContainer)

    HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) override;

    HRESULT GetDriveCount(int32_t* count) override;
    // An index outside 1..count leaves no drive selected and reports ASPIDRIVER.
    HRESULT SelectDrive(int32_t index) override;
    // The drive's path with '/' appended; "" when no drive is selected.
    HRESULT GetDriveName(BSTR* name) override;
    // ASPIDRIVER when no drive is selected or it holds no readable disc.
    HRESULT OpenDrive() override;
    HRESULT SelectTrack(int32_t track) override;
    // 0 when the track is not on the open disc.
    HRESULT GetTrackLength(int32_t* frames) override;
    HRESULT SetRipMode(int32_t mode) override;
    // ASPIDRIVER without an open disc or on a read failure, INVALIDPARAM for a track that is
    // not on the disc, FORMATNOTSUPPORT for a data track, FILEACCESS when the file cannot be
    // written. A failed copy leaves no file.
    HRESULT RipTrack(BSTR path) override;
    HRESULT GetLastError(int32_t* errorCode) override;

private:
    std::unique_ptr<CdSectorSource> MakeSource() const;
    int32_t Rip(const std::string& wavePath);

    SingleEventSource events_;
    std::vector<CdDrive> drives_;
    int32_t drive_ = 0;  // 1-based, 0 = none selected
    CdDisc disc_;
    int32_t track_ = 1;
    int32_t ripMode_ = 1;
    int32_t lastError_ = 0;
};

}  // namespace vesk
