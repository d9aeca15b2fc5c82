// The chunks of a WAVE file (RIFF or RF64) that this component reads and writes: the markers in
// `cue ` and `LIST`/`adtl` chunks, and the chunks it keeps from a source file (KeptWaveChunks).
// Writing replaces the marker chunks and adds what the file lacks of the kept ones; every other
// chunk (format, sound data, INFO, ID3) keeps its bytes and its order, and the new chunks go at
// the end. The marker payloads are RiffMarkerCodec's, the chunk layout WaveForm's.
#pragma once

#include <string>
#include <vector>

#include "components/MarkerInfo.h"
#include "components/information/KeptWaveChunks.h"

namespace vesk {

class WaveMetadataFile {
public:
    // True when the file at `path` (UTF-8) starts as a RIFF or RF64 WAVE file.
    static bool IsWave(const std::string& path);

    // The file's markers (empty when it has no marker chunks) and the chunks it carries beside
    // them. False, with both untouched, when it is not a readable WAVE file.
    static bool Read(const std::string& path, std::vector<MarkerInfo>& markers, KeptWaveChunks& kept);

    // Replaces the file's marker chunks with `markers` (with none, the chunks are removed) and
    // adds `kept`. Anything after the form's end is dropped. False when the file is not a WAVE
    // file or an I/O step failed (the file may then be partly rewritten).
    static bool Write(const std::string& path, const std::vector<MarkerInfo>& markers,
                      const KeptWaveChunks& kept = {});
};

}  // namespace vesk
