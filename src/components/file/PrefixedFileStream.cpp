#include "components/file/PrefixedFileStream.h"

#include <algorithm>
#include <cstring>

namespace vesk {

PrefixedFileStream::~PrefixedFileStream() {
    if (file_) std::fclose(file_);
}

bool PrefixedFileStream::Open(const std::string& path, std::vector<uint8_t> prefix) {
    file_ = std::fopen(path.c_str(), "rb");
    if (!file_ || std::fseek(file_, 0, SEEK_END) != 0) return false;
    fileBytes_ = std::ftell(file_);
    prefix_ = std::move(prefix);
    replaced_ = 0;
    position_ = 0;
    return fileBytes_ >= 0;
}

bool PrefixedFileStream::OpenPatched(const std::string& path, int64_t offset, const std::vector<uint8_t>& bytes) {
    std::vector<uint8_t> head(static_cast<size_t>(offset) + bytes.size());
    if (!Open(path, {}) || std::fseek(file_, 0, SEEK_SET) != 0 ||
        std::fread(head.data(), 1, head.size(), file_) != head.size()) {
        return false;
    }
    std::copy(bytes.begin(), bytes.end(), head.begin() + offset);
    prefix_ = std::move(head);
    replaced_ = static_cast<int64_t>(prefix_.size());
    return true;
}

SF_VIRTUAL_IO* PrefixedFileStream::Callbacks() {
    static SF_VIRTUAL_IO table{&Length, &Seek, &Read, &Write, &Tell};
    return &table;
}

sf_count_t PrefixedFileStream::Length(void* self) {
    auto* stream = static_cast<PrefixedFileStream*>(self);
    return static_cast<sf_count_t>(stream->prefix_.size()) + stream->fileBytes_ - stream->replaced_;
}

sf_count_t PrefixedFileStream::Seek(sf_count_t offset, int whence, void* self) {
    auto* stream = static_cast<PrefixedFileStream*>(self);
    const sf_count_t base = whence == SEEK_CUR ? stream->position_ : whence == SEEK_END ? Length(self) : 0;
    stream->position_ = std::clamp<sf_count_t>(base + offset, 0, Length(self));
    return stream->position_;
}

sf_count_t PrefixedFileStream::Read(void* to, sf_count_t bytes, void* self) {
    return static_cast<PrefixedFileStream*>(self)->ReadAt(static_cast<uint8_t*>(to), bytes);
}

sf_count_t PrefixedFileStream::Tell(void* self) { return static_cast<PrefixedFileStream*>(self)->position_; }

sf_count_t PrefixedFileStream::ReadAt(uint8_t* to, sf_count_t bytes) {
    sf_count_t done = 0;
    const auto prefixBytes = static_cast<sf_count_t>(prefix_.size());
    if (position_ < prefixBytes) {
        done = std::min(bytes, prefixBytes - position_);
        std::memcpy(to, prefix_.data() + position_, static_cast<size_t>(done));
    }
    if (done < bytes && std::fseek(file_, static_cast<long>(position_ + done - prefixBytes + replaced_), SEEK_SET) == 0) {
        done += static_cast<sf_count_t>(std::fread(to + done, 1, static_cast<size_t>(bytes - done), file_));
    }
    position_ += done;
    return done;
}

}  // namespace vesk
