// A file on plain POSIX I/O with one 64 KiB buffer: open, read, write, seek, size, flush, close.
// It is the one way the control's code and the libraries it drives (through their stream hooks)
// reach files, so every open, read, write and close consults IoFaults and tests can make any of
// them fail. Reads and writes of a whole buffer or more bypass the buffer. A read that goes on
// where the buffer ends fills the whole buffer; one elsewhere (after a seek) reads ahead only
// a page or what it asks for, so that scattered small reads do not each cost 64 KiB.
//
// Not thread-safe: one thread uses a file at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/io/PieceReads.h"

namespace vesk {

// The control's own files (working files, files beside a save target) never follow a link at
// their name; the user's files are reached through links as any program reaches them.
enum class FileMode {
    Read,       // existing file, read only
    ReadWrite,  // existing file of the control's, read and write
    Create,     // a file of the control's, created or truncated, read and write; new ones get 0600
    Update,     // existing file of the user's, read and write
    Output,     // a file of the user's, created or truncated, read and write; new ones get 0666
                // less the umask
};

enum class FileSeek { Begin, Current, End };

class BufferedFile {
public:
    static constexpr int32_t kBufferBytes = 64 * 1024;
    static constexpr int32_t kScatteredReadBytes = 4 * 1024;

    BufferedFile();
    // Closes the file if it is still open (buffered data is written).
    ~BufferedFile();
    BufferedFile(const BufferedFile&) = delete;
    BufferedFile& operator=(const BufferedFile&) = delete;

    // Opens path; false when it cannot be opened (or when IoFaults says so). A file that is open
    // is closed first. The position starts at 0.
    bool Open(const std::string& path, FileMode mode);
    bool IsOpen() const { return fd_ >= 0; }

    // Bytes read (fewer at the end of the file, 0 there), or −1 on an I/O error.
    int32_t Read(void* buffer, int32_t byteCount);
    // Reads pieces at scattered file offsets together (see PieceReads.h), past the buffer and
    // without moving the position; false on an I/O error. Each piece counts as a read.
    bool ReadPieces(std::span<FilePiece> pieces);
    // Bytes written: all of them, fewer when the disk filled up on the way (what fit is in the
    // file), or −1 on an I/O error.
    int32_t Write(const void* buffer, int32_t byteCount);
    // New absolute position in bytes, or −1 when it would be negative or nothing is open.
    int64_t Seek(int64_t offset, FileSeek origin);
    int64_t Tell() const { return pos_; }
    // Bytes in the file, buffered ones included; −1 when nothing is open.
    int64_t Size() const;
    // Hands buffered data to the operating system (write(2); no fsync).
    bool Flush();
    // Cuts (or extends with zeros) the file to `bytes`; counts as a write for IoFaults. The
    // position stays.
    bool Truncate(int64_t bytes);
    // A read failed at the file-system level since Open (the end of the file is no failure).
    bool ReadFailed() const { return readFailed_; }
    // The errno of the last failed call (ENOSPC for a full disk).
    int LastError() const { return lastError_; }
    // Flushes and closes; false when either fails. The file is closed in any case.
    bool Close();

private:
    // Records a failure: errno as the system (or IoFaults) set it.
    void Fail(int error);
    int32_t ReadSpan(uint8_t* out, int32_t byteCount);
    int32_t WriteSpan(const uint8_t* in, int32_t byteCount);
    // Reads into the buffer at the position: at least `wanted` bytes (up to a whole buffer).
    bool FillBuffer(int32_t wanted);

    int fd_ = -1;
    std::unique_ptr<uint8_t[]> buffer_;
    int64_t bufferStart_ = 0;   // file offset of buffer_[0]
    int32_t bufferLength_ = 0;  // valid bytes in buffer_
    bool readFailed_ = false;
    bool bufferDirty_ = false;  // buffer_[0, bufferLength_) still has to reach the file
    int64_t pos_ = 0;           // logical position of the next read or write
    int lastError_ = 0;
};

}  // namespace vesk
