// Writing a user's file safely: the new content goes to a file beside the target, which is moved
// over the target only when it is complete. A failure on the way leaves the target as it was.
#pragma once

#include <string>

namespace vesk {

// The file a save really replaces: the file a symbolic link at target points to (so that the
// link survives), else target itself.
std::string ResolveTarget(const std::string& target);

// Creates an empty file in target's folder, named ".<name>.vsk<HEX><extension>" after target so
// that whatever chooses a format by the extension chooses the same one, exclusively and never
// through a link, with the mode of any new file (0666 less the umask). "" when the folder cannot
// take it. Counts as an open for IoFaults.
std::string CreateFileBeside(const std::string& target);

// Moves the complete file `written` over target in one step; an existing target's permissions
// carry over. False when the move failed; `written` is then still there.
bool ReplaceFile(const std::string& written, const std::string& target);

// Whether both paths name the same existing file (also through links or other names).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace vesk
