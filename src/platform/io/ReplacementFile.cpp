#include "platform/io/ReplacementFile.h"

#include <stdlib.h>
#include <sys/stat.h>

#include <cstdio>
#include <memory>

#include "platform/io/PathUtil.h"
#include "platform/io/TempFile.h"

namespace vesk {

std::string ResolveTarget(const std::string& target) {
    struct stat status {};
    if (lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return target;
    std::unique_ptr<char, decltype(&free)> resolved(realpath(target.c_str(), nullptr), &free);
    return resolved ? std::string(resolved.get()) : target;
}

std::string CreateFileBeside(const std::string& target) {
    const PathParts parts = SplitPath(target);
    // Created as any new file of the user's is (0666 less the umask): that is what it becomes.
    return UniqueFileName(parts.directory, "." + parts.name + ".vsk", parts.extension, 0666);
}

bool ReplaceFile(const std::string& written, const std::string& target) {
    struct stat status {};
    if (stat(target.c_str(), &status) == 0) chmod(written.c_str(), status.st_mode & 07777);
    return RenameFile(written, target);
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat first {}, second {};
    return stat(a.c_str(), &first) == 0 && stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

}  // namespace vesk
