// The file a window's document belongs to and whether the document changed since it was
// opened or saved. The control names the working file of its current history state; every
// edit makes a new one and Undo returns to an older one, so the document is unchanged exactly
// when that name is the one it had at the last open or save (a recording writes into the
// working file itself and is counted apart).
#pragma once

#include <string>

#include "ControlCalls.h"

namespace vesk::editor {

class DocumentFile {
public:
    explicit DocumentFile(const ControlCalls& calls) : calls_(calls) {}

    // The file's path; "" for a new sound never saved.
    const std::string& Path() const { return path_; }
    // The document now matches path (after an open or a save; "" after New).
    void MatchesFile(const std::string& path);
    void Recorded() { recorded_ = true; }
    bool Changed() const;

private:
    std::string WorkingFile() const;

    const ControlCalls& calls_;
    std::string path_;
    std::string cleanWorkingFile_;
    bool recorded_ = false;
};

}  // namespace vesk::editor
