#include "platform/io/TempFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "platform/io/IoFaults.h"

namespace vesk {

namespace {

constexpr uint32_t kNameCount = 0xFFFF;

// Different processes (and calls a moment apart) start their search at different numbers, so
// that they rarely have to step over each other's files.
uint32_t StartNumber() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    const uint64_t mixed = static_cast<uint64_t>(ticks) ^ (static_cast<uint64_t>(getpid()) << 16);
    return static_cast<uint32_t>(mixed % kNameCount) + 1;
}

std::string NameFor(const std::string& directory, const std::string& prefix, uint32_t number,
                    const std::string& extension) {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", number);
    return directory + prefix + hex + extension;
}

}  // namespace

std::string UniqueTempFileName(const std::string& directory, const std::string& prefix) {
    return UniqueFileName(directory, prefix, ".tmp");
}

std::string UniqueFileName(const std::string& directory, const std::string& prefix, const std::string& extension,
                           unsigned mode) {
    if (IoFaults::ShouldFail(IoOp::Open)) return {};
    uint32_t number = StartNumber();
    for (uint32_t tries = 0; tries < kNameCount; ++tries) {
        const std::string path = NameFor(directory, prefix, number, extension);
        // O_EXCL never follows a link at the name: a planted link counts as a name in use.
        const int fd = ::open(path.c_str(), O_CREAT | O_EXCL | O_NOFOLLOW | O_WRONLY | O_CLOEXEC, mode);
        if (fd >= 0) {
            ::close(fd);
            return path;
        }
        // Only a name in use is worth another try; a missing or read-only directory stays so.
        if (errno != EEXIST) return {};
        number = number % kNameCount + 1;
    }
    return {};
}

std::string SystemTempDirectory() {
    const char* fromEnvironment = std::getenv("TMPDIR");
    std::string directory = (fromEnvironment && *fromEnvironment) ? fromEnvironment : "/tmp";
    if (directory.back() != '/') directory += '/';
    return directory;
}

}  // namespace vesk
