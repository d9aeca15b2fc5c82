// A private directory for one fuzzing or replay process: targets whose code under test reads
// files by name write each input into it. Made under $TMPDIR on first use and removed, with
// everything in it, when the process exits normally.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vesk::fuzz {

// The directory, without a trailing '/'.
const std::string& ScratchDirectory();

// Writes the bytes to `name` inside the directory (replacing what was there) and returns the
// full path. Aborts when the file cannot be written: a harness that silently tests nothing
// would be worse than one that stops.
std::string WriteScratchFile(const std::string& name, const uint8_t* data, size_t size);

}  // namespace vesk::fuzz
