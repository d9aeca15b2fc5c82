// Writes a RIFF/WAVE file of 16-bit PCM at 44100 Hz stereo, the format of CD audio and of the
// control's working files, so that a ripped track becomes a document without conversion.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "platform/io/RiffFile.h"

namespace vesk {

class CdWaveWriter {
public:
    // Creates (truncates) path and writes the headers; false when it cannot (a file it created
    // is removed again).
    bool Create(const std::string& path);
    // Appends interleaved samples in host order; false on a write error.
    bool Append(std::span<const int16_t> samples);
    // Fixes the chunk sizes and closes the file; false when that failed.
    bool Finish();
    // Closes without finishing (the file is then incomplete; the caller removes it).
    void Abandon() { file_.Close(); }

private:
    RiffFile file_;
    RiffChunk riff_;
    RiffChunk data_;
};

}  // namespace vesk
