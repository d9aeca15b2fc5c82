// A file of the platform's file layer seen through libsndfile's virtual I/O, so that libsndfile
// reads and writes only through it (and its fault hook). For reading, a few made-up bytes may
// stand in front of the file, or in place of its first bytes: headerless G.721/G.723 streams get
// an AU header this way, because libsndfile decodes those codecs only inside a container, and
// WAV headers that misstate their sample containers are corrected this way.
#pragma once

#include <sndfile.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/io/BufferedFile.h"

namespace vesk {

class SndfileStream {
public:
    SndfileStream() = default;
    SndfileStream(const SndfileStream&) = delete;
    SndfileStream& operator=(const SndfileStream&) = delete;

    // Opens path as it is; false when the file cannot be opened.
    bool Open(const std::string& path, FileMode mode);
    // Opens path for reading behind prefix.
    bool OpenPrefixed(const std::string& path, std::vector<uint8_t> prefix);
    // Opens path for reading with bytes in place of its own from offset on; false when the file
    // cannot be opened or is shorter than that.
    bool OpenPatched(const std::string& path, int64_t offset, const std::vector<uint8_t>& bytes);

    // sf_open_virtual on this stream, which must outlive the SNDFILE.
    SNDFILE* OpenSound(int sfMode, SF_INFO* info);
    // A read, write or seek of the file failed (or the disk filled up) since it was opened.
    bool Failed() const { return failed_; }
    // Flushes and closes the file; false when that or anything before it failed.
    bool Close();

private:
    static SF_VIRTUAL_IO* Callbacks();
    static sf_count_t Length(void* self);
    static sf_count_t Seek(sf_count_t offset, int whence, void* self);
    static sf_count_t Read(void* to, sf_count_t bytes, void* self);
    static sf_count_t Write(const void* from, sf_count_t bytes, void* self);
    static sf_count_t Tell(void* self);

    sf_count_t StreamLength() const;
    sf_count_t ReadAt(uint8_t* to, sf_count_t bytes);
    sf_count_t WriteAt(const uint8_t* from, sf_count_t bytes);

    BufferedFile file_;
    std::vector<uint8_t> head_;  // bytes before (or in place of the start of) the file
    int64_t replaced_ = 0;       // bytes at the start of the file that head_ stands for
    int64_t position_ = 0;       // in the stream
    bool failed_ = false;
};

}  // namespace vesk
