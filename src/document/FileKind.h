// Which component reads or writes a file, chosen only by the name's extension (any case):
// ".wma" the WMA codec, ".cda" an audio CD track, anything else the file component.
#pragma once

#include <cstdint>
#include <string>

namespace vesk {

enum class FileKind { General, Wma, CdTrack };

FileKind FileKindOf(const std::string& fileName);

// The track number of a CD track name: the digits from the sixth character of the file name on
// ("Track05.cda" -> 5); 0 when there are none.
int32_t CdTrackNumber(const std::string& fileName);

}  // namespace vesk
