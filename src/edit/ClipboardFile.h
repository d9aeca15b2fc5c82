// A clipboard file: a wave file at a fixed name, usually in the system's shared temporary folder.
// The internal clipboard (TempFileName) is one, which Copy writes and Paste and Mix read; the
// file through which a paste from the desktop clipboard passes is another. Because the name is
// fixed and the folder shared, the file is never reached through a link and never taken from
// another user: a name that is a link, not a regular file, or someone else's file is refused.
// New content is written beside it under a fresh, exclusively created name (mode 0600) and moved
// over it only when it is complete, so a failed write (a full disk) leaves no partial clipboard.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "document/WaveFile.h"

namespace vesk {

class ClipboardFile {
public:
    explicit ClipboardFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }

    // Starts a new clipboard content in `file` (16-bit PCM of that rate and channel count);
    // false when the fixed name may not be replaced or nothing can be written beside it.
    bool BeginWrite(WaveFile& file, uint32_t frequency, uint16_t channels);
    // Finishes `file` and moves it over the fixed name; false (and nothing changed) on failure.
    bool Commit(WaveFile& file);
    // Drops what BeginWrite started; the previous clipboard stays.
    void Abandon(WaveFile& file);
    // Opens the clipboard for reading; false when there is none or the name is not ours.
    bool OpenForReading(WaveFile& file) const;

    // The file's bytes as they are on disk (the complete RIFF image), for the desktop clipboard.
    enum class ImageRead { Read, Missing, Refused };
    // Refused when the name is not ours or the file cannot be read whole.
    ImageRead ReadImage(std::vector<uint8_t>& image) const;
    // Makes the file hold exactly `image`; false (and nothing changed) when the name is not ours
    // or the bytes cannot be written whole.
    bool WriteImage(std::span<const uint8_t> image);
    // Deletes the file if it is ours.
    void Remove() const;

private:
    // Reserves the fresh name beside path_ that new content is written to; false when the fixed
    // name may not be replaced or no name can be made.
    bool ReservePending();

    std::string path_;
    std::string pending_;  // the file being written beside path_
};

}  // namespace vesk
