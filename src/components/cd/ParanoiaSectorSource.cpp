#include "components/cd/ParanoiaSectorSource.h"

#include <cstdio>
#include <cstring>

namespace vesk {
namespace {

// The library's progress callback carries no context pointer; a read runs on one thread at a
// time, so the skips of the read in progress are counted per thread.
thread_local int32_t skippedSectors = 0;

void CountSkips(long, paranoia_cb_mode_t mode) {
    if (mode == PARANOIA_CB_SKIP) ++skippedSectors;
}

}  // namespace

ParanoiaSectorSource::ParanoiaSectorSource(CdIo_t* disc, Care care) : disc_(disc), care_(care) {}

ParanoiaSectorSource::~ParanoiaSectorSource() {
    if (paranoia_) cdio_paranoia_free(paranoia_);
    // The disc handle belongs to CdDisc.
    if (drive_) cdio_cddap_close_no_free_cdio(drive_);
}

bool ParanoiaSectorSource::Start(int32_t firstSector) {
    if (!disc_) return false;
    drive_ = cdio_cddap_identify_cdio(disc_, CDDA_MESSAGE_FORGETIT, nullptr);
    if (!drive_ || cdio_cddap_open(drive_) != 0) return false;
    paranoia_ = cdio_paranoia_init(drive_);
    if (!paranoia_) return false;
    int mode = PARANOIA_MODE_FULL;
    if (care_ == Care::Verified) mode ^= PARANOIA_MODE_NEVERSKIP;
    cdio_paranoia_modeset(paranoia_, mode);
    return cdio_paranoia_seek(paranoia_, firstSector, SEEK_SET) >= 0;
}

bool ParanoiaSectorSource::Read(int16_t* out, int32_t sectors) {
    const int retries = care_ == Care::Verified ? 5 : 20;
    skippedSectors = 0;
    for (int32_t i = 0; i < sectors; ++i) {
        const int16_t* sector = cdio_paranoia_read_limited(paranoia_, CountSkips, retries);
        if (!sector) return false;
        std::memcpy(out + static_cast<size_t>(i) * kSamplesPerSector, sector, kSamplesPerSector * sizeof(int16_t));
    }
    return skippedSectors == 0;
}

}  // namespace vesk
