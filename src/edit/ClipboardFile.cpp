#include "edit/ClipboardFile.h"

#include <limits>

#include "edit/BlockSize.h"
#include "platform/io/BufferedFile.h"
#include "platform/io/PathUtil.h"
#include "platform/io/TempFile.h"

namespace vesk {

namespace {

// BufferedFile moves at most this many bytes per call.
constexpr size_t kPassBytes = std::numeric_limits<int32_t>::max() & ~size_t{0xFFFF};

bool WriteAll(BufferedFile& file, std::span<const uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto count = static_cast<int32_t>(std::min(bytes.size(), kPassBytes));
        if (file.Write(bytes.data(), count) != count) return false;
        bytes = bytes.subspan(static_cast<size_t>(count));
    }
    return true;
}

bool ReadAll(BufferedFile& file, std::span<uint8_t> bytes) {
    while (!bytes.empty()) {
        const auto count = static_cast<int32_t>(std::min(bytes.size(), kPassBytes));
        if (file.Read(bytes.data(), count) != count) return false;
        bytes = bytes.subspan(static_cast<size_t>(count));
    }
    return true;
}

}  // namespace

bool ClipboardFile::ReservePending() {
    if (OwnerOf(path_) == FileOwner::Foreign) return false;
    const PathParts parts = SplitPath(path_);
    pending_ = UniqueFileName(parts.directory, "." + parts.name + ".vsk", ".tmp");
    return !pending_.empty();
}

bool ClipboardFile::BeginWrite(WaveFile& file, uint32_t frequency, uint16_t channels) {
    if (!ReservePending()) return false;
    if (file.Create(pending_, frequency, channels)) return true;
    Abandon(file);
    return false;
}

bool ClipboardFile::Commit(WaveFile& file) {
    const bool done = file.Close() && RenameFile(pending_, path_);
    if (!done) Abandon(file);
    pending_.clear();
    return done;
}

void ClipboardFile::Abandon(WaveFile& file) {
    file.Close();
    if (!pending_.empty()) RemoveFile(pending_);
    pending_.clear();
}

bool ClipboardFile::OpenForReading(WaveFile& file) const {
    return OwnerOf(path_) == FileOwner::Own && file.Open(path_, WaveMode::Read);
}

ClipboardFile::ImageRead ClipboardFile::ReadImage(std::vector<uint8_t>& image) const {
    const FileOwner owner = OwnerOf(path_);
    if (owner == FileOwner::Missing) return ImageRead::Missing;
    if (owner == FileOwner::Foreign) return ImageRead::Refused;
    // ReadWrite never follows a link, should one replace the file after the check above.
    BufferedFile file;
    if (!file.Open(path_, FileMode::ReadWrite)) return ImageRead::Refused;
    const int64_t size = file.Size();
    const bool read = size >= 0 && TryAllocate(image, static_cast<size_t>(size)) &&
                      ReadAll(file, {image.data(), static_cast<size_t>(size)});
    file.Close();
    return read ? ImageRead::Read : ImageRead::Refused;
}

bool ClipboardFile::WriteImage(std::span<const uint8_t> image) {
    if (!ReservePending()) return false;
    // The reserved name is an empty file of ours: ReadWrite opens it without following links.
    BufferedFile file;
    const bool written = file.Open(pending_, FileMode::ReadWrite) && WriteAll(file, image);
    const bool done = file.Close() && written && RenameFile(pending_, path_);
    if (!done) RemoveFile(pending_);
    pending_.clear();
    return done;
}

void ClipboardFile::Remove() const {
    if (OwnerOf(path_) == FileOwner::Own) RemoveFile(path_);
}

}  // namespace vesk
