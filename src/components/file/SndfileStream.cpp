#include "components/file/SndfileStream.h"

#include <algorithm>
#include <cstring>

namespace vesk {
namespace {

// Keeps each call of the file within its 32-bit counts.
constexpr sf_count_t kMaxStep = 1 << 30;

}  // namespace

bool SndfileStream::Open(const std::string& path, FileMode mode) {
    head_.clear();
    replaced_ = 0;
    position_ = 0;
    failed_ = false;
    return file_.Open(path, mode);
}

bool SndfileStream::OpenPrefixed(const std::string& path, std::vector<uint8_t> prefix) {
    if (!Open(path, FileMode::Read)) return false;
    head_ = std::move(prefix);
    return true;
}

bool SndfileStream::OpenPatched(const std::string& path, int64_t offset, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> head(static_cast<size_t>(offset) + bytes.size());
    if (!Open(path, FileMode::Read) || file_.Read(head.data(), static_cast<int32_t>(head.size())) !=
                                           static_cast<int32_t>(head.size())) {
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), head.begin() + offset);
    head_ = std::move(head);
    replaced_ = static_cast<int64_t>(head_.size());
    return true;
}

SNDFILE* SndfileStream::OpenSound(int sfMode, SF_INFO* info) {
    position_ = 0;
    return sf_open_virtual(Callbacks(), sfMode, info, this);
}

bool SndfileStream::Close() {
    const bool closed = file_.Close();
    return closed && !failed_;
}

SF_VIRTUAL_IO* SndfileStream::Callbacks() {
    static SF_VIRTUAL_IO table{&Length, &Seek, &Read, &Write, &Tell};
    return &table;
}

sf_count_t SndfileStream::StreamLength() const {
    const int64_t fileBytes = std::max<int64_t>(file_.Size(), 0);
    return static_cast<sf_count_t>(head_.size()) + fileBytes - replaced_;
}

sf_count_t SndfileStream::Length(void* self) { return static_cast<SndfileStream*>(self)->StreamLength(); }

// A position past the end is allowed, as lseek allows it: a writer may leave a gap it fills later.
sf_count_t SndfileStream::Seek(sf_count_t offset, int whence, void* self) {
    auto* stream = static_cast<SndfileStream*>(self);
    const sf_count_t base = whence == SEEK_CUR ? stream->position_ : whence == SEEK_END ? stream->StreamLength() : 0;
    if (base + offset < 0) return -1;
    stream->position_ = base + offset;
    return stream->position_;
}

sf_count_t SndfileStream::Read(void* to, sf_count_t bytes, void* self) {
    return static_cast<SndfileStream*>(self)->ReadAt(static_cast<uint8_t*>(to), bytes);
}

sf_count_t SndfileStream::Write(const void* from, sf_count_t bytes, void* self) {
    return static_cast<SndfileStream*>(self)->WriteAt(static_cast<const uint8_t*>(from), bytes);
}

sf_count_t SndfileStream::Tell(void* self) { return static_cast<SndfileStream*>(self)->position_; }

sf_count_t SndfileStream::ReadAt(uint8_t* to, sf_count_t bytes) {
    sf_count_t done = 0;
    const auto headBytes = static_cast<sf_count_t>(head_.size());
    if (position_ < headBytes) {
        done = std::min(bytes, headBytes - position_);
        std::memcpy(to, head_.data() + position_, static_cast<size_t>(done));
    }
    if (done < bytes && file_.Seek(position_ + done - headBytes + replaced_, FileSeek::Begin) >= 0) {
        while (done < bytes) {
            const int32_t got = file_.Read(to + done, static_cast<int32_t>(std::min(bytes - done, kMaxStep)));
            if (got < 0) failed_ = true;
            if (got <= 0) break;
            done += got;
        }
    }
    position_ += done;
    return done;
}

// The made-up head is for reading only.
sf_count_t SndfileStream::WriteAt(const uint8_t* from, sf_count_t bytes) {
    if (!head_.empty() || file_.Seek(position_, FileSeek::Begin) < 0) return 0;
    sf_count_t done = 0;
    while (done < bytes) {
        const auto step = static_cast<int32_t>(std::min(bytes - done, kMaxStep));
        const int32_t written = file_.Write(from + done, step);
        if (written > 0) done += written;
        if (written != step) {
            failed_ = true;
            break;
        }
    }
    position_ += done;
    return done;
}

}  // namespace vesk
