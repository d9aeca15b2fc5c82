// The marker chunks of a WAVE file (RIFF or RF64) on disk: reads the `cue ` and `LIST`/`adtl`
// chunks, and replaces them. Every other chunk (format, sound data, INFO, ID3) keeps its bytes
// and its order; the new marker chunks go at the end. The payloads themselves are
// RiffMarkerCodec's, the chunk layout WaveForm's.
#pragma once

#include <string>
#include <vector>

#include "components/MarkerInfo.h"

namespace vesk {

class RiffMarkerFile {
public:
    // True when the file at `path` (UTF-8) starts as a RIFF or RF64 WAVE file.
    static bool IsWave(const std::string& path);

    // The file's markers (empty when it has no marker chunks). False, with `markers` untouched,
    // when it is not a readable WAVE file.
    static bool Read(const std::string& path, std::vector<MarkerInfo>& markers);

    // Replaces the file's marker chunks with `markers` (with none, the chunks are removed).
    // Anything after the form's end is dropped. False when the file is not a WAVE file or an I/O
    // step failed (the file may then be partly rewritten).
    static bool Write(const std::string& path, const std::vector<MarkerInfo>& markers);
};

}  // namespace vesk
