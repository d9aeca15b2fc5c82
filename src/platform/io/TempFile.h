// Unique temporary files: the service that names every working file.
#pragma once

#include <string>

namespace vesk {

// Creates an empty file "<directory><prefix><HEX>.tmp" that did not exist before (O_EXCL, mode
// 0600) and returns its path; HEX is an upper-case hexadecimal number from 1 to FFFF. The search
// starts at a number derived from the process id and the clock and counts up. directory must end
// with '/' (or be empty for the current directory). Returns "" when the directory cannot take the
// file or all 65535 names are in use. Counts as an open for IoFaults.
std::string UniqueTempFileName(const std::string& directory, const std::string& prefix);
// The same with another extension, "<directory><prefix><HEX><extension>", and another mode
// (which the umask then limits).
std::string UniqueFileName(const std::string& directory, const std::string& prefix, const std::string& extension,
                           unsigned mode = 0600);

// $TMPDIR when set and not empty, otherwise "/tmp"; always with a trailing '/'.
std::string SystemTempDirectory();

}  // namespace vesk
