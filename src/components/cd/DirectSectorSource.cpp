#include "components/cd/DirectSectorSource.h"

#include <vector>

#include "platform/io/ByteOrder.h"

namespace vesk {

bool DirectSectorSource::Start(int32_t firstSector) {
    next_ = firstSector;
    return disc_ != nullptr;
}

bool DirectSectorSource::Read(int16_t* out, int32_t sectors) {
    // CD-DA sectors hold little-endian samples; the reader hands out host order.
    std::vector<uint8_t> raw(static_cast<size_t>(sectors) * CDIO_CD_FRAMESIZE_RAW);
    if (cdio_read_audio_sectors(disc_, raw.data(), next_, static_cast<uint32_t>(sectors)) != DRIVER_OP_SUCCESS) {
        return false;
    }
    next_ += sectors;
    for (size_t i = 0; i < raw.size() / 2; ++i) out[i] = static_cast<int16_t>(LoadLE16(&raw[2 * i]));
    return true;
}

}  // namespace vesk
