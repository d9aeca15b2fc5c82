#include "edit/ClipboardFile.h"

#include "platform/io/PathUtil.h"
#include "platform/io/TempFile.h"

namespace vesk {

bool ClipboardFile::BeginWrite(WaveFile& file, uint32_t frequency, uint16_t channels) {
    if (OwnerOf(path_) == FileOwner::Foreign) return false;
    const PathParts parts = SplitPath(path_);
    pending_ = UniqueFileName(parts.directory, "." + parts.name + ".vsk", ".tmp");
    if (pending_.empty()) return false;
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

}  // namespace vesk
