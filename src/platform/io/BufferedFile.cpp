#include "platform/io/BufferedFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/io/IoFaults.h"

namespace vesk {

namespace {

// pwrite until everything is written or the system refuses more; interrupted calls are retried.
// Returns the bytes written.
size_t WriteAll(int fd, const uint8_t* data, size_t byteCount, int64_t offset) {
    size_t done = 0;
    while (done < byteCount) {
        const ssize_t written = pwrite(fd, data + done, byteCount - done, offset + static_cast<int64_t>(done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = ENOSPC;
            break;
        }
        done += static_cast<size_t>(written);
    }
    return done;
}

ssize_t ReadSome(int fd, uint8_t* data, size_t byteCount, int64_t offset) {
    ssize_t got;
    do {
        got = pread(fd, data, byteCount, offset);
    } while (got < 0 && errno == EINTR);
    return got;
}

int OpenFlags(FileMode mode) {
    switch (mode) {
        case FileMode::Read: return O_RDONLY;
        // Files the control writes are its own: a link planted at their name is refused, never
        // followed.
        case FileMode::ReadWrite: return O_RDWR | O_NOFOLLOW;
        case FileMode::Create: return O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW;
        case FileMode::Update: return O_RDWR;
        case FileMode::Output: return O_RDWR | O_CREAT | O_TRUNC;
    }
    return O_RDONLY;
}

mode_t NewFileMode(FileMode mode) { return mode == FileMode::Output ? 0666 : 0600; }

}  // namespace

BufferedFile::BufferedFile() : buffer_(std::make_unique<uint8_t[]>(kBufferBytes)) {}

BufferedFile::~BufferedFile() {
    if (IsOpen()) Close();
}

void BufferedFile::Fail(int error) { lastError_ = error; }

bool BufferedFile::Open(const std::string& path, FileMode mode) {
    if (IsOpen()) Close();
    readFailed_ = false;
    bufferStart_ = 0;
    bufferLength_ = 0;
    bufferDirty_ = false;
    pos_ = 0;
    lastError_ = 0;
    if (const auto fault = IoFaults::Next(IoOp::Open)) {
        Fail(IoFaults::ErrnoOf(*fault));
        return false;
    }
    fd_ = ::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC, NewFileMode(mode));
    if (fd_ < 0) Fail(errno);
    return fd_ >= 0;
}

bool BufferedFile::Close() {
    if (!IsOpen()) return true;
    const bool flushed = Flush();
    const auto fault = IoFaults::Next(IoOp::Close);
    const bool closed = ::close(fd_) == 0;
    if (!closed) Fail(errno);
    if (fault) Fail(IoFaults::ErrnoOf(*fault));
    fd_ = -1;
    bufferLength_ = 0;
    bufferDirty_ = false;
    return flushed && closed && !fault;
}

bool BufferedFile::Flush() {
    if (!IsOpen()) return false;
    if (!bufferDirty_) return true;
    const auto length = static_cast<size_t>(bufferLength_);
    if (WriteAll(fd_, buffer_.get(), length, bufferStart_) != length) {
        Fail(errno);
        return false;
    }
    bufferDirty_ = false;
    return true;
}

bool BufferedFile::Truncate(int64_t bytes) {
    if (!IsOpen() || bytes < 0 || !Flush()) return false;
    if (const auto fault = IoFaults::Next(IoOp::Write)) {
        Fail(IoFaults::ErrnoOf(*fault));
        return false;
    }
    int result;
    do {
        result = ::ftruncate(fd_, static_cast<off_t>(bytes));
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        Fail(errno);
        return false;
    }
    // The buffer was flushed, so it holds nothing the file lacks; it may hold what is gone.
    bufferStart_ = 0;
    bufferLength_ = 0;
    return true;
}

int32_t BufferedFile::Read(void* buffer, int32_t byteCount) {
    if (!IsOpen() || byteCount < 0) return -1;
    int32_t got = -1;
    if (const auto fault = IoFaults::Next(IoOp::Read)) {
        Fail(IoFaults::ErrnoOf(*fault));
    } else {
        got = ReadSpan(static_cast<uint8_t*>(buffer), byteCount);
    }
    if (got < 0) readFailed_ = true;
    return got;
}

bool BufferedFile::ReadPieces(std::span<FilePiece> pieces) {
    if (!IsOpen() || !Flush()) return false;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (const auto fault = IoFaults::Next(IoOp::Read)) {
            Fail(IoFaults::ErrnoOf(*fault));
            readFailed_ = true;
            return false;
        }
    }
    if (!vesk::ReadPieces(fd_, pieces)) {
        Fail(errno);
        readFailed_ = true;
        return false;
    }
    return true;
}

