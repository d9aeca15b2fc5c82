// Rip mode 1: plain audio reads through libcdio, no verification and no retries. The fastest
// way off a good disc, and the first attempt the control makes.
#pragma once

#include <cdio/cdio.h>

#include "components/cd/CdSectorSource.h"

namespace vesk {

class DirectSectorSource : public CdSectorSource {
public:
    // `disc` is borrowed and must stay open while the source is used.
    explicit DirectSectorSource(CdIo_t* disc) : disc_(disc) {}

    bool Start(int32_t firstSector) override;
    bool Read(int16_t* out, int32_t sectors) override;

private:
    CdIo_t* disc_;
    int32_t next_ = 0;  // LSN of the next sector to read
};

}  // namespace vesk
