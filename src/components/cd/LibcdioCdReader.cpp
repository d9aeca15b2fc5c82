#include "components/cd/LibcdioCdReader.h"

#include "components/ComponentErrors.h"
#include "components/cd/DirectSectorSource.h"
#include "components/cd/ParanoiaSectorSource.h"
#include "components/cd/TrackRipper.h"
#include "platform/automation/OutParam.h"

namespace vesk {

LibcdioCdReader::LibcdioCdReader() : events_(IID_CdReaderEvents), drives_(CdDriveList::Discover()) {}

HRESULT LibcdioCdReader::FindConnectionPoint(const IID& iid, IConnectionPoint** point) {
    return events_.Find(iid, point);
}

// --- Drives ---------------------------------------------------------------------------------

HRESULT LibcdioCdReader::GetDriveCount(int32_t* count) {
    return WriteOut(count, static_cast<int32_t>(drives_.size()));
}

HRESULT LibcdioCdReader::SelectDrive(int32_t index) {
    disc_.Close();
    bool known = index >= 1 && index <= static_cast<int32_t>(drives_.size());
    drive_ = known ? index : 0;
    return StoreValue(lastError_, known ? component_error::kNone : component_error::kAspiDriver);
}

HRESULT LibcdioCdReader::GetDriveName(BSTR* name) {
    if (drive_ == 0) return WriteOutText(name, "");
    return WriteOutText(name, drives_[static_cast<size_t>(drive_ - 1)].path + "/");
}

HRESULT LibcdioCdReader::OpenDrive() {
    bool opened = drive_ != 0 && disc_.Open(drives_[static_cast<size_t>(drive_ - 1)]);
    return StoreValue(lastError_, opened ? component_error::kNone : component_error::kAspiDriver);
}

// --- Tracks ---------------------------------------------------------------------------------

HRESULT LibcdioCdReader::SelectTrack(int32_t track) { return StoreValue(track_, track); }

HRESULT LibcdioCdReader::GetTrackLength(int32_t* frames) {
    std::optional<CdTrackSpan> span = disc_.Track(track_);
    return WriteOut(frames, span ? span->sectorCount * CdDisc::kFramesPerSector : 0);
}

HRESULT LibcdioCdReader::SetRipMode(int32_t mode) { return StoreValue(ripMode_, mode); }

HRESULT LibcdioCdReader::RipTrack(BSTR path) { return StoreValue(lastError_, Rip(BstrToUtf8(path) + ".wav")); }

HRESULT LibcdioCdReader::GetLastError(int32_t* errorCode) { return WriteOut(errorCode, lastError_); }

int32_t LibcdioCdReader::Rip(const std::string& wavePath) {
    if (!disc_.IsOpen()) return component_error::kAspiDriver;
    std::optional<CdTrackSpan> span = disc_.Track(track_);
    if (!span) return component_error::kInvalidParam;
    if (!span->isAudio) return component_error::kFormatNotSupport;
    std::unique_ptr<CdSectorSource> source = MakeSource();
    return TrackRipper::Rip(*source, *span, wavePath,
                            [this](int32_t percent) { events_.Fire(cd_reader_event::kProgress, {percent}); });
}

std::unique_ptr<CdSectorSource> LibcdioCdReader::MakeSource() const {
    switch (ripMode_) {
        case 2: return std::make_unique<ParanoiaSectorSource>(disc_.Handle(), ParanoiaSectorSource::Care::Verified);
        case 3: return std::make_unique<ParanoiaSectorSource>(disc_.Handle(), ParanoiaSectorSource::Care::Thorough);
        default: return std::make_unique<DirectSectorSource>(disc_.Handle());
    }
}

}  // namespace vesk
