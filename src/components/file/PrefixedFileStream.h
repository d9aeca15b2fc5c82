// A read-only file seen through libsndfile's virtual I/O with a few made-up bytes in front of
// it, or with a few of its first bytes replaced. Headerless G.721/G.723 streams get an AU header
// this way, because libsndfile decodes those codecs only inside a container; WAV headers that
// misstate their sample containers are corrected this way.
#pragma once

#include <sndfile.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace vesk {

class PrefixedFileStream {
public:
    PrefixedFileStream() = default;
    PrefixedFileStream(const PrefixedFileStream&) = delete;
    PrefixedFileStream& operator=(const PrefixedFileStream&) = delete;
    ~PrefixedFileStream();

    // Opens path for reading behind prefix; false when the file cannot be opened.
    bool Open(const std::string& path, std::vector<uint8_t> prefix);
    // Opens path for reading with bytes in place of its own from offset on; false when the file
    // cannot be opened or is shorter than that.
    bool OpenPatched(const std::string& path, int64_t offset, const std::vector<uint8_t>& bytes);
    // The callback table for sf_open_virtual; pass this object as its user data.
    static SF_VIRTUAL_IO* Callbacks();

private:
    static sf_count_t Length(void* self);
    static sf_count_t Seek(sf_count_t offset, int whence, void* self);
    static sf_count_t Read(void* to, sf_count_t bytes, void* self);
    static sf_count_t Write(const void*, sf_count_t, void*) { return 0; }
    static sf_count_t Tell(void* self);

    sf_count_t ReadAt(uint8_t* to, sf_count_t bytes);

    std::FILE* file_ = nullptr;
    std::vector<uint8_t> prefix_;
    int64_t replaced_ = 0;  // bytes at the start of the file that the prefix stands for
    int64_t fileBytes_ = 0;
    int64_t position_ = 0;  // in the prefixed stream
};

}  // namespace vesk
