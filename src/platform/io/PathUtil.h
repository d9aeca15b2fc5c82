// Path and directory helpers of the file layer: splitting a path, probing a directory, and
// deleting files where a missing file is no error.
#pragma once

#include <string>

namespace vesk {

struct PathParts {
    std::string directory;  // everything up to and including the last '/', "" when none
    std::string name;       // the file name without its extension
    std::string extension;  // from the last '.' of the file name on (".wav"), "" when none
};

// directory + name + extension == path.
PathParts SplitPath(const std::string& path);

// Whether directory exists and could be entered (what chdir(2) would accept), found without
// touching the process's current directory.
bool IsEnterableDirectory(const std::string& directory);

// Deletes the file; true when it is gone afterwards (a file that was already gone is fine).
bool RemoveFile(const std::string& path);

// Who a name in a folder others may write belongs to, judged without following a link: Own is a
// regular file of this process's user; a link, a folder, a device or another user's file is
// Foreign.
enum class FileOwner { Missing, Own, Foreign };
FileOwner OwnerOf(const std::string& path);

// rename(2): moves `from` over `to` in one step (a link at `to` is replaced, never followed).
bool RenameFile(const std::string& from, const std::string& to);

}  // namespace vesk
