// A sound file opened by TagLib through the platform's file layer (TagLibFileStream), as the
// tag and chapter stores use it: TagLib picks the file type by the name's extension, then by the
// content, as it does for a path.
#pragma once

#include <taglib/fileref.h>

#include <string>

#include "components/information/TagLibFileStream.h"

namespace vesk {

class TagLibFile {
public:
    // Opens path (UTF-8), for writing too when `writable`.
    TagLibFile(const std::string& path, bool writable);

    // TagLib's file when it knows the file as sound (it has a sample rate: a text file named
    // .mp3 has none, and tagging it would corrupt it); null otherwise.
    TagLib::File* Sound() const;
    // Closes the file; false when a read or write of it failed since it was opened (TagLib's
    // own result does not tell).
    bool Close() { return stream_.Close(); }

private:
    TagLibFileStream stream_;
    TagLib::FileRef ref_;  // uses stream_, so it goes first
};

}  // namespace vesk