int32_t BufferedFile::Write(const void* buffer, int32_t byteCount) {
    if (!IsOpen() || byteCount < 0) return -1;
    const auto* bytes = static_cast<const uint8_t*>(buffer);
    if (const auto fault = IoFaults::Next(IoOp::Write)) {
        Fail(IoFaults::ErrnoOf(*fault));
        if (*fault == IoFault::Error || byteCount < 2) return -1;
        // The disk took half of it.
        const int32_t fit = WriteSpan(bytes, byteCount / 2);
        Fail(ENOSPC);
        return fit;
    }
    return WriteSpan(bytes, byteCount);
}

int64_t BufferedFile::Seek(int64_t offset, FileSeek origin) {
    if (!IsOpen()) return -1;
    int64_t base = 0;
    if (origin == FileSeek::Current) base = pos_;
    if (origin == FileSeek::End) base = Size();
    if (base + offset < 0) return -1;
    pos_ = base + offset;
    return pos_;
}

int64_t BufferedFile::Size() const {
    if (!IsOpen()) return -1;
    struct stat info {};
    const int64_t onDisk = fstat(fd_, &info) == 0 ? static_cast<int64_t>(info.st_size) : 0;
    // Buffered bytes may reach beyond what the file holds yet.
    return std::max(onDisk, bufferStart_ + bufferLength_);
}

bool BufferedFile::FillBuffer(int32_t wanted) {
    if (!Flush()) return false;
    const bool goesOn = bufferLength_ > 0 && pos_ == bufferStart_ + bufferLength_;
    const int32_t scattered = (std::max(wanted, 1) + kScatteredReadBytes - 1) / kScatteredReadBytes * kScatteredReadBytes;
    const int32_t size = goesOn ? kBufferBytes : std::min(scattered, kBufferBytes);
    bufferStart_ = pos_;
    bufferLength_ = 0;
    const ssize_t got = ReadSome(fd_, buffer_.get(), static_cast<size_t>(size), pos_);
    if (got < 0) {
        Fail(errno);
        return false;
    }
    bufferLength_ = static_cast<int32_t>(got);
    return true;
}

int32_t BufferedFile::ReadSpan(uint8_t* out, int32_t byteCount) {
    int32_t done = 0;
    while (done < byteCount) {
        const int64_t offset = pos_ - bufferStart_;
        if (offset >= 0 && offset < bufferLength_) {
            const int32_t take = std::min(byteCount - done, bufferLength_ - static_cast<int32_t>(offset));
            std::memcpy(out + done, buffer_.get() + offset, static_cast<size_t>(take));
            done += take;
            pos_ += take;
            continue;
        }
        if (byteCount - done >= kBufferBytes) {
            // Large requests bypass the buffer instead of copying through it.
            if (!Flush()) return -1;
            const ssize_t got = ReadSome(fd_, out + done, static_cast<size_t>(byteCount - done), pos_);
            if (got < 0) {
                Fail(errno);
                return -1;
            }
            if (got == 0) break;
            done += static_cast<int32_t>(got);
            pos_ += got;
            continue;
        }
        if (!FillBuffer(byteCount - done)) return -1;
        if (bufferLength_ == 0) break;
    }
    return done;
}

int32_t BufferedFile::WriteSpan(const uint8_t* in, int32_t byteCount) {
    int32_t done = 0;
    while (done < byteCount) {
        int64_t offset = pos_ - bufferStart_;
        const bool fits = bufferLength_ > 0 && offset >= 0 && offset <= bufferLength_ && offset < kBufferBytes;
        if (!fits) {
            if (!Flush()) return -1;
            bufferStart_ = pos_;
            bufferLength_ = 0;
            offset = 0;
            if (byteCount - done >= kBufferBytes) {
                const auto rest = static_cast<size_t>(byteCount - done);
                const size_t written = WriteAll(fd_, in + done, rest, pos_);
                pos_ += static_cast<int64_t>(written);
                if (written == rest) return byteCount;
                Fail(errno);
                return done + written > 0 ? done + static_cast<int32_t>(written) : -1;
            }
        }
        const int32_t take = std::min(byteCount - done, kBufferBytes - static_cast<int32_t>(offset));
        std::memcpy(buffer_.get() + offset, in + done, static_cast<size_t>(take));
        bufferLength_ = std::max(bufferLength_, static_cast<int32_t>(offset) + take);
        bufferDirty_ = true;
        done += take;
        pos_ += take;
    }
    return done;
}

}  // namespace vesk
