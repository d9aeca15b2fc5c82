#include "platform/io/FileProbe.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace vesk {
namespace {

FileProbe FromErrno(int error) {
    switch (error) {
        case ENOENT:
        case ENOTDIR: return FileProbe::Missing;
        case EACCES:
        case EPERM: return FileProbe::NoPermission;
        default: return FileProbe::Unreadable;
    }
}

}  // namespace

// The file is opened (not only looked at) because permission and special files show only then;
// O_NONBLOCK keeps a FIFO without a writer from blocking the open.
FileProbe ProbeReadableFile(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return FromErrno(errno);
    struct stat status {};
    const bool statted = ::fstat(fd, &status) == 0;
    const int error = errno;
    ::close(fd);
    if (!statted) return FromErrno(error);
    return S_ISREG(status.st_mode) ? FileProbe::Readable : FileProbe::NotRegular;
}

}  // namespace vesk
