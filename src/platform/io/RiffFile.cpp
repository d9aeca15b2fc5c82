#include "platform/io/RiffFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/io/ByteOrder.h"
#include "platform/io/IoFaults.h"

namespace vesk {

namespace {

constexpr uint32_t kRiffId = FourCC("RIFF");
constexpr uint32_t kListId = FourCC("LIST");

// pwrite until everything is written; interrupted calls are retried.
bool WriteAll(int fd, const uint8_t* data, size_t byteCount, int64_t offset) {
    while (byteCount > 0) {
        const ssize_t written = pwrite(fd, data, byteCount, offset);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        byteCount -= static_cast<size_t>(written);
        offset += written;
    }
    return true;
}

ssize_t ReadSome(int fd, uint8_t* data, size_t byteCount, int64_t offset) {
    ssize_t got;
    do {
        got = pread(fd, data, byteCount, offset);
    } while (got < 0 && errno == EINTR);
    return got;
}

int OpenFlags(RiffOpenMode mode) {
    switch (mode) {
        case RiffOpenMode::Read: return O_RDONLY;
        // Files the control writes are its own: a link planted at their name is refused, never
        // followed.
        case RiffOpenMode::ReadWrite: return O_RDWR | O_NOFOLLOW;
        case RiffOpenMode::Create: return O_RDWR | O_CREAT | O_TRUNC | O_NOFOLLOW;
    }
    return O_RDONLY;
}

bool HasFormType(uint32_t id) { return id == kRiffId || id == kListId; }

}  // namespace

RiffFile::RiffFile() : buffer_(std::make_unique<uint8_t[]>(kBufferBytes)) {}

RiffFile::~RiffFile() {
    if (IsOpen()) Close();
}

bool RiffFile::Open(const std::string& path, RiffOpenMode mode) {
    if (IsOpen()) Close();
    if (IoFaults::ShouldFail(IoOp::Open)) return false;
    fd_ = ::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC, 0600);
    readFailed_ = false;
    bufferStart_ = 0;
    bufferLength_ = 0;
    bufferDirty_ = false;
    pos_ = 0;
    return fd_ >= 0;
}

bool RiffFile::Close() {
    if (!IsOpen()) return true;
    const bool flushed = Flush();
    const bool injected = IoFaults::ShouldFail(IoOp::Close);
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    bufferLength_ = 0;
    bufferDirty_ = false;
    return flushed && closed && !injected;
}

bool RiffFile::Flush() {
    if (!IsOpen()) return false;
    if (!bufferDirty_) return true;
    if (!WriteAll(fd_, buffer_.get(), static_cast<size_t>(bufferLength_), bufferStart_)) return false;
    bufferDirty_ = false;
    return true;
}

int32_t RiffFile::Read(void* buffer, int32_t byteCount) {
    if (!IsOpen() || byteCount < 0) return -1;
    const int32_t got = IoFaults::ShouldFail(IoOp::Read) ? -1 : ReadSpan(static_cast<uint8_t*>(buffer), byteCount);
    if (got < 0) readFailed_ = true;
    return got;
}

int32_t RiffFile::Write(const void* buffer, int32_t byteCount) {
    if (!IsOpen() || byteCount < 0) return -1;
    if (IoFaults::ShouldFail(IoOp::Write)) return -1;
    return WriteSpan(static_cast<const uint8_t*>(buffer), byteCount);
}

int64_t RiffFile::Seek(int64_t offset, RiffSeek origin) {
    if (!IsOpen()) return -1;
    int64_t base = 0;
    if (origin == RiffSeek::Current) base = pos_;
    if (origin == RiffSeek::End) base = FileSize();
    if (base + offset < 0) return -1;
    pos_ = base + offset;
    return pos_;
}

int64_t RiffFile::FileSize() const {
    struct stat info {};
    const int64_t onDisk = fstat(fd_, &info) == 0 ? static_cast<int64_t>(info.st_size) : 0;
    // Buffered bytes may reach beyond what the file holds yet.
    return std::max(onDisk, bufferStart_ + bufferLength_);
}

bool RiffFile::FillBuffer() {
    if (!Flush()) return false;
    bufferStart_ = pos_;
    bufferLength_ = 0;
    const ssize_t got = ReadSome(fd_, buffer_.get(), kBufferBytes, pos_);
    if (got < 0) return false;
    bufferLength_ = static_cast<int32_t>(got);
    return true;
}

