// Whether a path names a regular file this process can read, and if not, why. Libraries that
// open files themselves report access problems vaguely (or as content errors), so callers settle
// access with this first.
#pragma once

#include <string>

namespace vesk {

enum class FileProbe {
    Readable,      // a regular file, opened for reading
    Missing,       // no such file (or a directory on the way is missing or is a file)
    NotRegular,    // a directory, device, pipe or socket
    NoPermission,  // exists, but this process may not read it
    Unreadable,    // any other failure of the operating system
};

FileProbe ProbeReadableFile(const std::string& path);

}  // namespace vesk
