#include "DocumentFile.h"

namespace vesk::editor {

void DocumentFile::MatchesFile(const std::string& path) {
    path_ = path;
    cleanWorkingFile_ = WorkingFile();
    recorded_ = false;
}

bool DocumentFile::Changed() const { return recorded_ || WorkingFile() != cleanWorkingFile_; }

std::string DocumentFile::WorkingFile() const { return calls_.WorkingFile(); }

}  // namespace vesk::editor
