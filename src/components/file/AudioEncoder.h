// A sink that writes 16-bit interleaved sound into a file of one output format through one
// back-end library. The file component chooses the encoder by the held output format, the
// host's FormatTypeConstants value and the file name's extension.
#pragma once

#include <cstdint>
#include <string>

#include "components/file/OutputFormat.h"

namespace vesk {

struct EncoderInput {
    int32_t frequency = 44100;  // Hz of the blocks the caller writes
    int32_t channels = 2;
};

class AudioEncoder {
public:
    virtual ~AudioEncoder() = default;
    // Creates (truncates) path. The blocks arrive in `input`; the file is written in `format`
    // (the encoder converts rate and channels when they differ). 0, or an ErrorConstants value:
    // FILEACCESS (-18) when the file cannot be created, FORMATNOTSUPPORT (-13) when the format
    // cannot be written with these parameters, INVALIDPARAM (-20) for impossible parameters.
    virtual int32_t Open(const std::string& path, const OutputFormat& format, const EncoderInput& input) = 0;
    // frames frames of input.channels samples each; false on a write error.
    virtual bool Write(const int16_t* samples, int64_t frames) = 0;
    // Flushes and finishes the file; false when that failed.
    virtual bool Close() = 0;
};

}  // namespace vesk
