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

}  // namespace vesk
