// Rip modes 2 and 3: reads through libcdio-paranoia, which reads every stretch twice with
// overlap, compares, and fixes jitter and dropped or duplicated bytes.
//   mode 2 (Verified):  full checks, up to 5 retries per sector, then the sector may be skipped;
//   mode 3 (Thorough):  full checks, never skips, up to 20 retries per sector.
// A skipped sector means lost sound, so it counts as a read failure (the control then tries
// the next mode).
#pragma once

#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include "components/cd/CdSectorSource.h"

namespace vesk {

class ParanoiaSectorSource : public CdSectorSource {
public:
    enum class Care { Verified, Thorough };

    // `disc` is borrowed and must stay open while the source is used.
    ParanoiaSectorSource(CdIo_t* disc, Care care);
    ~ParanoiaSectorSource() override;
    ParanoiaSectorSource(const ParanoiaSectorSource&) = delete;
    ParanoiaSectorSource& operator=(const ParanoiaSectorSource&) = delete;

    bool Start(int32_t firstSector) override;
    bool Read(int16_t* out, int32_t sectors) override;

private:
    CdIo_t* disc_;
    Care care_;
    cdrom_drive_t* drive_ = nullptr;
    cdrom_paranoia_t* paranoia_ = nullptr;
};

}  // namespace vesk
