#include "platform/io/FileLength.h"

#include <unistd.h>

#include <cerrno>

namespace vesk {

bool SetFileLength(const std::string& path, int64_t bytes) {
    if (bytes < 0) return false;
    int result;
    do {
        result = ::truncate(path.c_str(), static_cast<off_t>(bytes));
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

}  // namespace vesk
