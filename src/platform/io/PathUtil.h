// Path and directory helpers of the file layer: splitting a path, the process's current
// directory, and deleting files where a missing file is no error.
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

// The process's current directory without a trailing '/' ("" if it cannot be read).
std::string CurrentDirectory();
// chdir(2); false when the directory cannot be entered. Changes process-wide state: callers that
// only probe a directory restore the previous one.
bool ChangeCurrentDirectory(const std::string& directory);

// Deletes the file; true when it is gone afterwards (a file that was already gone is fine).
bool RemoveFile(const std::string& path);

}  // namespace vesk
