// The internal clipboard: a wave file at a fixed name (TempFileName, by default in the system's
// shared temporary folder) that Copy writes and Paste and Mix read. Because the name is fixed
// and the folder shared, the file is never reached through a link and never taken from another
// user: a name that is a link, not a regular file, or someone else's file is refused. A copy is
// written beside it under a fresh, exclusively created name and moved over it only when it is
// complete, so a failed copy (a full disk) leaves no partial clipboard.
#pragma once

#include <cstdint>
#include <string>

#include "document/WaveFile.h"

namespace vesk {

class ClipboardFile {
public:
    explicit ClipboardFile(std::string path) : path_(std::move(path)) {}

    // Starts a new clipboard content in `file` (16-bit PCM of that rate and channel count);
    // false when the fixed name may not be replaced or nothing can be written beside it.
    bool BeginWrite(WaveFile& file, uint32_t frequency, uint16_t channels);
    // Finishes `file` and moves it over the fixed name; false (and nothing changed) on failure.
    bool Commit(WaveFile& file);
    // Drops what BeginWrite started; the previous clipboard stays.
    void Abandon(WaveFile& file);
    // Opens the clipboard for reading; false when there is none or the name is not ours.
    bool OpenForReading(WaveFile& file) const;

private:
    std::string path_;
    std::string pending_;  // the file being written beside path_
};

}  // namespace vesk
