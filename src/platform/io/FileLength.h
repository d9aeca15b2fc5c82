// Cutting a file to a length: the one file-system call the RIFF rewriters need besides RiffFile's
// own, for when a rewrite leaves a file shorter than it was.
#pragma once

#include <cstdint>
#include <string>

namespace vesk {

// Cuts (or extends with zeros) the file at `path` (UTF-8) to `bytes`; false when that fails.
bool SetFileLength(const std::string& path, int64_t bytes);

}  // namespace vesk
