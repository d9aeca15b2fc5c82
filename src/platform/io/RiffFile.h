// A buffered, chunk-aware file on plain POSIX I/O: the small set of operations a RIFF reader
// and writer needs (open, descend into a chunk, create a chunk, ascend out of it, read, write,
// seek, flush, close). All I/O goes through one 64 KiB buffer per file. Every open, read, write
// and close consults IoFaults, so tests can make any of them fail.
//
// Not thread-safe: one thread uses a file at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace vesk {

enum class RiffOpenMode {
    Read,       // existing file, read only
    ReadWrite,  // existing file, read and write
    Create,     // created or truncated, read and write; new files get mode 0600
};

enum class RiffSeek { Begin, Current, End };

// A chunk as the file knows it: header fields plus where its payload starts.
struct RiffChunk {
    static constexpr uint32_t kDirty = 1;  // size must be rewritten on Ascend

    uint32_t id = 0;          // four-character code, e.g. FourCC("data")
    uint32_t size = 0;        // payload bytes (for RIFF/LIST it includes the form type)
    uint32_t formType = 0;    // RIFF and LIST chunks only
    uint32_t dataOffset = 0;  // file offset of the payload (of the form type for RIFF/LIST)
    uint32_t flags = 0;
};

class RiffFile {
public:
    static constexpr int32_t kBufferBytes = 64 * 1024;

    RiffFile();
    // Closes the file if it is still open (buffered data is written, no chunk is ascended).
    ~RiffFile();
    RiffFile(const RiffFile&) = delete;
    RiffFile& operator=(const RiffFile&) = delete;

    // Opens path; false when it cannot be opened (or when IoFaults says so). A file that is open
    // is closed first. The position starts at 0.
    bool Open(const std::string& path, RiffOpenMode mode);
    bool IsOpen() const { return fd_ >= 0; }

    // Enters the chunk that starts at the current position, reading its header (and the form
    // type of RIFF/LIST chunks); the position moves to the payload (after the form type).
    // With a parent, the chunk must start inside the parent's payload. False at the end.
    bool Descend(RiffChunk& chunk, const RiffChunk* parent = nullptr);
    // The same, skipping chunks until one with this id is found.
    bool DescendToChunk(RiffChunk& chunk, const RiffChunk* parent, uint32_t id);
    // The same, skipping chunks until a RIFF form of this form type is found.
    bool DescendToForm(RiffChunk& chunk, const RiffChunk* parent, uint32_t formType);

    // Writes a header for chunk.id with size 0 at the current position (with form != 0: a RIFF
    // header with that form type) and marks the chunk dirty; the position is its payload.
    bool CreateChunk(RiffChunk& chunk, uint32_t formType = 0);
    // Leaves the chunk: when it is dirty, its size becomes current position − payload offset, an
    // odd size gets a pad byte and the header is rewritten. Moves to the end of the chunk (after
    // the pad byte).
    bool Ascend(RiffChunk& chunk);

    // Bytes read (fewer at the end of the file, 0 there), or −1 on an I/O error.
    int32_t Read(void* buffer, int32_t byteCount);
    // Bytes written (all of them), or −1 on an I/O error.
    int32_t Write(const void* buffer, int32_t byteCount);
    // New absolute position in bytes, or −1 when it would be negative or nothing is open.
    int64_t Seek(int64_t offset, RiffSeek origin);
    int64_t Tell() const { return pos_; }
    // Hands buffered data to the operating system (write(2); no fsync).
    bool Flush();
    // A read failed at the file-system level since Open (the end of the file is no failure).
    bool ReadFailed() const { return readFailed_; }
    // Flushes and closes; false when either fails. The file is closed in any case.
    bool Close();

private:
    template <class Matches>
    bool DescendMatching(RiffChunk& chunk, const RiffChunk* parent, Matches matches);
    bool ReadHeader(RiffChunk& chunk, const RiffChunk* parent);
    bool SkipChunk(const RiffChunk& chunk);
    bool WriteSize(const RiffChunk& chunk);
    int32_t ReadSpan(uint8_t* out, int32_t byteCount);
    int32_t WriteSpan(const uint8_t* in, int32_t byteCount);
    bool FillBuffer();
    int64_t FileSize() const;

    int fd_ = -1;
    std::unique_ptr<uint8_t[]> buffer_;
    int64_t bufferStart_ = 0;  // file offset of buffer_[0]
    int32_t bufferLength_ = 0; // valid bytes in buffer_
    bool readFailed_ = false;
    bool bufferDirty_ = false; // buffer_[0, bufferLength_) still has to reach the file
    int64_t pos_ = 0;          // logical position of the next read or write
};

}  // namespace vesk
