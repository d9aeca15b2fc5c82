// Where a save puts the sound: an encoder that takes blocks of 16-bit interleaved samples. The
// file component and the WMA codec each stand behind one, so that one encode loop (SoundSaver)
// serves both. Every operation answers 0 or one of the ErrorConstants.
#pragma once

#include <cstdint>
#include <string>

#include "platform/automation/SafeArray.h"

namespace vesk {

class BlockSink {
public:
    virtual ~BlockSink() = default;

    // Opens path for encoding the document's sound (its rate and channel count).
    virtual int32_t Open(const std::string& path) = 0;
    // The rate of the encoded file (markers scale by its ratio to the document's rate).
    virtual int32_t OutputFrequency() = 0;
    // Bytes of the document's sound handed over per block.
    virtual int32_t BlockBytes() const = 0;
    // Encodes one block; a failure of this or any earlier write is reported.
    virtual int32_t Write(SAFEARRAY* block) = 0;
    // Finishes the file; a failure to finish (or of any write) is reported.
    virtual int32_t Close() = 0;
    // Whether the file takes markers (tags are written to every kind).
    virtual bool CarriesMarkers() const = 0;
};

}  // namespace vesk
