#include "platform/io/PathUtil.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace vesk {

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    const size_t slash = path.rfind('/');
    const size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    parts.directory = path.substr(0, nameStart);
    const std::string fileName = path.substr(nameStart);
    const size_t dot = fileName.rfind('.');
    if (dot == std::string::npos) {
        parts.name = fileName;
    } else {
        parts.name = fileName.substr(0, dot);
        parts.extension = fileName.substr(dot);
    }
    return parts;
}

bool IsEnterableDirectory(const std::string& directory) {
    struct stat status {};
    return !directory.empty() && stat(directory.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           access(directory.c_str(), X_OK) == 0;
}

FileOwner OwnerOf(const std::string& path) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0) return errno == ENOENT ? FileOwner::Missing : FileOwner::Foreign;
    return S_ISREG(status.st_mode) && status.st_uid == geteuid() ? FileOwner::Own : FileOwner::Foreign;
}

bool RenameFile(const std::string& from, const std::string& to) { return std::rename(from.c_str(), to.c_str()) == 0; }

bool RemoveFile(const std::string& path) {
    if (path.empty()) return true;
    return unlink(path.c_str()) == 0 || errno == ENOENT;
}

}  // namespace vesk
