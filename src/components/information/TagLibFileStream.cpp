#include "components/information/TagLibFileStream.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace vesk {
namespace {

constexpr int64_t kCopyBytes = BufferedFile::kBufferBytes;

}  // namespace

TagLibFileStream::TagLibFileStream(const std::string& path, bool writable) : path_(path) {
    readOnly_ = !writable || !file_.Open(path, FileMode::Update);
    // Only a file the user may not write is read instead; any other failure stays one.
    const bool denied = file_.LastError() == EACCES || file_.LastError() == EROFS || file_.LastError() == EPERM;
    if (readOnly_ && (!writable || denied)) file_.Open(path, FileMode::Read);
}

bool TagLibFileStream::Close() {
    const bool closed = file_.Close();
    return closed && !failed_;
}

TagLib::ByteVector TagLibFileStream::readBlock(unsigned long length) {
    const auto wanted = static_cast<int64_t>(std::min<unsigned long>(length, INT32_MAX));
    TagLib::ByteVector bytes(static_cast<unsigned int>(wanted), '\0');
    const int32_t got = wanted > 0 ? file_.Read(bytes.data(), static_cast<int32_t>(wanted)) : 0;
    if (got < 0) failed_ = true;
    bytes.resize(static_cast<unsigned int>(std::max(got, 0)));
    return bytes;
}

void TagLibFileStream::writeBlock(const TagLib::ByteVector& data) {
    if (!WriteAt(file_.Tell(), data.data(), data.size())) failed_ = true;
}

bool TagLibFileStream::WriteAt(int64_t offset, const char* data, int64_t bytes) {
    if (readOnly_ || bytes > INT32_MAX || file_.Seek(offset, FileSeek::Begin) < 0) return false;
    return file_.Write(data, static_cast<int32_t>(bytes)) == bytes;
}

// `data` takes the place of `replace` bytes at `start`; what follows moves by the difference.
void TagLibFileStream::insert(const TagLib::ByteVector& data, unsigned long start, unsigned long replace) {
    const auto at = static_cast<int64_t>(start);
    const auto old = static_cast<int64_t>(replace);
    const auto bytes = static_cast<int64_t>(data.size());
    const int64_t end = file_.Size();
    bool ok = !readOnly_ && end >= 0;
    if (ok && bytes > old) ok = Move(at + old, at + bytes, std::max<int64_t>(end - at - old, 0));
    ok = ok && WriteAt(at, data.data(), bytes);
    if (ok && bytes < old) {
        ok = Move(at + old, at + bytes, std::max<int64_t>(end - at - old, 0)) && file_.Truncate(end - (old - bytes));
    }
    if (!ok) failed_ = true;
    file_.Seek(at + bytes, FileSeek::Begin);
}

void TagLibFileStream::removeBlock(unsigned long start, unsigned long length) {
    const auto at = static_cast<int64_t>(start);
    const auto bytes = static_cast<int64_t>(length);
    const int64_t end = file_.Size();
    const bool ok = !readOnly_ && end >= 0 && Move(at + bytes, at, std::max<int64_t>(end - at - bytes, 0)) &&
                    file_.Truncate(std::max<int64_t>(end - bytes, at));
    if (!ok) failed_ = true;
}

bool TagLibFileStream::Move(int64_t from, int64_t to, int64_t bytes) {
    if (from == to || bytes <= 0) return true;
    std::vector<char> buffer(static_cast<size_t>(std::min(bytes, kCopyBytes)));
    const bool upward = to > from;
    for (int64_t done = 0; done < bytes;) {
        const int64_t step = std::min<int64_t>(kCopyBytes, bytes - done);
        // Upward moves start at the end, so that the bytes ahead are read before they are overwritten.
        const int64_t offset = upward ? bytes - done - step : done;
        if (file_.Seek(from + offset, FileSeek::Begin) < 0 ||
            file_.Read(buffer.data(), static_cast<int32_t>(step)) != step ||
            !WriteAt(to + offset, buffer.data(), step)) {
            return false;
        }
        done += step;
    }
    return true;
}

void TagLibFileStream::seek(long offset, Position p) {
    const FileSeek origin = p == Beginning ? FileSeek::Begin : p == Current ? FileSeek::Current : FileSeek::End;
    file_.Seek(offset, origin);
}

void TagLibFileStream::truncate(long length) {
    if (readOnly_ || !file_.Truncate(length)) failed_ = true;
}

}  // namespace vesk
