// The file formats the editor offers: the name patterns of the open dialog's filter and, for a
// file name being saved, the SetFormat member whose settings the Save As dialog asks for.
#pragma once

#include <string>
#include <vector>

namespace vesk::editor {

// "*.wav", "*.mp3", ... : what the file component reads (lower case).
const std::vector<std::string>& ReadablePatterns();

// The SetFormat member for the file name's extension (case-insensitive), e.g. "SetFormatMP3"
// for "song.MP3"; "" when the extension alone decides the format (no settings to ask).
std::string FormatMemberFor(const std::string& fileName);

}  // namespace vesk::editor