int32_t RiffFile::ReadSpan(uint8_t* out, int32_t byteCount) {
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
            if (got < 0) return -1;
            if (got == 0) break;
            done += static_cast<int32_t>(got);
            pos_ += got;
            continue;
        }
        if (!FillBuffer()) return -1;
        if (bufferLength_ == 0) break;
    }
    return done;
}

int32_t RiffFile::WriteSpan(const uint8_t* in, int32_t byteCount) {
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
                if (!WriteAll(fd_, in + done, static_cast<size_t>(byteCount - done), pos_)) return -1;
                pos_ += byteCount - done;
                return byteCount;
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

bool RiffFile::ReadHeader(RiffChunk& chunk, const RiffChunk* parent) {
    const int64_t start = pos_;
    if (parent && start + 8 > static_cast<int64_t>(parent->dataOffset) + parent->size) return false;
    uint8_t header[8];
    if (Read(header, 8) != 8) return false;
    chunk.id = LoadLE32(header);
    chunk.size = LoadLE32(header + 4);
    chunk.dataOffset = static_cast<uint32_t>(start + 8);
    chunk.formType = 0;
    chunk.flags = 0;
    if (!HasFormType(chunk.id)) return true;
    uint8_t form[4];
    if (Read(form, 4) != 4) return false;
    chunk.formType = LoadLE32(form);
    return true;
}

bool RiffFile::SkipChunk(const RiffChunk& chunk) {
    const int64_t end = static_cast<int64_t>(chunk.dataOffset) + chunk.size + (chunk.size & 1);
    return Seek(end, RiffSeek::Begin) >= 0;
}

template <class Matches>
bool RiffFile::DescendMatching(RiffChunk& chunk, const RiffChunk* parent, Matches matches) {
    if (!IsOpen()) return false;
    for (;;) {
        if (!ReadHeader(chunk, parent)) return false;
        if (matches(chunk)) return true;
        if (!SkipChunk(chunk)) return false;
    }
}

bool RiffFile::Descend(RiffChunk& chunk, const RiffChunk* parent) {
    return DescendMatching(chunk, parent, [](const RiffChunk&) { return true; });
}

bool RiffFile::DescendToChunk(RiffChunk& chunk, const RiffChunk* parent, uint32_t id) {
    return DescendMatching(chunk, parent, [id](const RiffChunk& c) { return c.id == id; });
}

bool RiffFile::DescendToForm(RiffChunk& chunk, const RiffChunk* parent, uint32_t formType) {
    return DescendMatching(chunk, parent,
                           [formType](const RiffChunk& c) { return c.id == kRiffId && c.formType == formType; });
}

bool RiffFile::CreateChunk(RiffChunk& chunk, uint32_t formType) {
    uint8_t header[12] = {};
    if (formType != 0) chunk.id = kRiffId;
    StoreLE32(header, chunk.id);
    StoreLE32(header + 8, formType);
    const int32_t headerBytes = formType != 0 ? 12 : 8;
    chunk.dataOffset = static_cast<uint32_t>(pos_ + 8);
    chunk.formType = formType;
    chunk.size = 0;
    chunk.flags = RiffChunk::kDirty;
    return Write(header, headerBytes) == headerBytes;
}

bool RiffFile::WriteSize(const RiffChunk& chunk) {
    uint8_t size[4];
    StoreLE32(size, chunk.size);
    if (Seek(static_cast<int64_t>(chunk.dataOffset) - 4, RiffSeek::Begin) < 0) return false;
    return Write(size, 4) == 4;
}

bool RiffFile::Ascend(RiffChunk& chunk) {
    if (!IsOpen()) return false;
    if (chunk.flags & RiffChunk::kDirty) {
        const int64_t size = pos_ - chunk.dataOffset;
        if (size < 0 || size > UINT32_MAX) return false;
        // RIFF chunks start on even offsets, so an odd payload is followed by one zero byte.
        const uint8_t pad = 0;
        if ((size & 1) && Write(&pad, 1) != 1) return false;
        chunk.size = static_cast<uint32_t>(size);
        if (!WriteSize(chunk)) return false;
        chunk.flags &= ~RiffChunk::kDirty;
    }
    return SkipChunk(chunk);
}

}  // namespace vesk
