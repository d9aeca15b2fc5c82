// FFmpeg's byte I/O (an AVIOContext) over a file of the platform's file layer, so that the
// demuxers and muxers of the file component and the WMA codec reach files only through it (and
// its fault hook). FFmpeg's buffer is as large as the file's, so that its whole-buffer reads and
// writes pass the file's buffer by.
#pragma once

#include <cstdint>
#include <string>

#include "platform/io/BufferedFile.h"

struct AVIOContext;

namespace vesk {

class AvioFile {
public:
    AvioFile() = default;
    ~AvioFile();
    AvioFile(const AvioFile&) = delete;
    AvioFile& operator=(const AvioFile&) = delete;

    // Opens path for reading (FileMode::Read) or writing (a mode that writes); false when the
    // file or FFmpeg's context cannot be made.
    bool Open(const std::string& path, FileMode mode);
    // For an AVFormatContext's pb; owned here, so it must outlive that context's use of it.
    AVIOContext* Context() const { return context_; }
    // A read, write or seek of the file failed (or the disk filled up) since Open.
    bool Failed() const { return failed_; }
    // Writes what FFmpeg still buffers and closes the file; false when that or anything before
    // it failed.
    bool Close();

private:
    static int Read(void* self, uint8_t* buffer, int size);
    static int Write(void* self, uint8_t* buffer, int size);
    static int64_t Seek(void* self, int64_t offset, int whence);
    // Marks the file failed; FFmpeg's code for the file's error.
    int Failure();
    void FreeContext();

    BufferedFile file_;
    AVIOContext* context_ = nullptr;
    bool failed_ = false;
};

}  // namespace vesk
