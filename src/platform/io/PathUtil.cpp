#include "platform/io/PathUtil.h"

#include <unistd.h>

#include <cerrno>
#include <climits>

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

std::string CurrentDirectory() {
    char buffer[PATH_MAX];
    return getcwd(buffer, sizeof buffer) ? std::string(buffer) : std::string();
}

bool ChangeCurrentDirectory(const std::string& directory) {
    return !directory.empty() && chdir(directory.c_str()) == 0;
}

bool RemoveFile(const std::string& path) {
    if (path.empty()) return true;
    return unlink(path.c_str()) == 0 || errno == ENOENT;
}

}  // namespace vesk
